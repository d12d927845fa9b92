#include "auxiliary/Help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/Desktop.h"

namespace vantrel {

namespace {

// Each text travels in a buffer of 255 characters with its terminator.
constexpr qsizetype DocumentTextLimit = 254;

QString CutToLimit(const QString& text)
{
    if (text.size() <= DocumentTextLimit) {
        return text;
    }
    qsizetype length = DocumentTextLimit;
    // Never leave half of a character that needs two UTF-16 units.
    if (text.at(length - 1).isHighSurrogate()) {
        --length;
    }
    return text.left(length);
}

QString& InstalledHelpFolder()
{
    static QString folder;
    return folder;
}

QString MissingHelpText(const QString& name)
{
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    if (InstalledHelpFolder().isEmpty()) {
        return QStringLiteral("The help document %1 is not in %2.").arg(name, here);
    }
    return QStringLiteral("The help document %1 is neither in %2 nor in %3.")
        .arg(name, here, QDir::toNativeSeparators(InstalledHelpFolder()));
}

bool IsWebAddress(const QString& text)
{
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

}  // namespace

QUrl DocumentTarget(const QString& file)
{
    const QString name = CutToLimit(file);
    if (IsWebAddress(name)) {
        return QUrl(name);
    }
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(name));
}

void OpenDocument(const QString& file, const QString& parameters, const QString& directory,
                  int showState)
{
    Q_UNUSED(parameters);
    Q_UNUSED(directory);
    Q_UNUSED(showState);
    // The opener's own outcome is not looked at: a missing document or a desktop
    // without a registered program shows nothing from the game.
    CurrentDesktop().openUrl(DocumentTarget(file));
}

void SetInstalledHelpFolder(const QString& folder) { InstalledHelpFolder() = folder; }

void ShowHelp()
{
    const QString name = QString::fromLatin1(HelpDocumentName);
    if (QFileInfo(QDir::current(), name).isFile()) {
        OpenDocument(name, QString(), QString(), ShowNormalActivated);
        return;
    }
    const QFileInfo installed(QDir(InstalledHelpFolder()), name);
    if (!InstalledHelpFolder().isEmpty() && installed.isFile()) {
        // Handed to the desktop whole: the installed copy's full path may well be
        // longer than the shell's buffer that a bare file name travels in.
        CurrentDesktop().openUrl(QUrl::fromLocalFile(installed.absoluteFilePath()));
        return;
    }
    CurrentDesktop().showError(QApplication::activeWindow(), MissingHelpText(name));
}

}  // namespace vantrel
