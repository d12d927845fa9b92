// The program itself, started as a player starts it, on the offscreen platform.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QProcessEnvironment Environment(const QString& seed) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VANTREL_MACHINE_STORE"), dir_.filePath(QStringLiteral("m.reg")));
        env.insert(QStringLiteral("VANTREL_USER_STORE"), dir_.filePath(QStringLiteral("u.reg")));
        env.insert(QStringLiteral("VANTREL_SEED"), seed);
        return env;
    }

private slots:
    void aSeedThatIsNoNumberIsReportedOnceAndTheGameStillStarts()
    {
        QProcess program;
        program.setProcessEnvironment(Environment(QStringLiteral("12abc")));
        program.start(QStringLiteral(VANTREL_EXE), {});
        QVERIFY(program.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        program.kill();
        program.waitForFinished();
        const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList seedLines = lines.filter(QStringLiteral("VANTREL_SEED"));
        QCOMPARE(seedLines.size(), 1);
        QVERIFY(seedLines.first().contains(QStringLiteral("12abc")));
    }

    void aValidSeedIsTakenSilently()
    {
        QProcess program;
        program.setProcessEnvironment(Environment(QStringLiteral("4294967295")));
        program.start(QStringLiteral(VANTREL_EXE), {});
        QVERIFY(program.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        program.kill();
        program.waitForFinished();
        QVERIFY2(!errors.contains(QStringLiteral("VANTREL_SEED")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
