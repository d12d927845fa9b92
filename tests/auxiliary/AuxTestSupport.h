#pragma once

// Shared by the auxiliary windows' tests: a desktop that records instead of opening
// documents, a clock that can be set, and an answerer for the next modal window.

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <utility>

#include "platform/Desktop.h"

namespace vantrel::testing {

class FakeDesktop {
public:
    FakeDesktop()
    {
        Desktop& desktop = CurrentDesktop();
        desktop.today = [this] { return today; };
        desktop.openUrl = [this](const QUrl& target) { opened.append(target); };
        desktop.showError = [this](QWidget*, const QString&) { ++errors; };
        desktop.beep = [this] { ++beeps; };
        desktop.confirm = [](QWidget*, const QString&, const QString&) { return true; };
        desktop.askText = [](QWidget*, const QString&, const QString&, const QString& preset) {
            return preset;
        };
    }
    ~FakeDesktop() { UseRealDesktop(); }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QDate today{2024, 3, 15};
    QList<QUrl> opened;
    int errors = 0;
    int beeps = 0;
};

// A working folder with a help document in it, for as long as it lives: help opens the
// working folder's document only when there is one.
class HelpDocumentInWorkingFolder {
public:
    HelpDocumentInWorkingFolder() : before_(QDir::currentPath())
    {
        path = QDir(folder_.path()).filePath(QStringLiteral("Vantrel0.html"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0) {
            QDir::setCurrent(folder_.path());
        }
    }
    ~HelpDocumentInWorkingFolder() { QDir::setCurrent(before_); }
    HelpDocumentInWorkingFolder(const HelpDocumentInWorkingFolder&) = delete;
    HelpDocumentInWorkingFolder& operator=(const HelpDocumentInWorkingFolder&) = delete;

    QString path;

private:
    QString before_;
    QTemporaryDir folder_;
};

// Runs `answer` on the modal window that is active once the event loop turns, that
// is inside the modal showing. Counts the windows it has answered; a window that
// never came leaves the count at 0. Cancelled when it goes out of scope.
template <typename Window>
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(Window*)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
                ++answered;
                timer_.stop();
                answer_(window);
            }
        });
        timer_.start();
    }

    int answered = 0;

private:
    std::function<void(Window*)> answer_;
    QTimer timer_;
};

}  // namespace vantrel::testing
