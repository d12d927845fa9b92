// Splash, About, help and donation commands of the main window.
#include <QTimer>

#include <memory>

#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"
#include "auxiliary/SplashForm.h"

namespace vantrel {

void TVantrelForm::ShowStartupSplash()
{
    // The window is not on screen yet, so the splash centres over the bounds the
    // window starts out with; it stays on top of the window once that is shown. Under
    // Wayland it follows the window onto the screen, as its transient child.
    splashForm = new TsplashForm(this, SplashMode::Splash, help_);
    splashForm->ShowCentred();
}

void TVantrelForm::Timer1Timer()
{
    Timer1->stop();
    if (splashForm) {
        // A splash already hidden by a click stays hidden; either way it goes once
        // the events queued for it have been handled.
        splashForm->close();
        splashForm->deleteLater();
    }
}

void TVantrelForm::HelpContentsMenuItemClick() { help_.ShowHelp(this); }

void TVantrelForm::MenuGameAboutItemClick()
{
    // The timer must never close the About window; a start-up splash still on screen
    // now stays until its picture is clicked.
    Timer1->stop();
    const auto about = std::make_unique<TsplashForm>(this, SplashMode::About, help_);
    splashForm = about.get();
    about->ShowModal();
}

void TVantrelForm::MakeaDonation1Click() { reminder_.ShowDonationDialog(this); }

}  // namespace vantrel
