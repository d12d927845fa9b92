#include "platform/Languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace vantrel {

namespace {

// Where the build puts each language's texts, in the program's resources.
QString ProgramTexts(const QString& language)
{
    return QStringLiteral(":/i18n/vantrel_") + language + QStringLiteral(".qm");
}

QString LocaleOfMessages(const EnvironmentReader& environment)
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = environment(name);
        if (!value.isEmpty()) {
            return QString::fromLocal8Bit(value);
        }
    }
    return QString();
}

}  // namespace

QStringList DesktopLanguages(const EnvironmentReader& environment)
{
    const QString locale = LocaleOfMessages(environment);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX")) {
        return {};
    }
    const QString list = QString::fromLocal8Bit(environment("LANGUAGE"));
    return (list.isEmpty() ? locale : list).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList DesktopLanguages()
{
    return DesktopLanguages([](const char* name) { return qgetenv(name); });
}

ProgramLanguage::ProgramLanguage(const QStringList& wanted)
{
    for (const QString& entry : wanted) {
        // "de_AT.UTF-8@euro": the language and country, then the language alone.
        const QString language =
            entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        if (base == QLatin1String("en")) {
            return;
        }
        for (const QString& name : {language, base}) {
            if (!QFile::exists(ProgramTexts(name))) {
                continue;
            }
            program_ = std::make_unique<QTranslator>();
            if (!program_->load(ProgramTexts(name))) {
                program_.reset();
                continue;
            }
            name_ = name;
            qt_ = std::make_unique<QTranslator>();
            if (!qt_->load(QStringLiteral("qtbase_") + name,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                qt_.reset();
            }
            return;
        }
    }
}

ProgramLanguage::~ProgramLanguage() = default;

QString ProgramLanguage::Translate(const char* context, const char* source) const
{
    const QString translated = program_ ? program_->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void ProgramLanguage::Install() const
{
    for (QTranslator* translator : {qt_.get(), program_.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

}  // namespace vantrel
