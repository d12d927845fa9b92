#pragma once

// The one fake of the desktop seam, used by every suite: beeps are counted, opened
// documents and error boxes recorded, the two dialogs answered from fields, and the
// date set by hand. Installed for its lifetime; the real desktop comes back after it.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/Desktop.h"

namespace vantrel::testing {

class FakeDesktop {
public:
    struct Prompt {
        QString title;
        QString prompt;
        QString preset;
    };

    FakeDesktop()
    {
        Desktop& desktop = CurrentDesktop();
        desktop.beep = [this] { ++beeps; };
        desktop.today = [this] { return today; };
        desktop.openUrl = [this](const QUrl& target) { opened.append(target); };
        desktop.showError = [this](QWidget*, const QString& text) { errors.append(text); };
        desktop.confirm = [this](QWidget*, const QString& title, const QString& text) {
            questions.append(title + QLatin1Char('|') + text);
            return confirmAnswer;
        };
        desktop.askText = [this](QWidget*, const QString& title, const QString& prompt,
                                 const QString& preset) {
            prompts.append({title, prompt, preset});
            return nameAnswer.isNull() ? preset : nameAnswer;
        };
    }
    ~FakeDesktop() { UseRealDesktop(); }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QDate today{2024, 3, 15};
    int beeps = 0;
    QList<QUrl> opened;
    QStringList errors;

    // The confirmation box: each question as "title|text", answered OK when true.
    QStringList questions;
    bool confirmAnswer = false;

    // The name prompt: each showing, answered with nameAnswer, or with the preset (as
    // after Cancel) while nameAnswer is a null string.
    QList<Prompt> prompts;
    QString nameAnswer;
};

}  // namespace vantrel::testing
