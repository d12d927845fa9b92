#include "auxiliary/Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

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

QString HelpDocumentNameIn(const QString& language)
{
    const QString english = QString::fromLatin1(HelpDocumentName);
    return language.isEmpty() ? english : english.chopped(4) + language + QStringLiteral(".html");
}

HelpOpener::HelpOpener(const Desktop& desktop, QString installedFolder, QString language)
    : desktop_(desktop),
      installedFolder_(std::move(installedFolder)),
      language_(std::move(language))
{
}

void HelpOpener::OpenDocument(const QString& file, const QString& parameters,
                              const QString& directory, int showState) const
{
    Q_UNUSED(parameters);
    Q_UNUSED(directory);
    Q_UNUSED(showState);
    // The opener's own outcome is not looked at: a missing document or a desktop
    // without a registered program shows nothing from the game.
    desktop_.openUrl(DocumentTarget(file));
}

void HelpOpener::ShowHelp(QWidget* owner) const
{
    const QString english = QString::fromLatin1(HelpDocumentName);
    if ((!language_.isEmpty() && OpenHelpDocument(HelpDocumentNameIn(language_))) ||
        OpenHelpDocument(english)) {
        return;
    }
    desktop_.showError(owner, MissingHelpText(english));
}

bool HelpOpener::OpenHelpDocument(const QString& name) const
{
    if (QFileInfo(QDir::current(), name).isFile()) {
        OpenDocument(name, QString(), QString(), ShowNormalActivated);
        return true;
    }
    const QFileInfo installed(QDir(installedFolder_), name);
    if (!installedFolder_.isEmpty() && installed.isFile()) {
        // Handed to the desktop whole: the installed copy's full path may well be
        // longer than the shell's buffer that a bare file name travels in.
        desktop_.openUrl(QUrl::fromLocalFile(installed.absoluteFilePath()));
        return true;
    }
    return false;
}

QString HelpOpener::MissingHelpText(const QString& name) const
{
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    if (installedFolder_.isEmpty()) {
        return QCoreApplication::translate("Help", "The help document %1 is not in %2.")
            .arg(name, here);
    }
    return QCoreApplication::translate("Help", "The help document %1 is neither in %2 nor in %3.")
        .arg(name, here, QDir::toNativeSeparators(installedFolder_));
}

}  // namespace vantrel
