#pragma once

// The main window as the app suites reach it, made as the program block makes it: on
// the parts of a fake program, with a machine store and a seed of the case's own. Its
// menus, menu items, timer and drawing surface are found by their object names. What
// no player reaches (the card metrics and colours as the window holds them, the record
// in memory, the splash, the end-of-game check and the handler guard) is reached
// through FormProbe, the window's one test peer.
#include <QAction>
#include <QMenu>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

#include "FakeProgram.h"
#include "app/VantrelForm.h"
#include "auxiliary/SplashForm.h"
#include "paint/PaintBox.h"
#include "store/Registry.h"

namespace vantrel::testing {

inline Registry MachineAt(const QString& file)
{
    return Registry(RegistryRoot::Machine, StoreLocation{file, false});
}

// A main window that keeps its record in machineStore and seeds its shuffle with seed.
inline std::unique_ptr<TVantrelForm> MakeForm(FakeProgram& program, const QString& machineStore,
                                              std::uint32_t seed = 0)
{
    return std::make_unique<TVantrelForm>(FormSeams{
        .desktop = program.desktop.desktop(),
        .help = program.help,
        .reminder = program.reminder,
        .machineStore = MachineAt(machineStore),
        .seed = [seed] { return seed; },
    });
}

// A child of the window by its object name; a name the window does not use ends the
// suite with that name rather than with a null pointer somewhere later.
template <typename Child>
Child* Named(const QObject& window, const char* name)
{
    Child* child = window.findChild<Child*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("the window has no %s named %s", Child::staticMetaObject.className(), name);
    }
    return child;
}

inline QAction* MenuItem(const QObject& window, const char* name)
{
    return Named<QAction>(window, name);
}
inline QMenu* Menu(const QObject& window, const char* name) { return Named<QMenu>(window, name); }
inline PaintBox* PaintBoxOf(const QObject& window) { return Named<PaintBox>(window, "PaintBox"); }
inline QTimer* Timer1Of(const QObject& window) { return Named<QTimer>(window, "Timer1"); }

class FormProbe {
public:
    explicit FormProbe(TVantrelForm& form) : form_(form) {}

    int CardWidth() const { return form_.CardWidth; }
    int CardHeight() const { return form_.CardHeight; }
    int RankFontSize() const { return form_.RankFontSize; }
    const QImage* CardBack() const { return form_.CardBack; }
    const Pictures& pictures() const { return form_.pictures; }
    std::uint32_t FeltColour() const { return form_.FeltColour; }
    std::uint32_t PanelColour() const { return form_.PanelColour; }
    QWidget* ClientArea() const { return form_.ClientArea; }
    TsplashForm* splashForm() const { return form_.splashForm.data(); }
    Canvas& canvas() const { return form_.canvas(); }

    const StoredRecord& Record() const { return form_.Record(); }
    TopFive TopScores() const { return form_.TopScores(); }

    void SetLargeCards() const { form_.SetLargeCards(); }
    void SetRegularCards() const { form_.SetRegularCards(); }
    void Timer1Timer() const { form_.Timer1Timer(); }
    void CheckHighScore() const { form_.CheckHighScore(); }
    void RunHandler(const std::function<void()>& handler) const { form_.RunHandler(handler); }

private:
    TVantrelForm& form_;
};

}  // namespace vantrel::testing
