// The settings store as the program uses it: keys, typed values, the two roots'
// files and where they live, a damaged file, and copies that write the same file.

#include "StoreFiles.h"
#include "store/RegFile.h"
#include "store/Registry.h"
#include "store/StoreFile.h"
#include "store/StorePaths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <thread>

using vantrel::Registry;
using vantrel::RegistryRoot;
using vantrel::StoreLocation;
using vantrel::ValueType;
using namespace vantrel::testing;

class TestRegistry : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    Registry machineStore(const QString& name) const
    {
        return Registry(RegistryRoot::Machine, {path(name), false});
    }

private slots:
    void cleanup() { EndCase(this); }

    void everyValueTypeSurvivesTheFile()
    {
        const QByteArray record(180, '\x5a');
        {
            auto key = machineStore("types.reg").open(KeyPath);
            QVERIFY(key);
            QVERIFY(key->writeBinary(u"fRegInfo", record));
            QVERIFY(key->writeInteger(u"Negative", -3));
            QVERIFY(key->writeString(u"Name", QStringLiteral("Zoë \"x\" C:\\")));
            QVERIFY(key->writeString(u"Path", QStringLiteral("%HOME%/x"), ValueType::ExpandString));
            QVERIFY(key->writeString(u"Number", QStringLiteral(" 42 ")));
            QVERIFY(key->writeString(u"Word", QStringLiteral("12abc")));
        }
        const auto key = machineStore("types.reg").open(u"software\\VANTREL\\");
        QVERIFY(key);
        QCOMPARE(key->readBytes(u"fRegInfo"), record);
        QCOMPARE(key->valueInfo(u"fRegInfo")->type, ValueType::Binary);
        QCOMPARE(key->valueInfo(u"fRegInfo")->size, 180);
        QCOMPARE(key->valueInfo(u"Negative")->type, ValueType::Dword);
        QCOMPARE(key->readInteger(u"Negative"), -3);
        QCOMPARE(key->readString(u"Name"), QStringLiteral("Zoë \"x\" C:\\"));
        QCOMPARE(key->valueInfo(u"Name")->size, 2 * 12);  // UTF-16 and the NUL
        QCOMPARE(key->valueInfo(u"Path")->type, ValueType::ExpandString);
        QCOMPARE(key->readString(u"Path"), QStringLiteral("%HOME%/x"));
        // Integers also come from text holding a number; anything else is the default.
        QCOMPARE(key->readInteger(u"Number", -1), 42);
        QCOMPARE(key->readInteger(u"Word", -1), -1);
        QCOMPARE(key->readInteger(u"fRegInfo", -1), -1);
        QCOMPARE(key->readInteger(u"Missing", 7), 7);
        QVERIFY(!key->valueExists(u"Missing"));
        QVERIFY(!key->readString(u"Negative"));
    }

    // Opening only reads, so that start-up never waits for another copy's lock: a
    // missing key opens empty and the first write makes it, its file and its folders.
    void openingNeverWritesTheFirstWriteMakesTheKey()
    {
        const QString file = path("deep/er/user.reg");
        Registry user(RegistryRoot::User, {file, false});
        auto key = user.open(u"Software\\vantrel\\DonateForm");
        QVERIFY(key && key->isOpen() && !key->valueExists(u"DonateStatus"));
        QVERIFY(!user.openExisting(u"Software\\vantrel\\DonateForm"));
        QVERIFY(!QFileInfo::exists(path("deep")));

        QVERIFY(key->writeInteger(u"DonateStatus", 1));
        QVERIFY(readAll(file).contains("[HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm]\r\n"));
        QVERIFY(user.openExisting(u"Software\\vantrel\\DonateForm"));
        QVERIFY(!user.open(u"\\\\"));  // no key below the root
        QVERIFY(!user.open(u"Software\\Line\nBreak"));

        key->close();
        QVERIFY(!key->isOpen());
        QVERIFY(!key->writeInteger(u"DonateStatus", 2));
    }

    // A regular file where a folder should be stops everyone, root included: the key
    // reads empty and the write says why it was refused.
    void keyBelowAFileOpensEmptyAndRefusesWrites()
    {
        writeAll(path("plain.txt"), "not a folder");
        auto key = machineStore("plain.txt/store.reg").open(KeyPath);
        QVERIFY(key && !key->valueExists(u"fRegInfo"));
        QVERIFY(!key->writeInteger(u"Value", 1));
        QVERIFY2(key->refusal().startsWith(path("plain.txt/store.reg") + ": "),
                 qPrintable(key->refusal()));
        QCOMPARE(readAll(path("plain.txt")), QByteArray("not a folder"));
    }

    // Refusals after the key opened, made in ways that hold for root too: the store
    // path turns into a folder, or the file grows too large to be ours. A file that
    // cannot be read is never overwritten, and its keys open empty.
    void writeRefusedAfterTheKeyOpened()
    {
        auto key = machineStore("gone.reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"Value", 1));
        QVERIFY(QFile::remove(path("gone.reg")));
        QVERIFY(QDir(dir_.path()).mkdir("gone.reg"));
        QVERIFY(!key->writeBinary(u"fRegInfo", QByteArray(180, 'x')));

        auto second = machineStore("huge.reg").open(KeyPath);
        QVERIFY(second && second->writeInteger(u"Value", 1));
        QFile huge(path("huge.reg"));
        QVERIFY(huge.resize(1024 * 1024 + 1));  // one byte over the reader's limit
        QVERIFY(!second->writeInteger(u"Value", 2));
        QCOMPARE(QFileInfo(path("huge.reg")).size(), 1024 * 1024 + 1);
        const auto reopened = machineStore("huge.reg").open(KeyPath);
        QVERIFY(reopened && !reopened->valueExists(u"Value"));
    }

    void writesKeepWhatAnotherCopyWroteMeanwhile()
    {
        auto first = machineStore("shared.reg").open(KeyPath);
        auto second = machineStore("shared.reg").open(KeyPath);
        QVERIFY(first && second);
        QVERIFY(first->writeInteger(u"One", 1));
        QVERIFY(second->writeInteger(u"Two", 2));  // opened before "One" was written
        QVERIFY(first->writeInteger(u"Three", 3));
        const auto fresh = machineStore("shared.reg").open(KeyPath);
        QCOMPARE(fresh->readInteger(u"One"), 1);
        QCOMPARE(fresh->readInteger(u"Two"), 2);
        QCOMPARE(fresh->readInteger(u"Three"), 3);
        QCOMPARE(second->readInteger(u"One"), 1);  // its write brought the others in
    }

    // Nothing a person wrote by hand is lost without a copy: before the first save
    // rewrites text it would not keep, the file goes aside whole, dated and with its
    // own mode or the store's where narrower; the five newest copies are kept, the new one
    // first, and no other name (a future date, another pattern) is counted or removed.
    void damagedFileReadsWhatIsGoodAndIsCopiedAsideBeforeItHeals_data()
    {
        QTest::addColumn<QStringList>("older");
        QTest::addColumn<int>("removed");  // how many of the oldest go
        QTest::addColumn<QString>("number");
        QStringList now;
        for (int ahead = -2; ahead <= 5; ++ahead)
            now << QDateTime::currentDateTimeUtc().addSecs(ahead).toString("yyyyMMdd-HHmmss");
        QTest::newRow("oldest first, a second's by number, not ours left alone")
            << QString(
                   "20230101-000000 20230101-000000-2 20230101-000000-3 20230101-000000-4 "
                   "20230101-000000-5 20230101-000000-10 20990101-000000 20990102-000000 "
                   "20990103-000000 20990104-000000 20990105-000000 20201301-000000 x")
                   .split(' ')
            << 2 << "";
        QTest::newRow("a second copy of a second is numbered 2") << now << 0 << "-2";
    }

    void damagedFileReadsWhatIsGoodAndIsCopiedAsideBeforeItHeals()
    {
        QFETCH(QStringList, older);
        QFETCH(int, removed);
        QFETCH(QString, number);
        const QByteArray damaged =
            "Windows Registry Editor Version 5.00\r\n\x01\xff garbage\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel\r\n"
            "\"fRegInfo\"=hex:01,02,\\\r\n"
            "\"Count\"=dword:0000000z\r\n"
            "\"Kept\"=dword:00000011\r\n";
        for (const QString& left : QDir(dir_.path()).entryList({"damaged.reg*"}, QDir::Files))
            QVERIFY(QFile::remove(path(left)));
        for (const QString& copy : older) writeAll(path("damaged.reg.damaged-" + copy), "older");
        writeAll(path("damaged.reg"), damaged);
        QCOMPARE(::chmod(QFile::encodeName(path("damaged.reg")).constData(), 0666), 0);
        auto key = Registry(RegistryRoot::Machine, {path("damaged.reg"), true}).open(KeyPath);
        QVERIFY(key);
        QVERIFY(!key->valueExists(u"fRegInfo"));
        QVERIFY(!key->valueExists(u"Count"));
        QCOMPARE(key->readInteger(u"Kept"), 17);
        qputenv("TZ", "XST+2");  // a player two hours behind UTC: POSIX counts westwards
        ::tzset();
        const QString from = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
        QVERIFY(key->writeInteger(u"Count", 5));
        const QString to = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
        const QByteArray healed =
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
            "\"Kept\"=dword:00000011\r\n"
            "\"Count\"=dword:00000005\r\n\r\n";
        QCOMPARE(readAll(path("damaged.reg")), healed);
        const QStringList copies =
            QDir(dir_.path()).entryList({"damaged.reg.damaged*"}, QDir::Files, QDir::Name);
        QStringList made = copies;
        for (int i = 0; i < older.size(); ++i)
            QCOMPARE(made.removeAll("damaged.reg.damaged-" + older[i]), i < removed ? 0 : 1);
        QVERIFY(made == QStringList{"damaged.reg.damaged-" + from + number} ||
                made == QStringList{"damaged.reg.damaged-" + to + number});
        QCOMPARE(readAll(path(made[0])), damaged);
        QCOMPARE(QFileInfo(path(made[0])).permissions(),
                 QFileInfo(path("damaged.reg")).permissions());
        // A healed file, or one whose only difference is plain LF line ends, is kept
        // as it stands: no further copy.
        QVERIFY(key->writeInteger(u"Count", 6));
        writeAll(path("damaged.reg"),
                 QByteArray(readAll(path("damaged.reg"))).replace("\r\n", "\n"));
        QVERIFY(key->writeInteger(u"Count", 7));
        QCOMPARE(QDir(dir_.path()).entryList({"damaged.reg.damaged*"}, QDir::Files, QDir::Name),
                 copies);
    }

    void environmentNamesTheFilesWithNoFallback()
    {
        qputenv(vantrel::MachineStoreVariable, path("m.reg").toUtf8());
        qputenv(vantrel::UserStoreVariable, path("u.reg").toUtf8());
        QCOMPARE(vantrel::machineStoreLocation().filePath, path("m.reg"));
        QCOMPARE(vantrel::userStoreLocation().filePath, path("u.reg"));
        QVERIFY(Registry(RegistryRoot::Machine).open(KeyPath)->writeInteger(u"M", 1));
        QVERIFY(Registry(RegistryRoot::User).open(u"Software\\vantrel")->writeInteger(u"U", 1));
        QVERIFY(readAll(path("m.reg")).contains("[HKEY_LOCAL_MACHINE\\Software\\Vantrel]"));
        QVERIFY(readAll(path("u.reg")).contains("[HKEY_CURRENT_USER\\Software\\vantrel]"));

        writeAll(path("blocker"), "x");
        qputenv("XDG_DATA_HOME", path("xdg-data").toUtf8());
        qputenv(vantrel::MachineStoreVariable, path("blocker/m.reg").toUtf8());
        QVERIFY(!Registry(RegistryRoot::Machine).open(KeyPath)->writeInteger(u"M", 2));
        QVERIFY(!QFileInfo::exists(path("xdg-data")));
    }

    // The shared file only when its folder is there and takes new files from this
    // user; the folder is never made, else the player's own copy is used.
    void defaultLocationsFollowTheXdgFolders()
    {
        qputenv("XDG_DATA_HOME", path("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
        const StoreLocation fallback = vantrel::machineStoreLocation(path("games/vantrel"));
        QCOMPARE(fallback.filePath, path("data/vantrel/machine.reg"));
        QVERIFY(!fallback.shared);
        QVERIFY(!QFileInfo::exists(path("games")));
        QVERIFY(QDir().mkpath(path("games/vantrel")));
        const StoreLocation shared = vantrel::machineStoreLocation(path("games/vantrel"));
        QCOMPARE(shared.filePath, path("games/vantrel/machine.reg"));
        QVERIFY(shared.shared);
        QCOMPARE(vantrel::userStoreLocation().filePath, path("config/vantrel/user.reg"));
        qputenv("XDG_CONFIG_HOME", "relative/not/allowed");
        QCOMPARE(vantrel::userStoreLocation().filePath,
                 QDir::homePath() + "/.config/vantrel/user.reg");
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // ~ is $HOME when it is an absolute path, else the password database's home; with
    // neither, no store file is named and every save says why.
    void homeFallsBackToThePasswordDatabase_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HOME") << "/home/ann/"
                              << "/home/db"
                              << "/home/ann";
        QTest::newRow("HOME unset") << ""
                                    << "/home/db"
                                    << "/home/db";
        QTest::newRow("HOME relative") << "ann"
                                       << "/home/db"
                                       << "/home/db";
        QTest::newRow("neither") << "."
                                 << "db"
                                 << "";
    }

    void homeFallsBackToThePasswordDatabase()
    {
        QFETCH(QString, home);
        QFETCH(QString, database);
        QFETCH(QString, expected);
        QCOMPARE(vantrel::homeFolderFrom(home, [&] { return database; }), expected);
        const StoreLocation off{QString(), false, QStringLiteral("no home folder is known")};
        auto key = Registry(RegistryRoot::User, off).open(u"Software\\vantrel");
        QVERIFY(key && !key->writeInteger(u"DonateStatus", 1));
        QCOMPARE(key->refusal(), off.unavailable);
    }

    // A shared folder that lost its file is not made again by a save, and the
    // installation's folder is under the installation's state folder.
    void sharedFolderIsNeverMade()
    {
        const Registry shared(RegistryRoot::Machine, {path("gone/vantrel/machine.reg"), true});
        QVERIFY(!shared.open(KeyPath)->writeInteger(u"Value", 1));
        QVERIFY(!QFileInfo::exists(path("gone")));
        QVERIFY(vantrel::sharedStoreFolder().endsWith(QStringLiteral("/games/vantrel")));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
