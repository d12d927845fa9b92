// Qt's own words in the program's boxes, their buttons, come in the program's language:
// from the Qt it runs on, or, in the Windows version, from the program itself. Each row
// is named by the desktop's locale.

#include "platform/Languages.h"

#include <QTest>

class ProgramLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsSpeakTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("cancel");
        QTest::newRow("de_DE.UTF-8") << "Abbrechen";
        QTest::newRow("nl_NL.UTF-8") << "Annuleren";
        QTest::newRow("pt_BR.UTF-8") << "Cancelar";
    }
    void buttonsSpeakTheProgramsLanguage()
    {
        const vantrel::ProgramLanguage language({QString::fromUtf8(QTest::currentDataTag())});
        language.Install();
        QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancel");
    }
};

QTEST_GUILESS_MAIN(ProgramLanguageTest)
#include "test_program_language.moc"
