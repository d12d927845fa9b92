// The menu bar and the binding of every command.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

#include "app/VantrelForm.h"

namespace vantrel {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool enabled = true)
{
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    // The menu tree stays as it is on every desktop: no item moves to an application menu.
    item->setMenuRole(QAction::NoRole);
    item->setEnabled(enabled);
    return item;
}

QAction* AddCheckItem(QMenu* menu, const char* name, const char* caption, bool checked)
{
    QAction* item = AddItem(menu, name, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

}  // namespace

void TVantrelForm::BuildMainMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuGame = bar->addMenu(QStringLiteral("&Game"));
    MenuGame->setObjectName(QStringLiteral("MenuGame"));
    MenuGameNewItem = AddItem(MenuGame, "MenuGameNewItem", "&Start a New Game");
    MenuGameUndoItem = AddItem(MenuGame, "MenuGameUndoItem", "&Undo Last Move", false);
    MenuGameHighScoresItem = AddItem(MenuGame, "MenuGameHighScoresItem", "View &High Scores");
    MenuGame->addSeparator();
    MenuGameQuitItem = AddItem(MenuGame, "MenuGameQuitItem", "&Quit");

    MenuOptions = bar->addMenu(QStringLiteral("&Options"));
    MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
    MenuOptionsPlayRegGameItem =
        AddCheckItem(MenuOptions, "MenuOptionsPlayRegGameItem", "Play Regular Game", true);
    MenuOptionsRelaxedRulesItem =
        AddCheckItem(MenuOptions, "MenuOptionsRelaxedRulesItem", "Play with Relaxed Rules", false);
    MenuOptions->addSeparator();
    MenuOptionsSetLargeCards =
        AddCheckItem(MenuOptions, "MenuOptionsSetLargeCards", "Use Large Cards", false);
    MenuOptionsAltColorsItem =
        AddCheckItem(MenuOptions, "MenuOptionsAltColorsItem", "Use Alternate Colors", false);
    MenuOptions->addSeparator();
    MenuOptionsResetHighItem =
        AddItem(MenuOptions, "MenuOptionsResetHighItem", "Reset High Scores");

    MenuHelp = bar->addMenu(QStringLiteral("&Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    HelpContentsMenuItem = AddItem(MenuHelp, "HelpContentsMenuItem", "&Contents");
    AboutVantrel1 = AddItem(MenuHelp, "AboutVantrel1", "&About Vantrel");
    MenuHelp->addSeparator();
    MakeaDonation1 = AddItem(MenuHelp, "MakeaDonation1", "Make a Donation");

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
