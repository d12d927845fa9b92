#pragma once

// The record commands through a real window: both stores in a private folder, the
// desktop faked, and the few things the record suites do to the store and the window.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

#include "FakeDesktop.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "store/RecordStore.h"

namespace vantrel::testing {

inline const QString RecordValue = QStringLiteral("fRegInfo");

inline Registry MachineAt(const QString& file)
{
    return Registry(RegistryRoot::Machine, StoreLocation{file, false});
}

inline QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

class RecordFixture {
protected:
    // Called by each suite's init and cleanup slots.
    void StartCase()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        testing::UsePrivateStores(*dir_);
        desktop_ = std::make_unique<testing::FakeDesktop>();
        // A first run as far as the donation reminder knows: it stays away today, so
        // closing the window shows no dialog.
        LoadDonateState(QCoreApplication::applicationFilePath());
    }
    void EndCase() { desktop_.reset(); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::FakeDesktop> desktop_;

    QString StoreFile() const { return dir_->filePath(QStringLiteral("machine.reg")); }

    std::optional<QByteArray> Stored() const
    {
        auto key = MachineAt(StoreFile()).openExisting(RecordKeyPath);
        return key ? key->readBytes(RecordValue) : std::nullopt;
    }

    void StoreRecord(const StoredRecord& record)
    {
        auto key = MachineAt(StoreFile()).open(RecordKeyPath);
        QVERIFY(key);
        QVERIFY(key->writeBinary(RecordValue, BytesOf(record)));
    }

    // The store's lock file replaced by a folder: the key opens and reads, every write
    // is refused (whoever runs the test).
    void RefuseWrites()
    {
        QFile::remove(StoreFile() + ".lock");
        QVERIFY(QDir().mkpath(StoreFile() + ".lock"));
    }

    // The store's lock taken as another copy of the game takes it; closing the
    // descriptor gives it up.
    int HoldLock() const
    {
        const int fd = ::open(QFile::encodeName(StoreFile() + ".lock").constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) qFatal("the store's lock cannot be taken");
        return fd;
    }

    // The first line of every error box shown: the command's own message.
    QStringList ErrorHeadlines() const
    {
        QStringList lines;
        for (const QString& error : desktop_->errors) lines << error.section('\n', 0, 0);
        return lines;
    }

    std::unique_ptr<TVantrelForm> StartForm()
    {
        auto form = std::make_unique<TVantrelForm>();
        form->show();
        return form;
    }

    // The list of the worked example, with a last name of its own.
    static StoredRecord ExampleRecord()
    {
        StoredRecord record;
        record.SetRecordDefaults();
        const int scores[] = {150, 120, 120, 90, 0};
        const char* names[] = {"A", "B", "C", "D", "None"};
        for (int entry = 1; entry <= 5; ++entry) {
            record.SetTopScore(entry, scores[entry - 1]);
            record.SetTopName(entry, names[entry - 1]);
        }
        record.SetLastName("Kim");
        return record;
    }

    void EndGameWith(TVantrelForm& form, int total)
    {
        form.GameTotal() = total;
        form.CheckHighScore();
    }

    void MarkSurface(TVantrelForm& form)
    {
        form.canvas().SetBrushColour(Qt::magenta);
        form.canvas().FillRect(0, 0, 400, 300);
    }

    bool SurfaceStillMarked(const TVantrelForm& form) const
    {
        return form.paintBox->Surface().pixelColor(200, 200) == QColor(Qt::magenta);
    }
};

}  // namespace vantrel::testing
