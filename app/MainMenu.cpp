// The menu bar and the binding of every command.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

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
    const auto bind = [this](QAction* item, std::function<void()> command) {
        connect(item, &QAction::triggered, this, [this, item, command = std::move(command)] {
            // A check item has already changed its mark when it reports the click;
            // the commands look at the mark as it was and set it themselves.
            if (item->isCheckable()) {
                item->setChecked(!item->isChecked());
            }
            RunHandler(command);
        });
    };
    bind(MenuGameNewItem, [this] { NewGame(); });
    bind(MenuGameUndoItem, [this] { MenuGameUndoItemClick(); });
    bind(MenuGameHighScoresItem, [this] { MenuGameHighScoresItemClick(); });
    bind(MenuGameQuitItem, [this] { MenuGameExitItemClick(); });
    bind(MenuOptionsPlayRegGameItem, [this] { MenuOptionsPlayRegGameItemClick(); });
    bind(MenuOptionsRelaxedRulesItem, [this] { MenuOptionsRelaxedRulesItemClick(); });
    bind(MenuOptionsSetLargeCards, [this] { MenuOptionsSetLargeCardsClick(); });
    bind(MenuOptionsAltColorsItem, [this] { SetAltColorClick(); });
    bind(MenuOptionsResetHighItem, [this] { MenuOptionsResetHighItemClick(); });
    bind(HelpContentsMenuItem, [this] { HelpContentsMenuItemClick(); });
    bind(AboutVantrel1, [this] { MenuGameAboutItemClick(); });
    bind(MakeaDonation1, [this] { MakeaDonation1Click(); });
}

}  // namespace vantrel
