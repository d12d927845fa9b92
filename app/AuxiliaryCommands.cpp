// Splash, About, help and donation commands of the main window.
#include <QTimer>

#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"
#include "auxiliary/SplashForm.h"

namespace vantrel {

void TVantrelForm::ShowStartupSplash()
{
    splashForm = new TsplashForm(this, SplashMode::Splash);
    splashForm->show();
}

void TVantrelForm::Timer1Timer()
{
    Timer1->stop();
    if (splashForm) {
        splashForm->close();
        splashForm->deleteLater();
    }
}

void TVantrelForm::HelpContentsMenuItemClick() { ShowHelp(); }

void TVantrelForm::MenuGameAboutItemClick() { Timer1->stop(); }

void TVantrelForm::MakeaDonation1Click() { ShowDonationDialog(this); }

}  // namespace vantrel
