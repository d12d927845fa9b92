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

QTEST_GUILESS_MAIN(TestStoreSafety)
#include "test_store_safety.moc"
