#pragma once

// Both settings stores in a private folder, so no test reads or writes the real ones.
#include <QTemporaryDir>
#include <QtGlobal>

namespace vantrel::testing {

inline void UsePrivateStores(const QTemporaryDir& folder)
{
    qputenv("VANTREL_MACHINE_STORE", folder.filePath(QStringLiteral("machine.reg")).toLocal8Bit());
    qputenv("VANTREL_USER_STORE", folder.filePath(QStringLiteral("user.reg")).toLocal8Bit());
}

}  // namespace vantrel::testing
