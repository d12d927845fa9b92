#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTranslator;

namespace vantrel {

// Reads one variable of the environment; empty when it is not set.
using EnvironmentReader = std::function<QByteArray(const char* name)>;

// The languages the desktop asks for, best first, read as gettext reads them, so the
// game speaks what the desktop's other programs speak. The locale of messages is
// LC_ALL, else LC_MESSAGES, else LANG. The plain C or POSIX locale (or none) asks for
// the program's own English and LANGUAGE is not looked at; any other locale is
// overruled by LANGUAGE, a colon-separated list, when that is set.
QStringList DesktopLanguages(const EnvironmentReader& environment);
QStringList DesktopLanguages();

// The program's texts, and Qt's own (the standard buttons), in the first of the wanted
// languages that the program has: "de_AT.UTF-8" finds German, "pt_BR" Brazilian
// Portuguese, and English ends the search, since it is what the program is written
// in. For English nothing is loaded at all. Made before the application object, so
// that --help can answer in the player's language without a display.
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
