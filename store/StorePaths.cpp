#include "store/StorePaths.h"

#include <QDir>
#include <QFileInfo>

namespace vantrel {
namespace {

const QString SystemWideMachineFile = QStringLiteral("/var/lib/vantrel/machine.reg");

QString xdgBase(const char* variable, const QString& defaultBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + QLatin1Char('/') + defaultBelowHome;
}

}  // namespace

bool canCreateOrWrite(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (file.exists() && !(file.isFile() && file.isWritable()))
        return false;
    // A save replaces the file by a new one made in the same folder, so a writable
    // file in a folder that is not writable cannot be saved either.
    const QString folder = file.absolutePath();
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

StoreLocation machineStoreLocation(const QString& systemWideFile)
{
    const QString overridden = qEnvironmentVariable(MachineStoreVariable);
    if (!overridden.isEmpty())
        return {overridden, false};
    if (canCreateOrWrite(systemWideFile))
        return {systemWideFile, true};
    return {xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/vantrel/machine.reg"), false};
}

StoreLocation machineStoreLocation()
{
    return machineStoreLocation(SystemWideMachineFile);
}

StoreLocation userStoreLocation()
{
    const QString overridden = qEnvironmentVariable(UserStoreVariable);
    if (!overridden.isEmpty())
        return {overridden, false};
    return {xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/vantrel/user.reg"), false};
}

}  // namespace vantrel
