#pragma once

// The one fake of the desktop seam, used by every suite: beeps are counted, opened
// documents and error boxes recorded, the two dialogs answered from fields, and the
// date set by hand. Whatever a case makes is handed desktop(), as the program block
// hands the real one; the fake must outlive what it is handed to.
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
        QString spoken;
    };

    FakeDesktop()
    {
        desktop_.beep = [this] { ++beeps; };
        desktop_.today = [this] { return today; };
        desktop_.openUrl = [this](const QUrl& target) { opened.append(target); };
        desktop_.showError = [this](QWidget*, const QString& text) { errors.append(text); };
        desktop_.confirm = [this](QWidget*, const QString& title, const QString& text) {
            questions.append(title + QLatin1Char('|') + text);
            return confirmAnswer;
        };
        desktop_.askText = [this](QWidget*, const QString& title, const QString& prompt,
                                  const QString& preset, const QString& spoken) {
            prompts.append({title, prompt, preset, spoken});
            return nameAnswer.isNull() ? preset : nameAnswer;
        };
    }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    const Desktop& desktop() const { return desktop_; }

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

private:
    Desktop desktop_;
};

}  // namespace vantrel::testing
