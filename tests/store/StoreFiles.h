#pragma once

// Store files as the store suites meet them: reading and writing them whole, what
// another user can plant in a shared folder, and the writer program that saves from
// a process of its own.

#include "store/RegFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

namespace vantrel::testing {

inline constexpr auto KeyPath = u"\\Software\\Vantrel";

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline vantrel::RegFile parseFile(const QString& path)
{
    const QByteArray raw = readAll(path);
    return vantrel::RegFile::parse(std::string_view(raw.constData(), raw.size()));
}

// What the writer program leaves after any number of whole saves: "Keep" as written
// first, and "Big" complete, every byte from the same round.
inline bool holdsWholeBigValue(const QString& file, qsizetype bigSize)
{
    const vantrel::RegFile parsed = parseFile(file);
    const vantrel::RegKey* key = parsed.findKey("HKLM\\Software\\Vantrel");
    if (!key || !key->findValue("Keep") || !key->findValue("Big")) return false;
    const auto& big = key->findValue("Big")->data;
    return key->findValue("Keep")->data == std::vector<std::uint8_t>{0x87, 0xd6, 0x12, 0x00} &&
           qsizetype(big.size()) == bigSize &&
           std::all_of(big.begin(), big.end(), [&](std::uint8_t b) { return b == big.front(); });
}

// What another user of the machine can leave in a folder both may write to.
enum class Planted { Symlink, DanglingSymlink, HardLink, Fifo, Folder };

inline void plant(Planted kind, const QString& at, const QString& victim)
{
    const QByteArray path = QFile::encodeName(at);
    switch (kind) {
        case Planted::Symlink:
            QVERIFY(QFile::link(victim, at));
            break;
        case Planted::DanglingSymlink:
            QVERIFY(QFile::link(victim + ".never", at));
            break;
        case Planted::HardLink:
            QCOMPARE(::link(QFile::encodeName(victim).constData(), path.constData()), 0);
            break;
        case Planted::Fifo:
            QCOMPARE(::mkfifo(path.constData(), 0666), 0);
            break;
        case Planted::Folder:
            QVERIFY(QDir().mkdir(at));
            break;
    }
}

inline void addPlantedRows()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("link to a file of the player") << int(Planted::Symlink);
    QTest::newRow("dangling link") << int(Planted::DanglingSymlink);
    QTest::newRow("hard link to a file of the player") << int(Planted::HardLink);
    QTest::newRow("FIFO") << int(Planted::Fifo);
    QTest::newRow("folder") << int(Planted::Folder);
}

// A file of the player's outside the store, which no planted name may reach.
struct Victim {
    QString path;
    QByteArray bytes = "the player's own file\n";
    QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;

    explicit Victim(const QString& at) : path(at)
    {
        writeAll(path, bytes);
        QFile::setPermissions(path, permissions);
    }
    bool untouched() const
    {
        return readAll(path) == bytes && (QFileInfo(path).permissions() & 0x7077) == permissions &&
               !QFileInfo::exists(path + ".never");
    }
};

inline QProcess* startWriter(QObject* parent, const QStringList& arguments)
{
    auto* process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(VANTREL_STORE_WRITER), arguments);
    return process;
}

// After each case: the writer programs it started end, and the store variables go.
inline void EndCase(QObject* suite)
{
    for (QProcess* writer : suite->findChildren<QProcess*>()) {
        writer->kill();
        writer->waitForFinished();
        delete writer;
    }
    qunsetenv("VANTREL_MACHINE_STORE");
    qunsetenv("VANTREL_USER_STORE");
    qunsetenv("TZ");  // and a time zone the case chose
}

// Runs work on a thread of its own and waits for it at most seconds: a store call that
// would wait without bound (a FIFO opened for reading, a lock waited for forever) ends
// the suite with a message instead of hanging it until the run's time limit.
template <typename Work>
auto WithinSeconds(int seconds, const char* what, Work work) -> decltype(work())
{
    std::packaged_task<decltype(work())()> task(std::move(work));
    auto result = task.get_future();
    std::thread worker(std::move(task));
    if (result.wait_for(std::chrono::seconds(seconds)) != std::future_status::ready) {
        qFatal("%s did not finish within %d s", what, seconds);  // the worker is stuck
    }
    worker.join();
    return result.get();
}

}  // namespace vantrel::testing
