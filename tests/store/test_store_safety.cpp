// The store's promises against what can go wrong around it: files another user
// planted, a lock held by another copy, the size limit, the modes of saved files,
// and processes that write at once or die in the middle of a save.

#include "StoreFiles.h"
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

#include <csignal>
#include <thread>

using vantrel::Registry;
using vantrel::RegistryRoot;
using vantrel::StoreLocation;
using vantrel::ValueType;
using namespace vantrel::testing;

class TestStoreSafety : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    Registry machineStore(const QString& name, vantrel::StoreHooks hooks = {}) const
    {
        return Registry(RegistryRoot::Machine, {path(name), false}, std::move(hooks));
    }

private slots:
    void cleanup() { EndCase(this); }

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
    // written or changes mode, nothing hangs, and whatever is not a file of ours with
    // one name reads as an empty store whose writes are refused, saying why: a hard
    // link may be another player's private file, which a save would copy aside.
    void plantedStoreIsNeverFollowed_data() { addPlantedRows(); }
    void plantedStoreIsNeverFollowed()
    {
        QFETCH(int, kind);
        const QString row = QString::number(kind);
        const Victim victim(path("victim" + row));
        plant(Planted(kind), path("planted" + row + ".reg"), victim.path);
        auto key = WithinSeconds(10, "opening a planted store", [&] {
            return machineStore("planted" + row + ".reg").open(KeyPath);
        });
        QVERIFY(key && !key->valueExists(u"fRegInfo"));
        QVERIFY(!WithinSeconds(10, "a save over a planted store", [&] {
            return key->writeBinary(u"fRegInfo", QByteArray(180, 'x'));
        }));
        QVERIFY2(key->refusal().startsWith(path("planted" + row + ".reg: it ")),
                 qPrintable(key->refusal()));
        QVERIFY(victim.untouched());
        QVERIFY(QDir(dir_.path()).entryList({"planted" + row + ".reg.damaged*"}).isEmpty());
        const QFileInfo left(path("planted" + row + ".reg"));
        QCOMPARE(left.isSymLink(),
                 Planted(kind) == Planted::Symlink || Planted(kind) == Planted::DanglingSymlink);
        QCOMPARE(left.isDir(), Planted(kind) == Planted::Folder);
    }

    // The same at the lock's name: a save is refused at once, never waits on a FIFO
    // and never creates or writes a link's target or a second name's file.
    void plantedLockIsNeverFollowed_data() { addPlantedRows(); }
    void plantedLockIsNeverFollowed()
    {
        QFETCH(int, kind);
        const QString row = QString::number(kind);
        const Victim victim(path("victim" + row));
        auto key = machineStore("locked" + row + ".reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"Before", 1));
        QVERIFY(QFile::remove(path("locked" + row + ".reg.lock")));  // replaced by the other user
        plant(Planted(kind), path("locked" + row + ".reg.lock"), victim.path);
        QVERIFY(!WithinSeconds(10, "a save with a planted lock",
                               [&] { return key->writeInteger(u"After", 1); }));
        QVERIFY2(key->refusal().contains("locked" + row + ".reg.lock"), qPrintable(key->refusal()));
        QVERIFY(victim.untouched());
        QVERIFY(!machineStore("locked" + row + ".reg").open(KeyPath)->valueExists(u"After"));
    }

    // Another copy that keeps the lock makes a save wait about two seconds, with the
    // window told, and then refuses it; a lock given up during the wait is taken.
    void busyLockIsWaitedForBrieflyThenRefused()
    {
        QList<bool> waits;
        auto key = machineStore("busy-lock.reg", {[&](bool waiting) { waits << waiting; }, {}})
                       .open(KeyPath);
        QVERIFY(key && key->writeInteger(u"Before", 1));
        const int holder =
            ::open(QFile::encodeName(path("busy-lock.reg.lock")).constData(), O_RDONLY);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX), 0);
        QVERIFY(!WithinSeconds(10, "a save with a busy lock",
                               [&] { return key->writeInteger(u"Held", 1); }));
        QCOMPARE(waits, (QList<bool>{true, false}));
        QCOMPARE(key->refusal(),
                 path("busy-lock.reg") + ": another program holds busy-lock.reg.lock");

        std::thread releaser([holder] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ::close(holder);
        });
        const bool released = WithinSeconds(10, "a save with a lock given up",
                                            [&] { return key->writeInteger(u"Released", 1); });
        releaser.join();
        QVERIFY(released);
        QCOMPARE(waits, (QList<bool>{true, false, true, false}));
    }

    // A copy killed between making its new file and renaming it leaves the file
    // behind under the one name this user's saves write to; the next save replaces it,
    // however many entries another user planted in the folder, and so an empty folder.
    // One that holds something is named in the refusal, for the player to remove.
    void leftoverOfAKilledSaveIsReplacedWhateverIsPlanted()
    {
        auto key = machineStore("tidy.reg").open(KeyPath);
        QVERIFY(key);
        const QString leftover = path(QStringLiteral("tidy.reg.tmp-%1").arg(::geteuid()));
        writeAll(leftover, "left behind");
        for (int i = 0; i < 5000; ++i)
            writeAll(path(QStringLiteral("tidy.reg.tmp-%1x").arg(i)), "");
        QVERIFY(key->writeInteger(u"Value", 1));
        QVERIFY(!QFileInfo::exists(leftover));
        QCOMPARE(QDir(dir_.path()).entryList({"tidy.reg.tmp-*"}).size(), 5000);
        QVERIFY(QDir().mkdir(leftover));
        QVERIFY(key->writeInteger(u"Value", 2) && !QFileInfo::exists(leftover));
        QVERIFY(QDir().mkpath(leftover + "/held"));
        QVERIFY(!key->writeInteger(u"Value", 3));
        QVERIFY(key->refusal().startsWith(leftover + ": this player's folder is in the way"));
    }

    // Each step of a save that a disk can refuse: the old file stays whole, nothing
    // of the new one is left, and the refusal gives the reason in words.
    void failedStepOfASaveLeavesTheOldFileWhole_data()
    {
        using vantrel::fs::SaveStep;
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("write, disk full") << int(SaveStep::Write) << ENOSPC << "the disk is full";
        QTest::newRow("flush, device") << int(SaveStep::Sync) << EIO << "input/output error";
        QTest::newRow("rename, read-only")
            << int(SaveStep::Rename) << EROFS << "the file system is read-only";
        QTest::newRow("lease of another program")
            << -1 << 0 << "another program is using faulty.reg";
    }

    void failedStepOfASaveLeavesTheOldFileWhole()
    {
        QFETCH(int, step);
        QFETCH(int, error);
        QFETCH(QString, reason);
        bool failing = false;
        const auto fault = [&](vantrel::fs::SaveStep at) {
            return failing && int(at) == step ? error : 0;
        };
        auto key = machineStore("faulty.reg", {{}, fault}).open(KeyPath);
        QVERIFY(key && key->writeInteger(u"Value", 1));
        const QByteArray before = readAll(path("faulty.reg"));
        failing = true;
        std::signal(SIGIO, SIG_IGN);  // a lease's holder is told of each open it turns away
        const int lease = ::open(QFile::encodeName(path("faulty.reg")).constData(), O_RDONLY);
        QVERIFY(step >= 0 || ::fcntl(lease, F_SETLEASE, F_WRLCK) == 0);
        const bool saved = key->writeInteger(u"Value", 2);
        ::close(lease);
        QVERIFY(!saved);
        QVERIFY2(key->refusal().endsWith(reason), qPrintable(key->refusal()));
        QCOMPARE(readAll(path("faulty.reg")), before);
        QCOMPARE(QDir(dir_.path()).entryList({"faulty.reg.*"}), QStringList{"faulty.reg.lock"});
    }

    // A private store is read and saved only in a folder that is the player's own:
    // another user's folder, or one others may write to, reads as an empty store whose
    // saves are refused, however good the file in it.
    void privateFolderMustBeThePlayersOwn_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("others may write") << "open-to-all";
        QTest::newRow("another user's") << "foreign";
    }

    void privateFolderMustBeThePlayersOwn()
    {
        QFETCH(QString, folder);
        QString at = path(folder);
        QVERIFY(QDir().mkpath(at));
        if (folder == "open-to-all") {
            QCOMPARE(::chmod(QFile::encodeName(at).constData(), 0777), 0);
        } else if (::geteuid() == 0) {
            QCOMPARE(::chown(QFile::encodeName(at).constData(), 65534, 65534), 0);  // nobody
        } else {
            at = QStringLiteral("/tmp");  // root's, and open to all
        }
        const QString file = at + QStringLiteral("/planted-%1.reg").arg(::getpid());
        const QByteArray planted =
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
            "\"Kept\"=dword:00000011\r\n\r\n";
        writeAll(file, planted);
        const Registry store(RegistryRoot::Machine, {file, false});
        auto key = store.open(KeyPath);
        QVERIFY(key && !key->valueExists(u"Kept"));
        QVERIFY(!key->writeInteger(u"Kept", 1));
        QVERIFY2(key->refusal().contains("is refused"), qPrintable(key->refusal()));
        QCOMPARE(readAll(file), planted);
        QFile::remove(file);
    }

    // The shared file can be read by everyone and its lock taken by the folder's
    // group, whatever the player's umask; a private store stays the player's own.
    void savedFilesGetTheirModeWhateverTheUmask()
    {
        const mode_t before = ::umask(077);
        QVERIFY(Registry(RegistryRoot::Machine, {path("shared.reg"), true})
                    .open(KeyPath)
                    ->writeInteger(u"Value", 1));
        ::umask(0);
        QVERIFY(machineStore("private.reg").open(KeyPath)->writeInteger(u"Value", 1));
        QVERIFY(machineStore("made/here/private.reg").open(KeyPath)->writeInteger(u"Value", 1));
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
        for (const char* made : {"made", "made/here"}) {
            QCOMPARE(mode(made), P::ReadOwner | P::WriteOwner | P::ExeOwner);
        }
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
        // The dead writer's lock does not block the next save, which leaves nothing of
        // the dead one's behind.
        auto key = machineStore("killed.reg").open(KeyPath);
        QVERIFY(key && key->writeInteger(u"After", 1));
        QCOMPARE(QDir(dir_.path()).entryList({"killed.reg*"}),
                 (QStringList{"killed.reg", "killed.reg.lock"}));
    }
};

QTEST_GUILESS_MAIN(TestStoreSafety)
#include "test_store_safety.moc"
