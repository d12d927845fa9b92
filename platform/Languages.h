#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace vantrel {

// The languages the desktop asks for, best first (see WantedLanguages).
QStringList DesktopLanguages();

// The program's texts, and Qt's own (the standard buttons), in the first of the wanted
// languages that the program has (see ChosenLanguage): "de_AT.UTF-8" finds German,
// "pt_BR" Brazilian Portuguese. For English nothing is loaded at all. Made before the
// application object, so that --help can answer in the player's language without a
// display.
class ProgramLanguage {
public:
    explicit ProgramLanguage(const QStringList& wanted);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // "de", "pt_BR", ...; empty for English.
    QString Name() const { return name_; }

    // A text in this language, for what is said before the application exists.
    QString Translate(const char* context, const char* source) const;

    // Hands the texts to the application, where every window finds them, until this is
    // destroyed.
    void Install() const;

private:
    QString name_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace vantrel
