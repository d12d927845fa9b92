// How long reading a store file takes in the shapes that once made reading slow, at
// the largest size a store file may have: the file read from disk and parsed, as at
// start-up, the median of many runs. Anyone who may write the shared folder can leave
// such a file, so this stays well under 100 ms.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "AdversarialStoreFiles.h"
#include "store/StoreFile.h"

namespace {

constexpr int Runs = 25;

double MedianReadMilliseconds(const QString& path)
{
    std::vector<double> millis;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const vantrel::StoreFileContents contents = vantrel::readStoreFile({path, false});
        millis.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (contents.state != vantrel::StoreFileState::Read || contents.file.keys().empty()) {
            std::fprintf(stderr, "store_read_benchmark: %s was not read\n", qPrintable(path));
            return -1;
        }
    }
    std::sort(millis.begin(), millis.end());
    return millis[millis.size() / 2];
}

bool Write(const QString& path, const std::string& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}

}  // namespace

int main()
{
    QTemporaryDir dir;
    const auto size = static_cast<std::size_t>(vantrel::LargestStoreFile);
    int keys = 0;
    int values = 0;
    int rounds = 0;
    const QString longPath = dir.filePath(QStringLiteral("long-key-path.reg"));
    const QString sameName = dir.filePath(QStringLiteral("same-name.reg"));
    if (!dir.isValid() ||
        !Write(longPath, vantrel::testing::LongKeyPathStoreFile(size, keys, values)) ||
        !Write(sameName, vantrel::testing::SameNameStoreFile(size, rounds))) {
        std::fprintf(stderr, "store_read_benchmark: cannot write the files\n");
        return 1;
    }
    const double first = MedianReadMilliseconds(longPath);
    const double second = MedianReadMilliseconds(sameName);
    std::printf("%zu-byte files, median of %d reads:\n", size, Runs);
    std::printf("  %d keys, the last with a %zu-byte path and %d values: %.1f ms\n", keys, size / 4,
                values, first);
    std::printf("  one value name written %d times: %.1f ms\n", rounds + 1, second);
    return first < 0 || second < 0 ? 1 : 0;
}
