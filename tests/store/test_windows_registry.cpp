// The record and the reminder's values in the Windows registry itself, read back with
// the registry's own calls: where an administrator's and a player's saves land, the
// machine's list seen by a player who may not write it, values of the wrong type or
// size, a refused save kept pending and named in the error, and copies taking turns.

#include "TopFiveText.h"
#include "store/HighScoreTable.h"
#include "store/KeptRecord.h"
#include "store/StoreWriteError.h"

#include <windows.h>

#include <sddl.h>

#include <QTest>

#include <thread>

using vantrel::Registry;
using vantrel::RegistryRoot;
using vantrel::StoredRecord;
using vantrel::StoreLocation;
using vantrel::testing::TopFiveText;

namespace {

const StoreLocation Machine{QStringLiteral("HKEY_LOCAL_MACHINE"), true};
const StoreLocation Player{QStringLiteral("HKEY_CURRENT_USER"), false};
const wchar_t* const Key = L"Software\\Vantrel";

// A value as the registry holds it: its type and bytes, or type REG_NONE when missing.
std::pair<DWORD, QByteArray> Raw(HKEY hive, const wchar_t* key, const wchar_t* name)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegGetValueW(hive, key, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return {REG_NONE, {}};
    QByteArray bytes(size, '\0');
    RegGetValueW(hive, key, name, RRF_RT_ANY | RRF_NOEXPAND, &type, bytes.data(), &size);
    return {type, bytes};
}

void Put(HKEY hive, DWORD type, const QByteArray& bytes)
{
    HKEY key = nullptr;
    QCOMPARE(RegCreateKeyExW(hive, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), 0);
    QCOMPARE(RegSetValueExW(key, L"fRegInfo", 0, type,
                            reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()),
             0);
    RegCloseKey(key);
}

QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

void Enter(vantrel::KeptRecord& kept, int total, const char* name)
{
    kept.Save([=](StoredRecord& r) { vantrel::EnterGame(r, total, std::string(name)); });
}

// The machine's key made so that nobody may change its values, as for a player who is
// not an administrator.
void DenyWritingTheMachineKey(bool deny)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        deny ? L"D:(D;;0x6;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
        nullptr));
    HKEY key = nullptr;
    QCOMPARE(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr),
        0);
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
        DenyWritingTheMachineKey(false);
        for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteTreeW(hive, Key);
    }

    // A game's entry lands as 180 bytes of REG_BINARY fRegInfo where the player may
    // write; a player's own list starts from the machine's, which stays as it was.
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
        StoredRecord machine;
        machine.SetRecordDefaults();
        vantrel::EnterGame(machine, 120, std::string("Bob"));
        if (!administrator) Put(HKEY_LOCAL_MACHINE, REG_BINARY, BytesOf(machine));
        vantrel::KeptRecord kept(Registry(RegistryRoot::Machine, administrator ? Machine : Player));
        kept.Load();
        Enter(kept, 150, "Ann");
        const auto [type, bytes] =
            Raw(administrator ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, Key, L"fRegInfo");
        QCOMPARE(type, DWORD(REG_BINARY));
        QCOMPARE(bytes, BytesOf(kept.Record()));
        QTEST(TopFiveText(kept.Record()), "list");
        if (!administrator)
            QCOMPARE(Raw(HKEY_LOCAL_MACHINE, Key, L"fRegInfo").second, BytesOf(machine));
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
        StoredRecord stored;
        stored.SetRecordDefaults();
        vantrel::EnterGame(stored, 90, std::string("Zed"));
        Put(HKEY_LOCAL_MACHINE, type, BytesOf(stored).leftJustified(size, '\0', true));
        vantrel::KeptRecord kept(Registry(RegistryRoot::Machine, Machine));
        kept.Load();
        QTEST(TopFiveText(kept.Record()), "list");
    }

    // The error names the key and why; the entry waits and goes in with the next save.
    void refusedSaveStaysPendingAndNamesTheKey()
    {
        vantrel::KeptRecord kept(Registry(RegistryRoot::Machine, Machine));
        kept.Load();
        DenyWritingTheMachineKey(true);
        QCOMPARE(vantrel::machineStoreLocation().filePath, Player.filePath);
        try {
            Enter(kept, 150, "Ann");
            QFAIL("the refused save was not reported");
        } catch (const vantrel::StoreWriteError& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     "Failed to set data for 'fRegInfo'\n"
                     "HKEY_LOCAL_MACHINE\\Software\\Vantrel: access is denied");
        }
        QCOMPARE(Raw(HKEY_LOCAL_MACHINE, Key, L"fRegInfo").first, DWORD(REG_NONE));
        DenyWritingTheMachineKey(false);
        Enter(kept, 120, "Bob");
        kept.Load();
        QCOMPARE(TopFiveText(kept.Record()), "150 Ann, 120 Bob, 0 None, 0 None, 0 None");
        QCOMPARE(Raw(HKEY_LOCAL_MACHINE, Key, L"fRegInfo").second, BytesOf(kept.Record()));
    }

    // Another copy in the middle of a save: this one waits for it briefly, then refuses.
    void copiesTakeTurnsAndKeepEachOthersEntries()
    {
        vantrel::KeptRecord first(Registry(RegistryRoot::Machine, Machine));
        int waits = 0;
        vantrel::KeptRecord second(Registry(RegistryRoot::Machine, Machine,
                                            {[&](bool waiting) { waits += waiting; }, {}}));
        first.Load();
        second.Load();
        Enter(first, 112, "Ann");
        HANDLE held = CreateMutexW(nullptr, TRUE, L"Global\\Vantrel settings store");
        bool refused = false;
        std::thread other([&] {
            try {
                Enter(second, 128, "Bob");
            } catch (const vantrel::StoreWriteError&) {
                refused = true;
            }
        });
        other.join();
        ReleaseMutex(held);
        CloseHandle(held);
        QVERIFY(refused);
        QCOMPARE(waits, 1);
        second.SavePendingChanges();
        QCOMPARE(TopFiveText(second.Record()), "128 Bob, 112 Ann, 0 None, 0 None, 0 None");
    }
};

QTEST_GUILESS_MAIN(WindowsRegistryTest)
#include "test_windows_registry.moc"
