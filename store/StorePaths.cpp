#include "store/StorePaths.h"

#include "store/FileSystem.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace vantrel {
namespace {

// Set by the build from the installation's directories (GNUInstallDirs).
constexpr const char* InstalledSharedFolder = VANTREL_SHARED_STORE_FOLDER;

const QString StoreFileName = QStringLiteral("machine.reg");

const QString NoHome = QStringLiteral(
    "no home folder is known for this user: HOME is not an absolute path and the password "
    "database names none");

// The folder an XDG variable names, or its default below the home folder; empty
// when neither is known.
QString xdgBase(const char* variable, const QString& defaultBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : QDir::cleanPath(home + QLatin1Char('/') + defaultBelowHome);
}

StoreLocation privateLocation(const QString& base, const QString& belowBase)
{
    if (base.isEmpty()) return {QString(), false, NoHome};
    return {base + belowBase, false};
}

QString passwordDatabaseHome()
{
    const passwd* entry = ::getpwuid(::geteuid());
    return entry != nullptr && entry->pw_dir != nullptr ? QFile::decodeName(entry->pw_dir)
                                                        : QString();
}

}  // namespace

QString sharedStoreFolder() { return QString::fromLocal8Bit(InstalledSharedFolder); }

QString homeFolderFrom(const QString& homeVariable, const std::function<QString()>& passwordHome)
{
    if (!homeVariable.isEmpty() && QDir::isAbsolutePath(homeVariable))
        return QDir::cleanPath(homeVariable);
    const QString fromDatabase = passwordHome ? passwordHome() : QString();
    if (!fromDatabase.isEmpty() && QDir::isAbsolutePath(fromDatabase))
        return QDir::cleanPath(fromDatabase);
    return {};
}

QString homeFolder() { return homeFolderFrom(qEnvironmentVariable("HOME"), passwordDatabaseHome); }

StoreLocation machineStoreLocation(const QString& sharedFolder)
{
    const QString overridden = qEnvironmentVariable(MachineStoreVariable);
    if (!overridden.isEmpty()) return {overridden, false};
    if (fs::folderIsWritable(QFile::encodeName(sharedFolder).toStdString()))
        return {sharedFolder + QLatin1Char('/') + StoreFileName, true};
    return privateLocation(xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")),
                           QStringLiteral("/vantrel/") + StoreFileName);
}

StoreLocation machineStoreLocation() { return machineStoreLocation(sharedStoreFolder()); }

StoreLocation userStoreLocation()
{
    const QString overridden = qEnvironmentVariable(UserStoreVariable);
    if (!overridden.isEmpty()) return {overridden, false};
    return privateLocation(xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")),
                           QStringLiteral("/vantrel/user.reg"));
}

}  // namespace vantrel
