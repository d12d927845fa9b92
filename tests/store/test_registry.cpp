// The settings store as the program uses it: keys, typed values, the two roots'
// files, and the promises that no failure, crash or second copy loses a value.

#include "store/RegFile.h"
#include "store/Registry.h"
#include "store/StoreFile.h"
#include "store/StorePaths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (!key || !key->findValue("Keep") || !key->findValue("Big")) return false;
    const auto& big = key->findValue("Big")->data;
    return key->findValue("Keep")->data == std::vector<std::uint8_t>{0x87, 0xd6, 0x12, 0x00} &&
           qsizetype(big.size()) == bigSize &&
           std::all_of(big.begin(), big.end(), [&](std::uint8_t b) { return b == big.front(); });
}

// What another user of the machine can leave in a folder both may write to.
enum class Planted { Symlink, DanglingSymlink, HardLink, Fifo, Folder };

void plant(Planted kind, const QString& at, const QString& victim)
{
    const QByteArray path = QFile::encodeName(at);
    switch (kind) {
        case Planted::Symlink:
            QVERIFY(QFile::link(victim, at));
            break;
        case Planted::DanglingSymlink:
            QVERIFY(QFile::link(victim + ".never", at));
            break;
        case Planted::HardLink:
            QCOMPARE(::link(QFile::encodeName(victim).constData(), path.constData()), 0);
            break;
        case Planted::Fifo:
            QCOMPARE(::mkfifo(path.constData(), 0666), 0);
            break;
        case Planted::Folder:
            QVERIFY(QDir().mkdir(at));
            break;
    }
}

void addPlantedRows()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("link to a file of the player") << int(Planted::Symlink);
    QTest::newRow("dangling link") << int(Planted::DanglingSymlink);
    QTest::newRow("hard link to a file of the player") << int(Planted::HardLink);
    QTest::newRow("FIFO") << int(Planted::Fifo);
    QTest::newRow("folder") << int(Planted::Folder);
}

// A file of the player's outside the store, which no planted name may reach.
struct Victim {
    QString path;
    QByteArray bytes = "the player's own file\n";
    QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;

    explicit Victim(const QString& at) : path(at)
    {
        writeAll(path, bytes);
        QFile::setPermissions(path, permissions);
    }
    bool untouched() const
    {
        return readAll(path) == bytes && (QFileInfo(path).permissions() & 0x7077) == permissions &&
               !QFileInfo::exists(path + ".never");
    }
};

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
    Registry machineStore(const QString& name) const
    {
        return Registry(RegistryRoot::Machine, {path(name), false});
    }

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
        QVERIFY(!machineStore("store.reg").open(u"Software\\Line\nBreak"));
    }

    // Refusals after the key opened, made in ways that hold for root too: the store
    // path turns into a folder, or the file grows too large to be ours. A file that
    // cannot be read is never overwritten, and its keys open empty.
    void writeRefusedAfterTheKeyOpened()
    {
        auto key = machineStore("gone.reg").open(KeyPath);
        QVERIFY(key);
        QVERIFY(QFile::remove(path("gone.reg")));
        QVERIFY(QDir(dir_.path()).mkdir("gone.reg"));
        QVERIFY(!key->writeBinary(u"fRegInfo", QByteArray(180, 'x')));

        auto second = machineStore("huge.reg").open(KeyPath);
        QVERIFY(second && second->writeInteger(u"Value", 1));
        QFile huge(path("huge.reg"));
        QVERIFY(huge.resize(vantrel::LargestStoreFile + 1));
        QVERIFY(!second->writeInteger(u"Value", 2));
        QCOMPARE(QFileInfo(path("huge.reg")).size(), vantrel::LargestStoreFile + 1);
        const auto reopened = machineStore("huge.reg").open(KeyPath);
        QVERIFY(reopened && !reopened->valueExists(u"Value"));
    }

    // Whatever a save writes, the reader takes back: a save that would outgrow the
    // reader's limit is refused like any other.
    void saveLargerThanTheReaderTakesIsRefused()
    {
        auto key = machineStore("limit.reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"Kept", 5));
        const QByteArray before = readAll(path("limit.reg"));
        QVERIFY(!key->writeBinary(u"Big", QByteArray(vantrel::LargestStoreFile / 3, 'x')));
        QCOMPARE(readAll(path("limit.reg")), before);
        QVERIFY(key->writeBinary(u"Big", QByteArray(vantrel::LargestStoreFile / 4, 'x')));
        QCOMPARE(machineStore("limit.reg").open(KeyPath)->valueInfo(u"Big")->size,
                 vantrel::LargestStoreFile / 4);
    }

    // Another user plants something at the store's name. Nothing outside the store is
    // written or changes mode, nothing hangs, and whatever is not a file of ours
    // reads as an empty store whose writes are refused; a hard link is a file, which
    // a save replaces instead of writing through.
    void plantedStoreIsNeverFollowed_data() { addPlantedRows(); }
    void plantedStoreIsNeverFollowed()
    {
        QFETCH(int, kind);
        const QString row = QString::number(kind);
        const Victim victim(path("victim" + row));
        plant(Planted(kind), path("planted" + row + ".reg"), victim.path);
        QElapsedTimer clock;
        clock.start();
        auto key = machineStore("planted" + row + ".reg").open(KeyPath);
        QVERIFY(key && !key->valueExists(u"fRegInfo"));
        const bool written = key->writeBinary(u"fRegInfo", QByteArray(180, 'x'));
        QCOMPARE(written, Planted(kind) == Planted::HardLink);
        QVERIFY2(clock.elapsed() < 10000, "a planted file stalled the store");
        QVERIFY(victim.untouched());
        const QFileInfo left(path("planted" + row + ".reg"));
        QCOMPARE(left.isSymLink(),
                 Planted(kind) == Planted::Symlink || Planted(kind) == Planted::DanglingSymlink);
        QCOMPARE(left.isDir(), Planted(kind) == Planted::Folder);
    }

    // The same at the lock's name: a save is refused at once, never waits on a FIFO
    // and never creates or writes a link's target.
    void plantedLockIsNeverFollowed_data() { addPlantedRows(); }
    void plantedLockIsNeverFollowed()
    {
        QFETCH(int, kind);
        const QString row = QString::number(kind);
        const Victim victim(path("victim" + row));
        auto key = machineStore("locked" + row + ".reg").open(KeyPath);
        QVERIFY(key);
        QVERIFY(QFile::remove(path("locked" + row + ".reg.lock")));  // replaced by the other user
        plant(Planted(kind), path("locked" + row + ".reg.lock"), victim.path);
        QElapsedTimer clock;
        clock.start();
        const bool written = key->writeInteger(u"After", 1);
        QCOMPARE(written, Planted(kind) == Planted::HardLink);
        QVERIFY2(clock.elapsed() < 10000, "a planted lock stalled the store");
        QVERIFY(victim.untouched());
        QCOMPARE(machineStore("locked" + row + ".reg").open(KeyPath)->valueExists(u"After"),
                 written);
    }

    // Another copy that keeps the lock makes a save wait about two seconds, with the
    // window told, and then refuses it; a lock given up during the wait is taken.
    void busyLockIsWaitedForBrieflyThenRefused()
    {
        auto key = machineStore("busy-lock.reg").open(KeyPath);
        QVERIFY(key);
        QList<bool> waits;
        vantrel::setStoreLockWaitObserver([&](bool waiting) { waits << waiting; });
        const int holder =
            ::open(QFile::encodeName(path("busy-lock.reg.lock")).constData(), O_RDONLY);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX), 0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!key->writeInteger(u"Held", 1));
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(waits, (QList<bool>{true, false}));

        std::thread releaser([holder] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ::close(holder);
        });
        const bool released = key->writeInteger(u"Released", 1);
        releaser.join();
        vantrel::setStoreLockWaitObserver({});
        QVERIFY(released);
        QCOMPARE(waits, (QList<bool>{true, false, true, false}));
    }

    // A copy killed between making its new file and renaming it leaves the file
    // behind; a later save clears such files of ours once they are clearly old.
    void staleTemporaryFilesOfAKilledCopyAreRemoved()
    {
        auto key = machineStore("tidy.reg").open(KeyPath);
        QVERIFY(key);
        const QString old = path("tidy.reg.tmp-0123456789abcdef");
        const QString fresh = path("tidy.reg.tmp-fedcba9876543210");
        const QString other = path("tidy.reg.notes");
        for (const QString& file : {old, fresh, other}) {
            writeAll(file, "left behind");
            QFile stamp(file);
            QVERIFY(stamp.open(QIODevice::ReadWrite));
            QVERIFY(
                stamp.setFileTime(QDateTime::currentDateTime().addSecs(file == fresh ? 0 : -3600),
                                  QFileDevice::FileModificationTime));
        }
        QVERIFY(key->writeInteger(u"Value", 1));
        QVERIFY(!QFileInfo::exists(old));
        QVERIFY(QFileInfo::exists(fresh));
        QVERIFY(QFileInfo::exists(other));
    }

    // The shared file can be read by everyone and its lock taken by the folder's
    // group, whatever the player's umask; a private store stays the player's own.
    void savedFilesGetTheirModeWhateverTheUmask()
    {
        const mode_t before = ::umask(077);
        QVERIFY(Registry(RegistryRoot::Machine, {path("shared.reg"), true}).open(KeyPath));
        ::umask(0);
        QVERIFY(machineStore("private.reg").open(KeyPath));
        ::umask(before);
        // Owner, group and others; not what this user happens to be allowed.
        const auto mode = [&](const char* name) {
            return QFileInfo(path(name)).permissions() & 0x7077;
        };
        using P = QFileDevice;
        QCOMPARE(mode("shared.reg"), P::ReadOwner | P::WriteOwner | P::ReadGroup | P::ReadOther);
        QCOMPARE(mode("shared.reg.lock"),
                 P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup);
        QCOMPARE(mode("private.reg"), P::ReadOwner | P::WriteOwner);
        QCOMPARE(mode("private.reg.lock"), P::ReadOwner | P::WriteOwner);
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
    // rewrites text it would not keep, the file goes aside whole, once.
    void damagedFileReadsWhatIsGoodAndIsCopiedAsideBeforeItHeals()
    {
        const QByteArray damaged =
            "Windows Registry Editor Version 5.00\r\n\x01\xff garbage\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel\r\n"
            "\"fRegInfo\"=hex:01,02,\\\r\n"
            "\"Count\"=dword:0000000z\r\n"
            "\"Kept\"=dword:00000011\r\n";
        writeAll(path("damaged.reg"), damaged);
        auto key = machineStore("damaged.reg").open(KeyPath);
        QVERIFY(key);
        QVERIFY(!key->valueExists(u"fRegInfo"));
        QVERIFY(!key->valueExists(u"Count"));
        QCOMPARE(key->readInteger(u"Kept"), 17);
        QVERIFY(!QFileInfo::exists(path("damaged.reg.damaged")));  // reading changes nothing
        QVERIFY(key->writeInteger(u"Count", 5));
        const QByteArray healed =
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
            "\"Kept\"=dword:00000011\r\n"
            "\"Count\"=dword:00000005\r\n\r\n";
        QCOMPARE(readAll(path("damaged.reg")), healed);
        QCOMPARE(readAll(path("damaged.reg.damaged")), damaged);
        writeAll(path("damaged.reg.damaged"), "kept by the player");
        QVERIFY(key->writeInteger(u"Count", 6));
        QCOMPARE(readAll(path("damaged.reg.damaged")), QByteArray("kept by the player"));
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

    // A shared folder that lost its file is not made again by a save, and the
    // installation's folder is under the installation's state folder.
    void sharedFolderIsNeverMade()
    {
        const Registry shared(RegistryRoot::Machine, {path("gone/vantrel/machine.reg"), true});
        QVERIFY(!shared.open(KeyPath));
        QVERIFY(!QFileInfo::exists(path("gone")));
        QVERIFY(vantrel::sharedStoreFolder().endsWith(QStringLiteral("/games/vantrel")));
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
            QVERIFY2(raw.size() == wholeSize && raw.endsWith("\r\n\r\n"),
                     qPrintable(QString::number(reads)));
            ++reads;
        }
        QVERIFY(writer->state() == QProcess::Running);
        QVERIFY(holdsWholeBigValue(file, bigSize));
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
