#include "platform/Languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/LanguageChoice.h"

namespace vantrel {

namespace {

// Where the build puts each language's texts, in the program's resources.
QString ProgramTexts(const QString& language)
{
    return QStringLiteral(":/i18n/vantrel_") + language + QStringLiteral(".qm");
}

}  // namespace

QStringList DesktopLanguages()
{
    QStringList languages;
    for (const std::string& language : WantedLanguages()) {
        languages << QString::fromLocal8Bit(language);
    }
    return languages;
}

ProgramLanguage::ProgramLanguage(const QStringList& wanted)
{
    std::vector<std::string> names;
    for (const QString& entry : wanted) {
        names.push_back(entry.toStdString());
    }
    const auto loads = [this](const std::string& name) {
        const QString texts = ProgramTexts(QString::fromStdString(name));
        program_ = std::make_unique<QTranslator>();
        return QFile::exists(texts) && program_->load(texts);
    };
    const std::string chosen = ChosenLanguage(names, loads);
    if (chosen.empty()) {
        program_.reset();
        return;
    }
    name_ = QString::fromStdString(chosen);
    // Qt's own texts lie beside Qt, or, in the Windows version, in the program.
    qt_ = std::make_unique<QTranslator>();
    const QString qtTexts = QStringLiteral("qtbase_") + name_;
    if (!qt_->load(qtTexts, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !qt_->load(qtTexts, QStringLiteral(":/qt-translations"))) {
        qt_.reset();
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
