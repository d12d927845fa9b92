#include "store/StorePaths.h"

#include "store/FileSystem.h"

#include <QDir>
#include <QFile>

namespace vantrel {
namespace {

// Set by the build from the installation's directories (GNUInstallDirs).
constexpr const char* InstalledSharedFolder = VANTREL_SHARED_STORE_FOLDER;

const QString StoreFileName = QStringLiteral("machine.reg");

QString xdgBase(const char* variable, const QString& defaultBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    return QDir::homePath() + QLatin1Char('/') + defaultBelowHome;
}

}  // namespace

QString sharedStoreFolder() { return QString::fromLocal8Bit(InstalledSharedFolder); }

StoreLocation machineStoreLocation(const QString& sharedFolder)
{
    const QString overridden = qEnvironmentVariable(MachineStoreVariable);
    if (!overridden.isEmpty()) return {overridden, false};
    if (fs::folderIsWritable(QFile::encodeName(sharedFolder).toStdString()))
        return {sharedFolder + QLatin1Char('/') + StoreFileName, true};
    return {xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/vantrel/") +
                StoreFileName,
            false};
}

StoreLocation machineStoreLocation() { return machineStoreLocation(sharedStoreFolder()); }

StoreLocation userStoreLocation()
{
    const QString overridden = qEnvironmentVariable(UserStoreVariable);
    if (!overridden.isEmpty()) return {overridden, false};
    return {
        xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/vantrel/user.reg"),
        false};
}

}  // namespace vantrel
