// Loading and saving the record against a store file: the first run, accepted and
// refused values, the partial copy of a shorter value, spare bytes kept, and the two
// store failures (a key that cannot be opened, a write refused after it opened).

#include "TopFiveText.h"
#include "store/HighScoreTable.h"
#include "store/KeptRecord.h"
#include "store/RecordStore.h"
#include "store/StoreWriteError.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

using vantrel::RecordLoad;
using vantrel::Registry;
using vantrel::RegistryRoot;
using vantrel::StoredRecord;
using vantrel::ValueType;

using vantrel::testing::TopFiveText;

namespace {

const QString Value = QStringLiteral("fRegInfo");

Registry MachineAt(const QString& file)
{
    return Registry(RegistryRoot::Machine, vantrel::StoreLocation{file, false});
}

void Put(const Registry& machine, ValueType type, const QByteArray& bytes)
{
    auto key = machine.open(vantrel::RecordKeyPath);
    QVERIFY(key);
    QVERIFY(key->writeValue(Value, type, bytes));
}

std::optional<QByteArray> Stored(const Registry& machine)
{
    auto key = machine.openExisting(vantrel::RecordKeyPath);
    return key ? key->readBytes(Value) : std::nullopt;
}

QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

// A full record as another installation might have left it: every byte set.
QByteArray ForeignRecord()
{
    StoredRecord record;
    std::fill(record.bytes().begin(), record.bytes().end(), std::uint8_t{0x5A});
    record.SetTag("Other9");
    record.SetPlayRegGame(0);
    record.SetLargeCards(1);
    for (int entry = 1; entry <= 5; ++entry) {
        record.SetTopName(entry, "Player" + std::to_string(entry));
        record.SetTopScore(entry, 200 - 10 * entry);
    }
    record.SetLastName("Player1");
    return BytesOf(record);
}

void Update(const Registry& machine, StoredRecord& record, const vantrel::RecordChange& change)
{
    try {
        vantrel::UpdateStoredRecord(machine, record, change);
    } catch (const vantrel::StoreWriteError&) {
        QFAIL("the save was refused");
    }
}

void KeepAsItIs(StoredRecord&) {}

bool IsDefaults(const StoredRecord& record)
{
    bool list = true;
    for (int entry = 1; entry <= 5; ++entry) {
        list = list && record.TopScore(entry) == 0 && record.TopName(entry) == "None";
    }
    return list && record.Tag() == "Vantrel5" && record.PlayRegGame() == 1 &&
           record.LargeCards() == 0 && record.AltColors() == 0;
}

}  // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QString::number(++count_) + ".reg");
    }

    void firstRunLoadsTheDefaultsAndWritesNothing()
    {
        const Registry machine = MachineAt(file_);
        StoredRecord record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Defaults);
        QVERIFY(IsDefaults(record));
        QCOMPARE(record.LastName(), std::string("Please enter your name!"));
        QVERIFY(!QFile::exists(file_));
        // Start-up loads twice; the second load keeps what the first set.
        record.SetLastName("Kim");
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Defaults);
        QCOMPARE(record.LastName(), std::string("Kim"));
    }

    void saveWritesTheWholeRecordAsBinary()
    {
        const Registry machine = MachineAt(file_);
        StoredRecord record;
        vantrel::LoadStoredRecord(machine, record);
        Update(machine, record, [](StoredRecord& r) { r.SetTopScore(1, 190); });
        QCOMPARE(record.TopScore(1), 190);
        const auto key = machine.openExisting(u"software\\vantrel");
        QVERIFY(key);
        QCOMPARE(key->valueInfo(Value)->type, ValueType::Binary);
        QCOMPARE(*key->readBytes(Value), BytesOf(record));
        QFile text(file_);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray contents = text.readAll();
        QVERIFY(contents.contains("[HKEY_LOCAL_MACHINE\\Software\\Vantrel]"));
        QVERIFY(contents.contains("\"fRegInfo\"=hex:08,56,61,6e,74,72,65,6c,35,00,00,01,00,"));
    }

    void foreignTagIsLoadedAndSavedBackUnchanged()
    {
        const Registry machine = MachineAt(file_);
        Put(machine, ValueType::Binary, ForeignRecord());
        StoredRecord record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Overlaid);
        QCOMPARE(record.Tag(), std::string("Other9"));
        QCOMPARE(record.TopName(2), std::string("Player2"));
        Update(machine, record, KeepAsItIs);
        QCOMPARE(*Stored(machine), ForeignRecord());
    }

    void spareBytesAreWrittenBackAsRead()
    {
        const Registry machine = MachineAt(file_);
        StoredRecord brought;
        brought.SetRecordDefaults();
        brought.bytes()[9] = 0x91;
        brought.bytes()[10] = 0xA0;
        brought.bytes()[14] = 0xE4;
        brought.bytes()[15] = 0xFF;
        Put(machine, ValueType::Binary, BytesOf(brought));
        StoredRecord record;
        vantrel::LoadStoredRecord(machine, record);
        // Rewrites the tag, never its spare bytes.
        Update(machine, record, [](StoredRecord& r) { r.SetRecordDefaults(); });
        const QByteArray stored = *Stored(machine);
        QCOMPARE(quint8(stored[9]), quint8(0x91));
        QCOMPARE(quint8(stored[10]), quint8(0xA0));
        QCOMPARE(quint8(stored[14]), quint8(0xE4));
        QCOMPARE(quint8(stored[15]), quint8(0xFF));
    }

    void shorterValueReplacesOnlyItsOwnBytes()
    {
        const Registry machine = MachineAt(file_);
        const QByteArray full = ForeignRecord();
        Put(machine, ValueType::Binary, full.left(100));
        StoredRecord record;  // all zero, as at start-up
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Overlaid);
        QCOMPARE(BytesOf(record).left(100), full.left(100));
        QCOMPARE(BytesOf(record).mid(100), QByteArray(80, '\0'));
        QCOMPARE(record.TopName(2), std::string("Player2"));
        // Entry 3's field starts at byte 84: its text is there, the rest of it is zero.
        QCOMPARE(record.TopName(3), std::string("Player3"));
        QCOMPARE(record.TopScore(5), 150);
        QCOMPARE(record.TopName(4), std::string());
        QCOMPARE(record.TopName(5), std::string());
        QCOMPARE(record.LastName(), std::string());
    }

    void shorterValueCutsIntoTheNameItEndsIn()
    {
        const Registry machine = MachineAt(file_);
        StoredRecord source;
        source.SetTopName(3, "ABCDEFGHIJKLMNOPQRSTUVW");  // bytes 85..107
        Put(machine, ValueType::Binary, BytesOf(source).left(100));
        StoredRecord record;
        vantrel::LoadStoredRecord(machine, record);
        // The length byte still says 23; only the first 15 characters came with it.
        QCOMPARE(record.TopName(3), std::string("ABCDEFGHIJKLMNO") + std::string(8, '\0'));
    }

    void emptyValueChangesNothing()
    {
        const Registry machine = MachineAt(file_);
        Put(machine, ValueType::Binary, QByteArray());
        StoredRecord record;
        record.SetLastName("Kim");
        record.SetTopScore(2, 5);
        const StoredRecord before = record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Overlaid);
        QVERIFY(record.bytes() == before.bytes());
    }

    void refusedValuesGiveTheDefaults_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray full = ForeignRecord();
        QTest::newRow("181 bytes") << int(ValueType::Binary) << (full + 'x');
        QTest::newRow("string") << int(ValueType::String) << full;
        QTest::newRow("expandable string") << int(ValueType::ExpandString) << full.left(40);
        QTest::newRow("32-bit integer") << int(ValueType::Dword) << QByteArray(4, '\x01');
    }

    void refusedValuesGiveTheDefaults()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        const Registry machine = MachineAt(file_);
        Put(machine, ValueType(type), bytes);
        StoredRecord record;
        record.SetLastName("Kim");
        record.SetTopScore(1, 77);
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Defaults);
        QVERIFY(IsDefaults(record));
        QCOMPARE(record.LastName(), std::string("Kim"));
    }

    void otherTypesAreTakenAsBytes()
    {
        const Registry machine = MachineAt(file_);
        Put(machine, ValueType::MultiString, ForeignRecord());
        StoredRecord record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Overlaid);
        QCOMPARE(BytesOf(record), ForeignRecord());
    }

    // A store that cannot be read at all gives the defaults; a save that cannot be
    // made is reported like a refused one, and the change lives on in memory.
    void storeThatCannotBeReadGivesTheDefaultsAndReportsTheSave()
    {
        // A regular file where the store's folder should be: no folder can be made
        // there, whoever runs the test.
        QFile blocker(dir_.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString file = blocker.fileName() + "/machine.reg";
        const Registry machine = MachineAt(file);
        StoredRecord record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Defaults);
        QVERIFY(IsDefaults(record));
        QVERIFY_THROWS_EXCEPTION(vantrel::StoreWriteError,
                                 vantrel::UpdateStoredRecord(machine, record, [](StoredRecord& r) {
                                     r.SetTopScore(1, 10);
                                 }));
        QCOMPARE(record.TopScore(1), 10);
        QVERIFY(!QFile::exists(file));
    }

    void writeRefusedAfterTheKeyOpenedThrowsAndKeepsTheFile()
    {
        const Registry machine = MachineAt(file_);
        Put(machine, ValueType::Binary, ForeignRecord());
        // A folder in place of the store's lock file: the key still opens and reads,
        // but no write can take the lock.
        QFile::remove(file_ + ".lock");
        QVERIFY(QDir().mkdir(file_ + ".lock"));
        StoredRecord record;
        QCOMPARE(vantrel::LoadStoredRecord(machine, record), RecordLoad::Overlaid);
        try {
            vantrel::UpdateStoredRecord(machine, record,
                                        [](StoredRecord& r) { r.SetTopScore(1, 999); });
            QFAIL("the refused write was not reported");
        } catch (const vantrel::StoreWriteError& error) {
            // The second line names the file and why: here, the lock is no file.
            QCOMPARE(QString::fromUtf8(error.what()),
                     "Failed to set data for 'fRegInfo'\n" + file_ + ": " +
                         QFileInfo(file_).fileName() + ".lock is not a regular file of one name");
        }
        QCOMPARE(record.TopScore(1), 999);
        QCOMPARE(*Stored(machine), ForeignRecord());
    }

    // A change the store refused stays pending: the record shows it, every load makes
    // it again on what is stored then (another copy's entry included), and the next
    // save that succeeds stores it with its own change, once.
    void refusedChangesStayPendingUntilASaveSucceeds()
    {
        bool diskFull = true;
        vantrel::KeptRecord kept(Registry(RegistryRoot::Machine, {file_, false},
                                          {{}, [&](auto) { return diskFull ? ENOSPC : 0; }}));
        kept.Load();
        QVERIFY_THROWS_EXCEPTION(vantrel::StoreWriteError, kept.Save([](StoredRecord& r) {
            vantrel::EnterGame(r, 112, std::string("Ann"));
        }));
        StoredRecord other;
        vantrel::LoadStoredRecord(MachineAt(file_), other);
        Update(MachineAt(file_), other,
               [](StoredRecord& r) { vantrel::EnterGame(r, 128, std::string("Bob")); });
        for (int load = 0; load < 2; ++load) kept.Load();
        QCOMPARE(TopFiveText(kept.Record()), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        QVERIFY(kept.HasPendingChanges());

        diskFull = false;
        kept.Save([](StoredRecord& r) { r.SetLargeCards(1); });
        kept.SavePendingChanges();
        kept.Load();
        StoredRecord stored;
        vantrel::LoadStoredRecord(MachineAt(file_), stored);
        QVERIFY(!kept.HasPendingChanges());
        QCOMPARE(TopFiveText(stored), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        QCOMPARE(BytesOf(kept.Record()), BytesOf(stored));
        QCOMPARE(int(stored.LargeCards()), 1);
    }

    // Copies of the game that loaded the list at the same time: each save adds its
    // own part to the record as the store holds it, so nobody's entry is lost.
    void copiesMergeTheirChangesIntoWhatIsStored()
    {
        const Registry machine = MachineAt(file_);
        StoredRecord first;
        StoredRecord second;
        StoredRecord idle;
        for (StoredRecord* copy : {&first, &second, &idle}) {
            vantrel::LoadStoredRecord(machine, *copy);
        }
        Update(machine, first,
               [](StoredRecord& r) { vantrel::EnterGame(r, 112, std::string("Ann")); });
        Update(machine, second,
               [](StoredRecord& r) { vantrel::EnterGame(r, 128, std::string("Bob")); });
        QCOMPARE(TopFiveText(second), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        // Quit stores its flags and nothing else of what it loaded long ago.
        Update(machine, idle, [](StoredRecord& r) { r.SetLargeCards(1); });
        StoredRecord stored;
        vantrel::LoadStoredRecord(machine, stored);
        QCOMPARE(TopFiveText(stored), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        QCOMPARE(stored.LastName(), std::string("Bob"));
        QCOMPARE(int(stored.LargeCards()), 1);
        // A reset clears the list as stored now, and keeps the rest of what is stored.
        Update(machine, first, vantrel::ClearTopScores);
        vantrel::LoadStoredRecord(machine, stored);
        QCOMPARE(TopFiveText(stored), QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QCOMPARE(stored.LastName(), std::string("Bob"));
        QCOMPARE(int(stored.LargeCards()), 1);
    }

    // Game copies in processes of their own, entering scores at the same time, round
    // after round: every entry ends up in the list, each under its own name.
    void twoProcessesEnteringScoresKeepEveryEntry()
    {
        for (int round = 0; round < 25; ++round) {
            const QString file = dir_.filePath(QStringLiteral("race%1.reg").arg(round));
            QProcess a;
            QProcess b;
            a.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            b.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            a.start(QStringLiteral(VANTREL_STORE_WRITER), {file, "entries", "A", "11", "13"});
            b.start(QStringLiteral(VANTREL_STORE_WRITER), {file, "entries", "B", "12", "14"});
            QVERIFY(a.waitForFinished(30000) && b.waitForFinished(30000));
            QCOMPARE(a.exitCode(), 0);
            QCOMPARE(b.exitCode(), 0);
            StoredRecord stored;
            vantrel::LoadStoredRecord(MachineAt(file), stored);
            QCOMPARE(TopFiveText(stored), QString("14 B14, 13 A13, 12 B12, 11 A11, 0 None"));
        }
    }

private:
    QTemporaryDir dir_;
    QString file_;
    int count_ = 0;
};

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "test_recordstore.moc"
