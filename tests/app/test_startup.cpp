// The program itself, started as a player starts it: on the offscreen platform, or
// with no display at all.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Finished {
    bool normalExit = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment of a desktop session without any display, where Qt picks its
// default platform as it would for a player.
QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    return env;
}

Finished RunToEnd(const QProcessEnvironment& env, const QStringList& arguments)
{
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VANTREL_EXE), arguments);
    Finished run;
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.normalExit = program.exitStatus() == QProcess::NormalExit;
    run.exitCode = program.exitCode();
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

}  // namespace

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

    void aSeedIsEchoedWithItsControlCharactersEscaped()
    {
        const QString errors = RunBriefly(QStringLiteral("7\x1b[2J\x1b]0;x\x07"));
        QVERIFY2(!errors.startsWith(QLatin1Char('<')), qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("VANTREL_SEED=\"7\\x1b[2J\\x1b]0;x\\x07\"")),
                 qPrintable(errors));
        QVERIFY(!errors.contains(QChar(0x1b)));
        QVERIFY(!errors.contains(QChar(0x07)));
    }

    void aValidSeedIsTakenSilently()
    {
        const QString errors = RunBriefly(QStringLiteral("4294967295"));
        QVERIFY2(!errors.startsWith(QLatin1Char('<')), qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("VANTREL_SEED")), qPrintable(errors));
    }

    void helpAndVersionNeedNoDisplay()
    {
        const Finished version = RunToEnd(WithoutDisplay(), {QStringLiteral("--version")});
        QVERIFY(version.normalExit);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.err, QString());
        QVERIFY2(QRegularExpression(QStringLiteral("^vantrel \\d+\\.\\d+\n$"))
                     .match(version.out)
                     .hasMatch(),
                 qPrintable(version.out));

        const Finished help =
            RunToEnd(WithoutDisplay(), {QStringLiteral("-x"), QStringLiteral("--help")});
        QVERIFY(help.normalExit);
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: vantrel")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("--version")));
        QVERIFY(help.out.contains(QStringLiteral("VANTREL_SEED")));
    }

    // The help speaks the desktop's language as gettext chooses it.
    void helpSpeaksTheLanguageTheDesktopAsksFor_data()
    {
        QTest::addColumn<QStringList>("variables");  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("word");           // one that only that language's help holds
        QTest::newRow("German desktop") << QStringList{"", "", "", "de_DE.UTF-8"} << "Blätter";
        QTest::newRow("first of LANGUAGE it speaks, before LC_ALL")
            << QStringList{"sv:pt_BR:fr", "it_IT.UTF-8", "", ""} << "Paciência";
        QTest::newRow("English first") << QStringList{"en:nl", "", "", "nl_NL"} << "sixteen";
        QTest::newRow("LC_MESSAGES before LANG, a country of its own")
            << QStringList{"", "", "es_MX.UTF-8@euro", "de_DE"} << "dieciséis";
        QTest::newRow("C ignores LANGUAGE") << QStringList{"fr", "C", "", ""} << "sixteen";
        QTest::newRow("no Portuguese of Portugal") << QStringList{"", "", "", "pt_PT"} << "sixteen";
    }
    void helpSpeaksTheLanguageTheDesktopAsksFor()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, word);
        QProcessEnvironment env = WithoutDisplay();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            env.insert(QString::fromLatin1(name), variables.takeFirst());
        }
        const QString help = RunToEnd(env, {QStringLiteral("--help")}).out;
        QVERIFY2(help.contains(word), qPrintable(help));
    }

    // Qt alone would print several lines and abort with a core dump.
    void withoutADisplayOneLineSaysSoAndTheStatusIs1()
    {
        const Finished run = RunToEnd(WithoutDisplay(), {});
        QVERIFY(run.normalExit);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("vantrel: cannot open a window: no display")),
                 qPrintable(run.err));
    }

    void aDisplayThatCannotBeReachedIsOneLineToo()
    {
        QProcessEnvironment env = WithoutDisplay();
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral("\x1b[2J:7"));
        const Finished run = RunToEnd(env, {});
        QVERIFY(run.normalExit);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("vantrel: cannot open a window: ")),
                 qPrintable(run.err));
        QVERIFY2(!run.err.contains(QChar(0x1b)), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
