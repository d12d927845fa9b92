// vantrel-count run as a program: its output for single columns and for --all, --help,
// and the error line, usage line and exit code for each kind of bad command line.

#include <QtTest>

#include <QProcess>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunCounter(const QStringList& arguments, const QString& outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(VANTREL_COUNT_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString ColumnLines(int nobs, int flush, int pairs, int runs, int fifteens)
{
    return QStringLiteral("nobs %1\nflush %2\npairs %3\nruns %4\nfifteens %5\ntotal %6\n")
        .arg(nobs)
        .arg(flush)
        .arg(pairs)
        .arg(runs)
        .arg(fifteens)
        .arg(nobs + flush + pairs + runs + fifteens);
}

}  // namespace

class TestVantrelCount : public QObject {
    Q_OBJECT

private slots:
    void countsOneColumn_data();
    void countsOneColumn();
    void countsEveryColumn_data();
    void countsEveryColumn();
    void refusesBadCommandLine_data();
    void refusesBadCommandLine();
    void speaksTheDesktopsLanguage();
    void showsHelp();
    void showsVersion();
    void doubleDashEndsTheOptions();
    void aFailedWriteIsReported();
};

void TestVantrelCount::countsOneColumn_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("29 hand") << QStringList{"5H", "5C", "5D", "JS", "5S"}
                             << ColumnLines(1, 0, 12, 0, 16);
    QTest::newRow("any case, T for ten")
        << QStringList{"th", "5d", "5c", "qS", "Kc"} << ColumnLines(0, 0, 2, 0, 12);
    QTest::newRow("10 for ten") << QStringList{"10H", "5D", "5C", "QS", "KC"}
                                << ColumnLines(0, 0, 2, 0, 12);
    QTest::newRow("hand flush of four")
        << QStringList{"2H", "4H", "6H", "8H", "KC"} << ColumnLines(0, 4, 0, 0, 0);
    QTest::newRow("crib has no flush of four")
        << QStringList{"--crib", "2H", "4H", "6H", "8H", "KC"} << ColumnLines(0, 0, 0, 0, 0);
    QTest::newRow("crib flush of five, option last")
        << QStringList{"2H", "4H", "6H", "8H", "KH", "--crib"} << ColumnLines(0, 5, 0, 0, 0);
    QTest::newRow("double run of four")
        << QStringList{"AC", "2D", "3H", "3S", "4C"} << ColumnLines(0, 0, 2, 8, 0);
}

void TestVantrelCount::countsOneColumn()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const Run run = RunCounter(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, expected);
    QCOMPARE(run.exitCode, 0);
}

void TestVantrelCount::countsEveryColumn_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("hands") << QStringList{"--all"};
    QTest::newRow("crib") << QStringList{"--crib", "--all"};
}

// The histogram's numbers are checked against a literal count by the counting tests;
// here the program must print all 30 scores in order and account for every combination.
void TestVantrelCount::countsEveryColumn()
{
    QFETCH(QStringList, arguments);
    const Run run = RunCounter(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 30);
    qint64 combinations = 0;
    for (int score = 0; score < lines.size(); ++score) {
        const QStringList fields = lines[score].split(QLatin1Char(' '));
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields[0], QString::number(score));
        bool isNumber = false;
        combinations += fields[1].toLongLong(&isNumber);
        QVERIFY(isNumber);
    }
    QCOMPARE(combinations, 12994800);
    QCOMPARE(lines[19], QStringLiteral("19 0"));
    QCOMPARE(lines[29], QStringLiteral("29 4"));
}

void TestVantrelCount::refusesBadCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no arguments") << QStringList{}
                                  << "expected 4 hand cards and a cut card, got 0 cards";
    QTest::newRow("four cards") << QStringList{"5H", "5C", "5D", "JS"}
                                << "expected 4 hand cards and a cut card, got 4 cards";
    QTest::newRow("six cards") << QStringList{"5H", "5C", "5D", "JS", "5S", "6S"}
                               << "expected 4 hand cards and a cut card, got 6 cards";
    QTest::newRow("unknown rank") << QStringList{"5H", "1C", "5D", "JS", "5S"}
                                  << "unknown card '1C'";
    QTest::newRow("unknown suit") << QStringList{"5H", "5C", "5D", "JS", "5X"}
                                  << "unknown card '5X'";
    QTest::newRow("same card twice")
        << QStringList{"5H", "5C", "5h", "JS", "5S"} << "card '5h' given twice (as '5H' before)";
    QTest::newRow("cut among the hand")
        << QStringList{"5H", "5C", "5D", "TS", "10s"} << "card '10s' given twice (as 'TS' before)";
    QTest::newRow("unknown option")
        << QStringList{"--flush", "5H", "5C", "5D", "JS", "5S"} << "unknown option '--flush'";
    QTest::newRow("cards with --all")
        << QStringList{"--all", "5H"} << "--all counts every column and takes no cards, got '5H'";
    QTest::newRow("terminal controls escaped")
        << QStringList{"5H", "\x1b]0;owned\x07\\", "5D", "JS", "5S"}
        << "unknown card '\\x1b]0;owned\\x07\\x5c'";
    QTest::newRow("an option after --")
        << QStringList{"5H", "5C", "--", "--crib", "JS", "5S"} << "unknown card '--crib'";
}

void TestVantrelCount::refusesBadCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Run run = RunCounter(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(QStringLiteral("vantrel-count: ") + error), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(QStringLiteral("usage: vantrel-count")), qPrintable(lines[1]));
}

// On a German desktop the error is German.
void TestVantrelCount::speaksTheDesktopsLanguage()
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    qunsetenv("LANGUAGE");
    const Run run = RunCounter({"5H", "5C", "5h", "JS", "5S"});
    qunsetenv("LC_ALL");
    qputenv("LANGUAGE", "en");
    QCOMPARE(run.err.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("vantrel-count: Karte '5h' doppelt angegeben (vorher als '5H')"));
}

void TestVantrelCount::showsHelp()
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Run run = RunCounter({QStringLiteral("5H"), option, QStringLiteral("--bogus")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(run.out.startsWith(QStringLiteral("usage: vantrel-count")));
        QVERIFY(run.out.contains(QStringLiteral("--crib")));
        QVERIFY(run.out.contains(QStringLiteral("--all")));
    }
}

void TestVantrelCount::showsVersion()
{
    const Run run = RunCounter({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QVERIFY2(QRegularExpression(QStringLiteral("^vantrel-count \\d+\\.\\d+\n$"))
                 .match(run.out)
                 .hasMatch(),
             qPrintable(run.out));
}

void TestVantrelCount::doubleDashEndsTheOptions()
{
    const Run run = RunCounter({"--crib", "--", "2H", "4H", "6H", "8H", "KH"});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, ColumnLines(0, 5, 0, 0, 0));
    QCOMPARE(run.exitCode, 0);
}

// Output that cannot be written (a full disk) must not pass for a count.
void TestVantrelCount::aFailedWriteIsReported()
{
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("this system has no /dev/full");
    const QStringList commands[] = {{"5H", "5C", "5D", "JS", "5S"}, {"--all"}, {"--version"}};
    for (const QStringList& arguments : commands) {
        const Run run = RunCounter(arguments, QStringLiteral("/dev/full"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("vantrel-count: cannot write the output")),
                 qPrintable(run.err));
    }
}

QTEST_GUILESS_MAIN(TestVantrelCount)
#include "test_vantrel_count.moc"
