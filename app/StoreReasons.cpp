#include "app/StoreReasons.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <iterator>

namespace vantrel {

namespace {

// The forms of the store's reasons, as store/ writes them.
constexpr const char* Forms[] = {
    //: A file (%1), then why it could not be read or saved (%2)
    QT_TRANSLATE_NOOP("StoreReason", "%1: %2"),
    QT_TRANSLATE_NOOP("StoreReason", "%1 cannot be made: %2"),
    QT_TRANSLATE_NOOP("StoreReason", "%1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("StoreReason", "%1 is not a regular file of one name"),
    QT_TRANSLATE_NOOP("StoreReason", "%1 keeps vanishing"),
    QT_TRANSLATE_NOOP("StoreReason", "another program is using %1"),
    QT_TRANSLATE_NOOP("StoreReason", "another program holds %1"),
    QT_TRANSLATE_NOOP("StoreReason", "the folder %1 cannot be made: %2"),
    QT_TRANSLATE_NOOP("StoreReason", "its folder cannot be opened: %1"),
    QT_TRANSLATE_NOOP("StoreReason", "its folder %1 is refused: %2"),
    QT_TRANSLATE_NOOP("StoreReason", "a new file cannot be made: %1"),
    QT_TRANSLATE_NOOP("StoreReason", "the copy of its hand-edited text cannot be made: %1"),
    QT_TRANSLATE_NOOP("StoreReason", "the disk is full"),
    QT_TRANSLATE_NOOP("StoreReason", "the disk quota is used up"),
    QT_TRANSLATE_NOOP("StoreReason", "the file system is read-only"),
    QT_TRANSLATE_NOOP("StoreReason", "this user may not do that there"),
    QT_TRANSLATE_NOOP("StoreReason", "the disk reported an input/output error"),
    QT_TRANSLATE_NOOP("StoreReason", "it is not a regular file"),
    QT_TRANSLATE_NOOP("StoreReason", "it has more than one name (a hard link)"),
    QT_TRANSLATE_NOOP("StoreReason", "it belongs to another user"),
    QT_TRANSLATE_NOOP("StoreReason", "it is larger than a store file may be"),
    QT_TRANSLATE_NOOP("StoreReason", "it is a link"),
    QT_TRANSLATE_NOOP("StoreReason", "other users may write to it"),
    QT_TRANSLATE_NOOP("StoreReason", "this player's file is in the way of every save; remove it"),
    QT_TRANSLATE_NOOP("StoreReason", "this player's folder is in the way of every save; remove it"),
    QT_TRANSLATE_NOOP("StoreReason",
                      "another user's file is in the way of every save; its "
                      "owner or an administrator must remove it"),
    QT_TRANSLATE_NOOP("StoreReason",
                      "another user's folder is in the way of every save; its "
                      "owner or an administrator must remove it"),
    QT_TRANSLATE_NOOP("StoreReason", "the saved file would be larger than a store file may be"),
    QT_TRANSLATE_NOOP("StoreReason", "the key is closed"),
    QT_TRANSLATE_NOOP("StoreReason", "a value name may not hold a control character"),
    QT_TRANSLATE_NOOP("StoreReason", "the record's key has no path"),
    QT_TRANSLATE_NOOP("StoreReason",
                      "no home folder is known for this user: HOME is not an "
                      "absolute path and the password database names none"),
};

// A form as a pattern of the whole reason, each place one group.
QRegularExpression PatternOf(const char* form)
{
    QString pattern = QRegularExpression::escape(QString::fromUtf8(form));
    pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(.+?)"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// How much of the reason a form leaves to its first place when it begins with one: of
// the forms that match, the one that says most of the reason itself is how it was
// written ("<file>: <dir> cannot be made: ..." is a file and a reason about <dir>).
qsizetype LeadingPlace(const QRegularExpressionMatch& match)
{
    return match.lastCapturedIndex() >= 1 && match.capturedStart(1) == 0 ? match.capturedLength(1)
                                                                         : 0;
}

}  // namespace

QString ReasonInWords(const QString& reason, const std::function<QString(const QString&)>& name)
{
    const char* best = nullptr;
    QRegularExpressionMatch bestMatch;
    for (const char* form : Forms) {
        const QRegularExpressionMatch match = PatternOf(form).match(reason);
        if (match.hasMatch() &&
            (best == nullptr || LeadingPlace(match) < LeadingPlace(bestMatch))) {
            best = form;
            bestMatch = match;
        }
    }
    if (best == nullptr) {
        return name ? name(reason) : reason;
    }
    const QString text = QCoreApplication::translate("StoreReason", best);
    const auto place = [&](int i) { return ReasonInWords(bestMatch.captured(i), name); };
    // Filled in one pass, so that a name holding "%2" stays as it is.
    switch (bestMatch.lastCapturedIndex()) {
        case 1:
            return text.arg(place(1));
        case 2:
            return text.arg(place(1), place(2));
        default:
            return text;
    }
}

}  // namespace vantrel
