#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace vantrel {

struct Desktop;

// The show state every caller passes: show the opened window as it is and activate it.
inline constexpr int ShowNormalActivated = 5;

// The help document, looked up in the program's working directory first and then in
// the folder it is installed in. This is the English one; each language's lies beside
// it as Vantrel0.<language>.html ("Vantrel0.de.html", "Vantrel0.pt_BR.html").
inline constexpr const char* HelpDocumentName = "Vantrel0.html";

// The help document's name in a language ("de"); the English one's for no language.
QString HelpDocumentNameIn(const QString& language);

// What OpenDocument hands to the desktop for a file name or web address.
QUrl DocumentTarget(const QString& file);

// Opens documents and web pages through the desktop. The program block makes one at
// start-up, knowing where the installed help document lies, and hands it to every
// window that opens something; the desktop must outlive it.
class HelpOpener {
public:
    // An empty installedFolder looks in the working directory only; language is the
    // program's ("de"), empty for English.
    explicit HelpOpener(const Desktop& desktop, QString installedFolder = QString(),
                        QString language = QString());
    // Kept by reference: a desktop made for the call would be gone before its first use.
    explicit HelpOpener(const Desktop&& desktop, QString installedFolder = QString(),
                        QString language = QString()) = delete;

    // Hands a file name (looked up in the working directory) or a web address to the
    // desktop, which opens it with the program registered for it. Nothing is reported
    // when it cannot be opened. The desktop opener starts the registered program with
    // the document alone, so the parameters, directory and show state (empty, empty
    // and ShowNormalActivated from every caller) are accepted but unused. The name is
    // cut to 254 characters, as the shell's buffers hold no more.
    void OpenDocument(const QString& file, const QString& parameters, const QString& directory,
                      int showState) const;

    // Opens the help document: "&Contents" and F1. The one in the program's language
    // when there is one, else the English one; of each, the working directory's copy
    // when there is one, else the installed copy. When no English one exists either
    // the error box names the English document and both places, since a command that
    // does nothing would leave the player guessing. The box belongs to owner, so that a
    // compositor places it over the window whose command asked for help.
    void ShowHelp(QWidget* owner) const;

private:
    bool OpenHelpDocument(const QString& name) const;
    QString MissingHelpText(const QString& name) const;

    const Desktop& desktop_;
    QString installedFolder_;
    QString language_;
};

}  // namespace vantrel
