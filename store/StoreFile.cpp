#include "store/StoreFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace vantrel {
namespace {

// The files hold a few hundred bytes; anything this large is not one of ours, and
// refusing it keeps start-up fast and keeps us from rewriting a file we do not know.
constexpr qint64 LargestStoreFile = 16 * 1024 * 1024;
constexpr int LockWaitMilliseconds = 5000;
// Saves hold the lock for a millisecond or so; poll often rather than back off as
// QLockFile's own wait does, or a copy that saves in a loop starves the others.
constexpr unsigned long LockPollMilliseconds = 2;

// A copy writes its process id into the lock file right after creating it. A lock
// file that still says nothing a second later was left by a copy that died in
// between; the lock's own check cannot tell whose it is and would wait for it to
// grow old, so it is removed here.
constexpr qint64 OrphanedLockAgeMilliseconds = 1000;

bool isOrphaned(const QLockFile& lock, const QString& lockPath)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(lockPath);
    return info.exists() &&
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > OrphanedLockAgeMilliseconds;
}

bool acquire(QLockFile& lock, const QString& lockPath)
{
    const QDeadlineTimer deadline(LockWaitMilliseconds);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        if (isOrphaned(lock, lockPath))
            lock.removeStaleLockFile();
        QThread::msleep(LockPollMilliseconds);
    }
    return true;
}

bool save(const QString& filePath, const std::string& text)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void shareWithAllUsers(const QString& filePath)
{
    QFile::setPermissions(filePath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                        | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                        | QFileDevice::WriteOther);
}

}  // namespace

StoreFileContents readStoreFile(const QString& filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return {StoreFileState::Missing, {}};
    QFile file(filePath);
    if (!info.isFile() || info.size() > LargestStoreFile || !file.open(QIODevice::ReadOnly))
        return {StoreFileState::Unreadable, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {StoreFileState::Unreadable, {}};
    return {StoreFileState::Read, RegFile::parse(std::string_view(bytes.constData(), bytes.size()))};
}

std::optional<RegFile> changeStoreFile(const StoreLocation& location, const std::function<void(RegFile&)>& change)
{
    const QString& path = location.filePath;
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return std::nullopt;
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!acquire(lock, lockPath))
        return std::nullopt;
    StoreFileContents current = readStoreFile(path);
    if (current.state == StoreFileState::Unreadable)
        return std::nullopt;
    const std::string before = current.file.serialise();
    change(current.file);
    const std::string after = current.file.serialise();
    if (current.state == StoreFileState::Read && after == before)
        return std::move(current.file);
    if (!save(path, after))
        return std::nullopt;
    if (current.state == StoreFileState::Missing && location.sharedByAllUsers)
        shareWithAllUsers(path);
    return std::move(current.file);
}

}  // namespace vantrel
