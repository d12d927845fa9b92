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
    QTemporaryDir workingFolder_;
    QTemporaryDir installedFolder_;

    static QString PutHelpDocumentIn(const QString& folder)
    {
        const QString path = QDir(folder).filePath(QStringLiteral("Vantrel0.html"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return QString();
        }
        file.write("<html></html>");
        return path;
    }

private slots:
    void init()
    {
        startFolder_ = QDir::currentPath();
        QVERIFY(workingFolder_.isValid() && installedFolder_.isValid());
        for (const QTemporaryDir* folder : {&workingFolder_, &installedFolder_}) {
            for (const QString& name : QDir(folder->path()).entryList({"Vantrel0*.html"})) {
                QFile::remove(folder->filePath(name));
            }
        }
        QVERIFY(QDir::setCurrent(workingFolder_.path()));
    }
    void cleanup() { QDir::setCurrent(startFolder_); }

    void helpOpensTheDocumentOfTheWorkingDirectoryFirst()
    {
        const QString here = PutHelpDocumentIn(workingFolder_.path());
        QVERIFY(!PutHelpDocumentIn(installedFolder_.path()).isEmpty());
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), installedFolder_.path());
        help.ShowHelp(nullptr);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(here)});
        QVERIFY(desktop.errors.isEmpty());
    }

    void withoutOneInTheWorkingDirectoryHelpOpensTheInstalledCopy()
    {
        const QString installed = PutHelpDocumentIn(installedFolder_.path());
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), installedFolder_.path());
        help.ShowHelp(nullptr);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(installed)});
        QVERIFY(desktop.errors.isEmpty());
    }

    // The document in the player's language first, each looked up here and then where
    // it is installed; the English one when that language has none.
    void helpOpensThePlayersLanguageBeforeEnglish_data()
    {
        QTest::addColumn<QStringList>("documents");  // where/Vantrel0.<language>.html
        QTest::addColumn<QString>("opened");
        QTest::newRow("both here") << QStringList{"here/de", "here/en"} << "here/de";
        QTest::newRow("installed German first")
            << QStringList{"installed/de", "here/en"} << "installed/de";
        QTest::newRow("no German") << QStringList{"here/fr", "installed/en"} << "installed/en";
    }
    void helpOpensThePlayersLanguageBeforeEnglish()
    {
        QFETCH(QStringList, documents);
        QFETCH(QString, opened);
        const auto pathOf = [this](const QString& where) {
            const QTemporaryDir& folder =
                where.startsWith("here") ? workingFolder_ : installedFolder_;
            const QString language = where.section(QLatin1Char('/'), 1);
            return folder.filePath(language == "en" ? "Vantrel0.html"
                                                    : "Vantrel0." + language + ".html");
        };
        for (const QString& document : documents) {
            QFile file(pathOf(document));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), installedFolder_.path(), QStringLiteral("de"));
        help.ShowHelp(nullptr);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(pathOf(opened))});
    }

    // The 254-character cut is for a bare name; an installed path is handed on whole.
    void aLongInstalledPathIsNotCut()
    {
        const QString deep = installedFolder_.filePath(
            QString(120, QLatin1Char('d')) + QLatin1Char('/') + QString(120, QLatin1Char('e')));
        QVERIFY(QDir().mkpath(deep));
        const QString installed = PutHelpDocumentIn(deep);
        QVERIFY(installed.size() > 254);
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), deep);
        help.ShowHelp(nullptr);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(installed)});
    }

    void aMissingHelpDocumentIsReportedWithWhereItWasLookedFor()
    {
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), installedFolder_.path());
        help.ShowHelp(nullptr);
        const QStringList& reported = desktop.errors;
        QVERIFY(desktop.opened.isEmpty());
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.first().contains(QStringLiteral("Vantrel0.html")),
                 qPrintable(reported.first()));
        QVERIFY(reported.first().contains(QDir::toNativeSeparators(workingFolder_.path())));
        QVERIFY(reported.first().contains(QDir::toNativeSeparators(installedFolder_.path())));
        QCOMPARE(desktop.beeps, 0);
    }

    void webAddressesArePassedAsTheyAre()
    {
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop(), installedFolder_.path());
        help.OpenDocument(DonationPageAddress(), QString(), QString(), ShowNormalActivated);
        help.OpenDocument(HomePageAddress(), QString(), QString(), ShowNormalActivated);
        help.OpenDocument(QStringLiteral("HTTP://Example.example/a b"), QString(), QString(), 5);
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
