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

StoreLocation machineStoreLocation()
{
    // Opening the key as the record's load and save do, made when missing.
    const std::wstring below =
        QString::fromUtf16(RecordKeyPath).section(QLatin1Char('\\'), 1).toStdWString();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, below.c_str(), 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return {QStringLiteral("HKEY_LOCAL_MACHINE"), true};
    }
    return {QStringLiteral("HKEY_CURRENT_USER"), false};
}

StoreLocation userStoreLocation() { return {QStringLiteral("HKEY_CURRENT_USER"), false}; }

}  // namespace vantrel
