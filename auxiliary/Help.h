#pragma once

#include <QString>
#include <QUrl>

namespace vantrel {

// The show state every caller passes: show the opened window as it is and activate it.
inline constexpr int ShowNormalActivated = 5;

// The help document, looked up in the program's working directory first and then in
// the folder it is installed in.
inline constexpr const char* HelpDocumentName = "Vantrel0.html";

// Hands a file name (looked up in the working directory) or a web address to the
// desktop, which opens it with the program registered for it. Nothing is reported
// when it cannot be opened. The desktop opener starts the registered program with
// the document alone, so the parameters, directory and show state (empty, empty and
// ShowNormalActivated from every caller) are accepted but unused. The name is cut
// to 254 characters, as the shell's buffers hold no more.
void OpenDocument(const QString& file, const QString& parameters, const QString& directory,
                  int showState);

// What OpenDocument hands to the desktop for a file name or web address.
QUrl DocumentTarget(const QString& file);

// Where the installed help document lies. The program sets it at start-up from its
// own location; until then only the working directory is looked in.
void SetInstalledHelpFolder(const QString& folder);

// Opens the help document: "&Contents" and F1. The working directory's copy when there
// is one, else the installed copy. When neither exists the error box names the
// document and both places, since a command that does nothing would leave the player
// guessing.
void ShowHelp();

}  // namespace vantrel
