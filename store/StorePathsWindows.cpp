// Where the settings store's two roots are kept on Windows: in the registry. The
// machine's record lies under HKEY_LOCAL_MACHINE, shared by the players of the machine,
// when this player may write there (an administrator); a player who may not keeps
// their own under HKEY_CURRENT_USER, through which the machine's shows until then.
// The user root is HKEY_CURRENT_USER.
#include "store/RecordStore.h"
#include "store/StorePaths.h"

#include <windows.h>

#include <string>

namespace vantrel {

namespace {

// Whether this player may keep the record below HKEY_LOCAL_MACHINE: may change the
// key's values, or, before the first save made it, make the key. Only asks, as the
// record's load never makes nor changes anything.
bool MayWriteMachineKey(const std::wstring& below)
{
    HKEY key = nullptr;
    LSTATUS opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, below.c_str(), 0, KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND) {
        const std::wstring parent = below.substr(0, below.rfind(L'\\'));
        opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, parent.c_str(), 0, KEY_CREATE_SUB_KEY, &key);
    }
    if (opened != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

}  // namespace

StoreLocation machineStoreLocation()
{
    const std::wstring below =
        QString::fromUtf16(RecordKeyPath).section(QLatin1Char('\\'), 1).toStdWString();
    if (MayWriteMachineKey(below)) {
        return {QStringLiteral("HKEY_LOCAL_MACHINE"), true};
    }
    return {QStringLiteral("HKEY_CURRENT_USER"), false};
}

StoreLocation userStoreLocation() { return {QStringLiteral("HKEY_CURRENT_USER"), false}; }

}  // namespace vantrel
