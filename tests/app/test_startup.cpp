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

    // Runs the program for a while as a player would start it; it must still be
    // running then. Returns what it wrote to standard error.
    QString RunBriefly(const QString& seed) const
    {
        QProcess program;
        program.setProcessEnvironment(Environment(seed));
        program.start(QStringLiteral(VANTREL_EXE), {});
        if (!program.waitForStarted()) {
            return QStringLiteral("<did not start>");
        }
        QTest::qWait(1500);
        const bool running = program.state() == QProcess::Running;
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        program.kill();
        program.waitForFinished();
        return running ? errors : QStringLiteral("<ended early> ") + errors;
    }

private slots:
    void aSeedThatIsNoNumberIsReportedOnceAndTheGameStillStarts()
    {
        const QString errors = RunBriefly(QStringLiteral("12abc"));
        QVERIFY2(!errors.startsWith(QLatin1Char('<')), qPrintable(errors));
        const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList seedLines = lines.filter(QStringLiteral("VANTREL_SEED"));
        QCOMPARE(seedLines.size(), 1);
        QVERIFY(seedLines.first().contains(QStringLiteral("12abc")));
    }

    void aValidSeedIsTakenSilently()
    {
        const QString errors = RunBriefly(QStringLiteral("4294967295"));
        QVERIFY2(!errors.startsWith(QLatin1Char('<')), qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("VANTREL_SEED")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
