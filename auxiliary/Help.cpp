#include "auxiliary/Help.h"

#include <QDir>

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

void ShowHelp()
{
    OpenDocument(QString::fromLatin1(HelpDocumentName), QString(), QString(), ShowNormalActivated);
}

}  // namespace vantrel
