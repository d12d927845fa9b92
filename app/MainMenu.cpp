// The menu bar and the binding of every command.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

#include "app/VantrelForm.h"

namespace vantrel {

namespace {

// Captions are marked where they are written and translated here.
QString Caption(const char* caption) { return QCoreApplication::translate("MainMenu", caption); }

QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool enabled = true)
{
    QAction* item = menu->addAction(Caption(caption));
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
    MenuGame = bar->addMenu(Caption(QT_TRANSLATE_NOOP("MainMenu", "&Game")));
    MenuGame->setObjectName(QStringLiteral("MenuGame"));
    MenuGameNewItem =
        AddItem(MenuGame, "MenuGameNewItem", QT_TRANSLATE_NOOP("MainMenu", "&Start a New Game"));
    MenuGameUndoItem = AddItem(MenuGame, "MenuGameUndoItem",
                               QT_TRANSLATE_NOOP("MainMenu", "&Undo Last Move"), false);
    MenuGameHighScoresItem = AddItem(MenuGame, "MenuGameHighScoresItem",
                                     QT_TRANSLATE_NOOP("MainMenu", "View &High Scores"));
    MenuGame->addSeparator();
    MenuGameQuitItem =
        AddItem(MenuGame, "MenuGameQuitItem", QT_TRANSLATE_NOOP("MainMenu", "&Quit"));

    MenuOptions = bar->addMenu(Caption(QT_TRANSLATE_NOOP("MainMenu", "&Options")));
    MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
    MenuOptionsPlayRegGameItem =
        AddCheckItem(MenuOptions, "MenuOptionsPlayRegGameItem",
                     QT_TRANSLATE_NOOP("MainMenu", "Play Regular Game"), true);
    MenuOptionsRelaxedRulesItem =
        AddCheckItem(MenuOptions, "MenuOptionsRelaxedRulesItem",
                     QT_TRANSLATE_NOOP("MainMenu", "Play with Relaxed Rules"), false);
    MenuOptions->addSeparator();
    MenuOptionsSetLargeCards =
        AddCheckItem(MenuOptions, "MenuOptionsSetLargeCards",
                     QT_TRANSLATE_NOOP("MainMenu", "Use Large Cards"), false);
    MenuOptionsAltColorsItem =
        AddCheckItem(MenuOptions, "MenuOptionsAltColorsItem",
                     QT_TRANSLATE_NOOP("MainMenu", "Use Alternate Colors"), false);
    MenuOptions->addSeparator();
    MenuOptionsResetHighItem = AddItem(MenuOptions, "MenuOptionsResetHighItem",
                                       QT_TRANSLATE_NOOP("MainMenu", "Reset High Scores"));

    MenuHelp = bar->addMenu(Caption(QT_TRANSLATE_NOOP("MainMenu", "&Help")));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    HelpContentsMenuItem =
        AddItem(MenuHelp, "HelpContentsMenuItem", QT_TRANSLATE_NOOP("MainMenu", "&Contents"));
    AboutVantrel1 =
        AddItem(MenuHelp, "AboutVantrel1", QT_TRANSLATE_NOOP("MainMenu", "&About Vantrel"));
    MenuHelp->addSeparator();
    MakeaDonation1 =
        AddItem(MenuHelp, "MakeaDonation1", QT_TRANSLATE_NOOP("MainMenu", "Make a Donation"));

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
