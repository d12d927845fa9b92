// The settings store as the program uses it: keys, typed values, the two roots'
// files, and the promises that no failure, crash or second copy loses a value.

#include "store/RegFile.h"
#include "store/Registry.h"
#include "store/StorePaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using vantrel::Registry;
using vantrel::RegistryRoot;
using vantrel::StoreLocation;
using vantrel::ValueType;

namespace {

constexpr auto KeyPath = u"\\Software\\Vantrel";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

vantrel::RegFile parseFile(const QString& path)
{
    const QByteArray raw = readAll(path);
    return vantrel::RegFile::parse(std::string_view(raw.constData(), raw.size()));
}

// What the writer program leaves after any number of whole saves: "Keep" as written
// first, and "Big" complete, every byte from the same round.
bool holdsWholeBigValue(const QString& file, qsizetype bigSize)
{
    const vantrel::RegFile parsed = parseFile(file);
    const vantrel::RegKey* key = parsed.findKey("HKLM\\Software\\Vantrel");
    if (!key || !key->findValue("Keep") || !key->findValue("Big"))
        return false;
    const auto& big = key->findValue("Big")->data;
    return key->findValue("Keep")->data == std::vector<std::uint8_t>{0x87, 0xd6, 0x12, 0x00}
           && qsizetype(big.size()) == bigSize
           && std::all_of(big.begin(), big.end(), [&](std::uint8_t b) { return b == big.front(); });
}

QProcess* startWriter(QObject* parent, const QStringList& arguments)
{
    auto* process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(VANTREL_STORE_WRITER), arguments);
    return process;
}

}  // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    Registry machineStore(const QString& name) const { return Registry(RegistryRoot::Machine, {path(name), false}); }

private slots:
    void cleanup()
    {
        for (QProcess* writer : findChildren<QProcess*>()) {
            writer->kill();
            writer->waitForFinished();
            delete writer;
        }
        qunsetenv(vantrel::MachineStoreVariable);
        qunsetenv(vantrel::UserStoreVariable);
    }

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

    void openCreatesTheKeyButOpenExistingNeverWrites()
    {
        const QString file = path("deep/er/user.reg");
        Registry user(RegistryRoot::User, {file, false});
        QVERIFY(!user.openExisting(u"Software\\vantrel\\DonateForm"));
        QVERIFY(!QFile::exists(file));

        auto key = user.open(u"Software\\vantrel\\DonateForm");
        QVERIFY(key && key->isOpen());
        QVERIFY(readAll(file).contains("[HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm]\r\n"));
        QVERIFY(user.openExisting(u"Software\\vantrel\\DonateForm"));
        QVERIFY(!user.open(u"\\\\"));  // no key below the root

        key->close();
        QVERIFY(!key->isOpen());
        QVERIFY(!key->writeInteger(u"DonateStatus", 1));
    }

    void keyThatCannotBeCreatedGivesNothing()
    {
        // A regular file where a folder should be stops everyone, root included.
        writeAll(path("plain.txt"), "not a folder");
        QVERIFY(!machineStore("plain.txt/store.reg").open(KeyPath));
        // A store path that is a folder cannot be read, so it is not a key either.
        QVERIFY(QDir(dir_.path()).mkdir("folder.reg"));
        QVERIFY(!machineStore("folder.reg").open(KeyPath));
    }

    // Refusals after the key opened, made in ways that hold for root too: the store
    // path turns into a folder, or the file grows too large to be ours; a file that
    // cannot be read is never overwritten.
    void writeRefusedAfterTheKeyOpened()
    {
        auto key = machineStore("gone.reg").open(KeyPath);
        QVERIFY(key);
        QVERIFY(QFile::remove(path("gone.reg")));
        QVERIFY(QDir(dir_.path()).mkdir("gone.reg"));
        QVERIFY(!key->writeBinary(u"fRegInfo", QByteArray(180, 'x')));

        auto second = machineStore("huge.reg").open(KeyPath);
        QVERIFY(second);
        QFile huge(path("huge.reg"));
        QVERIFY(huge.resize(17 * 1024 * 1024));
        QVERIFY(!second->writeInteger(u"Value", 1));
        QCOMPARE(QFileInfo(path("huge.reg")).size(), 17 * 1024 * 1024);
        QVERIFY(!machineStore("huge.reg").open(KeyPath));
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

    void damagedFileReadsWhatIsGoodAndHealsOnWrite()
    {
        writeAll(path("damaged.reg"), "Windows Registry Editor Version 5.00\r\n\x01\xff garbage\r\n"
                                      "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
                                      "\"fRegInfo\"=hex:01,02,\\\r\n"
                                      "\"Count\"=dword:0000000z\r\n"
                                      "\"Kept\"=dword:00000011\r\n");
        auto key = machineStore("damaged.reg").open(KeyPath);
        QVERIFY(key);
        QVERIFY(!key->valueExists(u"fRegInfo"));
        QVERIFY(!key->valueExists(u"Count"));
        QCOMPARE(key->readInteger(u"Kept"), 17);
        QVERIFY(key->writeInteger(u"Count", 5));
        QCOMPARE(readAll(path("damaged.reg")), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                                          "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
                                                          "\"Kept\"=dword:00000011\r\n"
                                                          "\"Count\"=dword:00000005\r\n\r\n"));
    }

    void environmentNamesTheFilesWithNoFallback()
    {
        qputenv(vantrel::MachineStoreVariable, path("m.reg").toUtf8());
        qputenv(vantrel::UserStoreVariable, path("u.reg").toUtf8());
        QCOMPARE(vantrel::machineStoreLocation().filePath, path("m.reg"));
        QCOMPARE(vantrel::userStoreLocation().filePath, path("u.reg"));
        QVERIFY(Registry(RegistryRoot::Machine).open(KeyPath));
        QVERIFY(Registry(RegistryRoot::User).open(u"Software\\vantrel"));
        QVERIFY(readAll(path("m.reg")).contains("[HKEY_LOCAL_MACHINE\\Software\\Vantrel]"));
        QVERIFY(readAll(path("u.reg")).contains("[HKEY_CURRENT_USER\\Software\\vantrel]"));

        writeAll(path("blocker"), "x");
        qputenv("XDG_DATA_HOME", path("xdg-data").toUtf8());
        qputenv(vantrel::MachineStoreVariable, path("blocker/m.reg").toUtf8());
        QVERIFY(!Registry(RegistryRoot::Machine).open(KeyPath));
        QVERIFY(!QFileInfo::exists(path("xdg-data")));
    }

    void defaultLocationsFollowTheXdgFolders()
    {
        writeAll(path("blocker"), "x");
        qputenv("XDG_DATA_HOME", path("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
        const StoreLocation fallback = vantrel::machineStoreLocation(path("blocker/vantrel/machine.reg"));
        QCOMPARE(fallback.filePath, path("data/vantrel/machine.reg"));
        QVERIFY(!fallback.sharedByAllUsers);
        const StoreLocation system = vantrel::machineStoreLocation(path("system/vantrel/machine.reg"));
        QCOMPARE(system.filePath, path("system/vantrel/machine.reg"));
        QVERIFY(system.sharedByAllUsers);
        QCOMPARE(vantrel::userStoreLocation().filePath, path("config/vantrel/user.reg"));
        qputenv("XDG_CONFIG_HOME", "relative/not/allowed");
        QCOMPARE(vantrel::userStoreLocation().filePath, QDir::homePath() + "/.config/vantrel/user.reg");
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void sharedFileIsWritableByEveryUser()
    {
        QVERIFY(Registry(RegistryRoot::Machine, {path("all.reg"), true}).open(KeyPath));
        QVERIFY(QFileInfo(path("all.reg")).permissions().testFlag(QFileDevice::WriteOther));
    }

    void twoProcessesWritingAtOnceLoseNothing()
    {
        const QString file = path("race.reg");
        QProcess* a = startWriter(this, {file, "integers", "A", "100"});
        QProcess* b = startWriter(this, {file, "integers", "B", "100"});
        QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const auto key = machineStore("race.reg").open(KeyPath);
        QVERIFY(key);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(key->readInteger(QStringLiteral("A%1").arg(i)), i);
            QCOMPARE(key->readInteger(QStringLiteral("B%1").arg(i)), i);
        }
    }

    // Readers take no lock: every save must replace the file whole, never in place.
    void readersNeverSeeAHalfWrittenFile()
    {
        const QString file = path("busy.reg");
        const qsizetype bigSize = 256 * 1024;
        QProcess* writer = startWriter(this, {file, "big", QString::number(bigSize)});
        QVERIFY(writer->waitForReadyRead(30000));
        QVERIFY(holdsWholeBigValue(file, bigSize));
        // Every round writes a file of the same length, so a cheap look at the raw
        // bytes tells a whole file from a torn one, and many reads fit in the time.
        const qsizetype wholeSize = readAll(file).size();
        QElapsedTimer clock;
        clock.start();
        int reads = 0;
        while (clock.elapsed() < 1500) {
            const QByteArray raw = readAll(file);
            QVERIFY2(raw.size() == wholeSize && raw.endsWith("\r\n\r\n"), qPrintable(QString::number(reads)));
            ++reads;
        }
        QVERIFY(writer->state() == QProcess::Running);
        QVERIFY(holdsWholeBigValue(file, bigSize));
    }

    // A copy killed between creating its lock file and writing its id into it leaves
    // an empty lock file behind, which must not hold up the next save.
    void emptyLockFileOfADeadCopyIsCleared()
    {
        const QString file = path("orphan.reg");
        QFile lockFile(file + ".lock");
        QVERIFY(lockFile.open(QIODevice::WriteOnly));
        lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                             QFileDevice::FileModificationTime);
        lockFile.close();
        QElapsedTimer clock;
        clock.start();
        auto key = machineStore("orphan.reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"After", 1));
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(machineStore("orphan.reg").open(KeyPath)->readInteger(u"After"), 1);
    }

    void writerKilledMidSaveLeavesTheLastWholeFile()
    {
        const QString file = path("killed.reg");
        const qsizetype bigSize = 256 * 1024;
        for (const int delay : {0, 7, 23, 61, 140}) {
            QProcess* writer = startWriter(this, {file, "big", QString::number(bigSize)});
            QVERIFY(writer->waitForReadyRead(30000));
            QTest::qWait(delay);
            writer->kill();
            QVERIFY(writer->waitForFinished(10000));

            QVERIFY(holdsWholeBigValue(file, bigSize));
        }
        // The dead writer's lock does not block the next save.
        auto key = machineStore("killed.reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"After", 1));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
