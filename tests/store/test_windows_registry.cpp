// The record in the Windows registry, read back with its own calls: where saves land,
// values of the wrong type or size, a refused save kept pending and named in the error.

#include "TopFiveText.h"
#include "store/HighScoreTable.h"
#include "store/KeptRecord.h"
#include "store/StoreWriteError.h"

#include <windows.h>

#include <sddl.h>

#include <QTest>
#include <thread>

namespace {

using namespace vantrel;
using vantrel::testing::TopFiveText;

const StoreLocation Machine{QStringLiteral("HKEY_LOCAL_MACHINE"), true};
const StoreLocation Player{QStringLiteral("HKEY_CURRENT_USER"), false};
const wchar_t* const Key = L"Software\\Vantrel";

// fRegInfo as the registry holds it: its type and bytes, REG_NONE when missing.
std::pair<DWORD, QByteArray> Stored(HKEY hive)
{
    DWORD type = REG_NONE, size = 1024;
    QByteArray bytes(size, '\0');
    if (RegGetValueW(hive, Key, L"fRegInfo", RRF_RT_ANY, &type, bytes.data(), &size) != 0)
        return {REG_NONE, {}};
    return {type, bytes.left(size)};
}

void Put(HKEY hive, DWORD type, const QByteArray& bytes)
{
    QCOMPARE(RegSetKeyValueW(hive, Key, L"fRegInfo", type, bytes.constData(), bytes.size()), 0);
}

QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

QByteArray RecordWith(int total, const char* name)
{
    StoredRecord record;
    record.SetRecordDefaults();
    EnterGame(record, total, std::string(name));
    return BytesOf(record);
}

void Enter(KeptRecord& kept, int total, const char* name)
{
    kept.Save([=](StoredRecord& r) { EnterGame(r, total, std::string(name)); });
}

// Nobody may change the machine key's values, as for one not an administrator; or all may.
void MakeMachineKeyWritable(bool writable)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(
        writable ? L"D:(A;;KA;;;WD)" : L"D:(D;;0x6;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
        nullptr);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr);
    QCOMPARE(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), 0);
    RegCloseKey(key);
    LocalFree(descriptor);
}

}  // namespace

class WindowsRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MakeMachineKeyWritable(true);
        for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteTreeW(hive, Key);
    }

    // A game's entry lands as 180 bytes of REG_BINARY where the player may write; a
    // player's own list starts from the machine's, which stays as it was.
    void finishedGameIsStoredWhereThePlayerMayWrite_data()
    {
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<QString>("list");
        QTest::newRow("administrator") << true << "150 Ann, 0 None, 0 None, 0 None, 0 None";
        QTest::newRow("player") << false << "150 Ann, 120 Bob, 0 None, 0 None, 0 None";
    }
    void finishedGameIsStoredWhereThePlayerMayWrite()
    {
        QFETCH(bool, administrator);
        const QByteArray machine = RecordWith(120, "Bob");
        if (!administrator) Put(HKEY_LOCAL_MACHINE, REG_BINARY, machine);
        KeptRecord kept(Registry(RegistryRoot::Machine, administrator ? Machine : Player));
        kept.Load();
        if (administrator) {  // asking where the record goes and loading it make no key
            HKEY made = nullptr;
            QCOMPARE(machineStoreLocation().filePath, Machine.filePath);
            QCOMPARE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, Key, 0, KEY_READ, &made),
                     LSTATUS(ERROR_FILE_NOT_FOUND));
        }
        Enter(kept, 150, "Ann");
        QTEST(TopFiveText(kept.Record()), "list");
        const HKEY own = administrator ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        QCOMPARE(Stored(own), std::make_pair(DWORD(REG_BINARY), BytesOf(kept.Record())));
        if (!administrator) QCOMPARE(Stored(HKEY_LOCAL_MACHINE).second, machine);
    }

    void valueOfTheWrongTypeOrSizeGivesTheDefaults_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("list");
        const QString defaults = "0 None, 0 None, 0 None, 0 None, 0 None";
        QTest::newRow("string") << int(REG_SZ) << 180 << defaults;
        QTest::newRow("dword") << int(REG_DWORD) << 4 << defaults;
        QTest::newRow("181 bytes") << int(REG_BINARY) << 181 << defaults;
        QTest::newRow("180 bytes")
            << int(REG_BINARY) << 180 << "90 Zed, 0 None, 0 None, 0 None, 0 None";
    }
    void valueOfTheWrongTypeOrSizeGivesTheDefaults()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        Put(HKEY_LOCAL_MACHINE, type, RecordWith(90, "Zed").leftJustified(size, '\0', true));
        KeptRecord kept(Registry(RegistryRoot::Machine, Machine));
        kept.Load();
        QTEST(TopFiveText(kept.Record()), "list");
    }

    // The error names the key and why; the entry waits and goes in with the next save.
    void refusedSaveStaysPendingAndNamesTheKey_data()
    {
        QTest::addColumn<bool>("anotherCopySaving");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a key the player may not write") << false << "access is denied";
        QTest::newRow("another copy saving") << true << "another program holds the store";
    }
    void refusedSaveStaysPendingAndNamesTheKey()
    {
        QFETCH(bool, anotherCopySaving);
        KeptRecord kept(Registry(RegistryRoot::Machine, Machine));
        kept.Load();
        const HANDLE otherCopy =
            anotherCopySaving ? CreateMutexW(nullptr, TRUE, L"Global\\Vantrel settings store")
                              : nullptr;
        if (!anotherCopySaving) {
            MakeMachineKeyWritable(false);
            QCOMPARE(machineStoreLocation().filePath, Player.filePath);
        }
        QString error;
        // From a thread of its own, which the mutex this one holds keeps waiting.
        std::thread([&] {
            try {
                Enter(kept, 150, "Ann");
            } catch (const StoreWriteError& refused) {
                error = QString::fromUtf8(refused.what());
            }
        }).join();
        if (otherCopy != nullptr) {
            ReleaseMutex(otherCopy);
            CloseHandle(otherCopy);
        }
        QTEST(error.section(": ", 1), "reason");
        QCOMPARE(error.section(": ", 0, 0),
                 "Failed to set data for 'fRegInfo'\nHKEY_LOCAL_MACHINE\\Software\\Vantrel");
        QCOMPARE(Stored(HKEY_LOCAL_MACHINE).first, DWORD(REG_NONE));
        MakeMachineKeyWritable(true);
        Enter(kept, 120, "Bob");
        QCOMPARE(TopFiveText(kept.Record()), "150 Ann, 120 Bob, 0 None, 0 None, 0 None");
        QCOMPARE(Stored(HKEY_LOCAL_MACHINE).second, BytesOf(kept.Record()));
    }
};

QTEST_GUILESS_MAIN(WindowsRegistryTest)
#include "test_windows_registry.moc"
