// The menu bar and the binding of every command.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/VantrelForm.h"

namespace vantrel {

namespace {

QAction* AddItem(QMenu* menu, const char* caption, bool enabled = true)
{
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setEnabled(enabled);
    return item;
}

QAction* AddCheckItem(QMenu* menu, const char* caption, bool checked)
{
    QAction* item = AddItem(menu, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

}  // namespace

void TVantrelForm::BuildMainMenu()
{
    QMenuBar* bar = menuBar();
    MenuGame = bar->addMenu(QStringLiteral("&Game"));
    MenuGameNewItem = AddItem(MenuGame, "&Start a New Game");
    MenuGameUndoItem = AddItem(MenuGame, "&Undo Last Move", false);
    MenuGameHighScoresItem = AddItem(MenuGame, "View &High Scores");
    MenuGame->addSeparator();
    MenuGameQuitItem = AddItem(MenuGame, "&Quit");

    MenuOptions = bar->addMenu(QStringLiteral("&Options"));
    MenuOptionsPlayRegGameItem = AddCheckItem(MenuOptions, "Play Regular Game", true);
    MenuOptionsRelaxedRulesItem = AddCheckItem(MenuOptions, "Play with Relaxed Rules", false);
    MenuOptions->addSeparator();
    MenuOptionsSetLargeCards = AddCheckItem(MenuOptions, "Use Large Cards", false);
    MenuOptionsAltColorsItem = AddCheckItem(MenuOptions, "Use Alternate Colors", false);
    MenuOptions->addSeparator();
    MenuOptionsResetHighItem = AddItem(MenuOptions, "Reset High Scores");

    MenuHelp = bar->addMenu(QStringLiteral("&Help"));
    HelpContentsMenuItem = AddItem(MenuHelp, "&Contents");
    AboutVantrel1 = AddItem(MenuHelp, "&About Vantrel");
    MenuHelp->addSeparator();
    MakeaDonation1 = AddItem(MenuHelp, "Make a Donation");

    ConnectMainMenu();
}

void TVantrelForm::ConnectMainMenu()
{
    const auto bind = [this](QAction* item, void (TVantrelForm::*handler)()) {
        connect(item, &QAction::triggered, this, [this, item, handler] {
            // A check item has already changed its mark when it reports the click;
            // the commands look at the mark as it was and set it themselves.
            if (item->isCheckable()) {
                item->setChecked(!item->isChecked());
            }
            RunHandler([this, handler] { (this->*handler)(); });
        });
    };
    bind(MenuGameNewItem, &TVantrelForm::NewGame);
    bind(MenuGameUndoItem, &TVantrelForm::MenuGameUndoItemClick);
    bind(MenuGameHighScoresItem, &TVantrelForm::MenuGameHighScoresItemClick);
    bind(MenuGameQuitItem, &TVantrelForm::MenuGameExitItemClick);
    bind(MenuOptionsPlayRegGameItem, &TVantrelForm::MenuOptionsPlayRegGameItemClick);
    bind(MenuOptionsRelaxedRulesItem, &TVantrelForm::MenuOptionsRelaxedRulesItemClick);
    bind(MenuOptionsSetLargeCards, &TVantrelForm::MenuOptionsSetLargeCardsClick);
    bind(MenuOptionsAltColorsItem, &TVantrelForm::SetAltColorClick);
    bind(MenuOptionsResetHighItem, &TVantrelForm::MenuOptionsResetHighItemClick);
    bind(HelpContentsMenuItem, &TVantrelForm::HelpContentsMenuItemClick);
    bind(AboutVantrel1, &TVantrelForm::MenuGameAboutItemClick);
    bind(MakeaDonation1, &TVantrelForm::MakeaDonation1Click);
}

}  // namespace vantrel
