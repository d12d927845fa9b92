// The help document and the web links: exactly what is handed to the desktop.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "FakeDesktop.h"
#include "auxiliary/Help.h"
#include "auxiliary/WebSite.h"

using namespace vantrel;
using vantrel::testing::FakeDesktop;

class HelpLinksTest : public QObject {
    Q_OBJECT

private:
    QString startFolder_;

private slots:
    void init() { startFolder_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startFolder_); }

    void helpOpensTheDocumentOfTheWorkingDirectory()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir::setCurrent(folder.path()));
        FakeDesktop desktop;
        ShowHelp();
        const QString expected =
            QDir(folder.path()).absoluteFilePath(QStringLiteral("Vantrel0.html"));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(expected)});
        QVERIFY(desktop.opened.first().isLocalFile());
    }

    void aMissingHelpDocumentIsStillHandedOnAndNothingIsReported()
    {
        QTemporaryDir other;
        QVERIFY(QDir::setCurrent(other.path()));
        FakeDesktop desktop;
        ShowHelp();
        ShowHelp();
        QCOMPARE(desktop.opened.size(), 2);
        QVERIFY(!QFile::exists(desktop.opened.first().toLocalFile()));
        QVERIFY(desktop.errors.isEmpty());
        QCOMPARE(desktop.beeps, 0);
    }

    void webAddressesArePassedAsTheyAre()
    {
        FakeDesktop desktop;
        OpenDocument(DonationPageAddress(), QString(), QString(), ShowNormalActivated);
        OpenDocument(HomePageAddress(), QString(), QString(), ShowNormalActivated);
        OpenDocument(QStringLiteral("HTTP://Example.example/a b"), QString(), QString(), 5);
        QCOMPARE(desktop.opened.at(0).toString(),
                 QStringLiteral("https://vantrel.example/sw/donate.html"));
        QCOMPARE(desktop.opened.at(1).toString(), QStringLiteral("https://vantrel.example/"));
        QVERIFY(!desktop.opened.at(2).isLocalFile());
        QCOMPARE(desktop.opened.at(2).host(), QStringLiteral("example.example"));
    }

    void textsAreCutTo254Characters()
    {
        const QString address =
            QStringLiteral("https://vantrel.example/") + QString(300, QLatin1Char('a'));
        QCOMPARE(DocumentTarget(address).toString().size(), 254);
        const QString file = QStringLiteral("/") + QString(300, QLatin1Char('f'));
        QCOMPARE(DocumentTarget(file).toLocalFile(), file.left(254));
        // A character of two UTF-16 units is never split.
        const QString wide =
            QStringLiteral("/") + QString(252, QLatin1Char('g')) + QString::fromUcs4(U"\U0001F0A1");
        QCOMPARE(DocumentTarget(wide).toLocalFile(), wide.left(253));
    }
};

QTEST_MAIN(HelpLinksTest)
#include "test_help_links.moc"
