#pragma once

// The record commands through a real window: both stores in a private folder, the
// program's parts faked, and the few things the record suites do to the store and the
// window.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

#include "FakeProgram.h"
#include "FormProbe.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "store/RecordStore.h"

namespace vantrel::testing {

inline const QString RecordValue = QStringLiteral("fRegInfo");

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
        program_ = std::make_unique<testing::FakeProgram>();
        desktop_ = &program_->desktop;
        // A first run as far as the donation reminder knows: it stays away today, so
        // closing the window shows no dialog.
        program_->reminder.LoadDonateState(QCoreApplication::applicationFilePath());
    }
    void EndCase()
    {
        desktop_ = nullptr;
        program_.reset();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::FakeProgram> program_;
    testing::FakeDesktop* desktop_ = nullptr;  // the program's

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

    // A window that keeps its record in the case's store file, or in machineStore.
    std::unique_ptr<TVantrelForm> StartForm() { return StartForm(StoreFile()); }
    std::unique_ptr<TVantrelForm> StartForm(const QString& machineStore)
    {
        auto form = MakeForm(*program_, machineStore);
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
        FormProbe(form).CheckHighScore();
    }

    void MarkSurface(TVantrelForm& form)
    {
        FormProbe(form).canvas().SetBrushColour(Qt::magenta);
        FormProbe(form).canvas().FillRect(0, 0, 400, 300);
    }

    bool SurfaceStillMarked(const TVantrelForm& form) const
    {
        return PaintBoxOf(form)->Surface().pixelColor(200, 200) == QColor(Qt::magenta);
    }
};

}  // namespace vantrel::testing
