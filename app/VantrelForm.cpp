#include "app/VantrelForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMoveEvent>
#include <QTimer>

#include <exception>
#include <utility>

#include "app/StoreReasons.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"
#include "paint/PaintBox.h"
#include "platform/Desktop.h"
#include "store/StoreWriteError.h"

namespace vantrel {

namespace {

constexpr int SplashMilliseconds = 1500;
// The drawing surface stops this far above the bottom of the client area.
constexpr int PaintBoxBottomGap = 4;

// The error box of a refused save, in the player's language: the first line, then the
// store's reason.
QString StoreErrorText(const StoreWriteError& error)
{
    QString text = QCoreApplication::translate("TVantrelForm", "Failed to set data for '%1'")
                       .arg(QString::fromStdString(error.ValueName()));
    if (!error.Reason().empty()) {
        text += QLatin1Char('\n') + ReasonInWords(QString::fromStdString(error.Reason()));
    }
    return text;
}

}  // namespace

TVantrelForm::TVantrelForm(FormSeams seams, QWidget* parent)
    : QMainWindow(parent),
      desktop_(seams.desktop),
      help_(seams.help),
      reminder_(seams.reminder),
      keptRecord_(std::move(seams.machineStore))
{
    setObjectName(QStringLiteral("VantrelForm"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/vantrel")));
    BuildMainMenu();
    CreateClientArea();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });
    // Key preview: the window sees every key before the focused control does.
    qApp->installEventFilter(this);
    FormCreate(seams.seed);
}

TVantrelForm::~TVantrelForm() { qApp->removeEventFilter(this); }

void TVantrelForm::FormCreate(const std::function<std::uint32_t()>& seed)
{
    ShowStartupSplash();
    Timer1->start(SplashMilliseconds);
    pictures.Load();
    Random().Seed(seed());
    LoadRecord();
    setWindowTitle(QCoreApplication::translate("TVantrelForm", ProgramTitle));
    ResetGameState();
}

void TVantrelForm::CreateClientArea()
{
    ClientArea = new QWidget(this);
    ClientArea->setAutoFillBackground(true);
    setCentralWidget(ClientArea);
    paintBox = new PaintBox(ClientArea);
    paintBox->setObjectName(QStringLiteral("PaintBox"));
    paintBox->SetPaintHandler([this] { PaintBoxPaint(); });
    paintBox->SetMouseHandlers(
        [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
            RunHandler([=, this] { PaintBoxMouseDown(button, shift, x, y); });
        },
        [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
            RunHandler([=, this] { PaintBoxMouseUp(button, shift, x, y); });
        });
    ClientArea->installEventFilter(this);
    ConnectTableAccess();
}

void TVantrelForm::RunHandler(const std::function<void()>& handler)
{
    const bool outermost = handlerDepth_ == 0;
    if (outermost) {
        refusedColumn_ = 0;
        requestedWords_.clear();
        handlerStart_ = MomentOf(*this);
    }
    ++handlerDepth_;
    try {
        handler();
    } catch (const StoreWriteError& error) {
        desktop_.showError(this, StoreErrorText(error));
    } catch (const std::exception& error) {
        desktop_.showError(this, QString::fromUtf8(error.what()));
    }
    --handlerDepth_;
    if (outermost) {
        AnnounceOutcome();
    }
}

void TVantrelForm::FormResize()
{
    paintBox->setGeometry(0, 0, ClientArea->width(),
                          std::max(0, ClientArea->height() - PaintBoxBottomGap));
}

void TVantrelForm::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_F1) {
        key = 0;
        help_.ShowHelp(this);
    } else if (const int step = FocusStep(key, shift)) {
        key = 0;
        MoveTableFocus(step);
    } else if (IsSpeechKey(key, shift)) {
        const int asked = key;
        key = 0;
        SpeechKeyDown(asked);
    } else if (IsPlayKey(key, shift)) {
        const int played = key;
        key = 0;
        PlayKeyDown(played);
    }
}

void TVantrelForm::FormClose() { reminder_.CheckDonationReminder(this); }

bool TVantrelForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ClientArea && event->type() == QEvent::Resize) {
        FormResize();
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        // Keys for the menu bar, once Alt or F10 has taken it, stay with it.
        if (watched == menuBar()) {
            return QMainWindow::eventFilter(watched, event);
        }
        // A key held down plays once, as a held mouse button does.
        if (keyEvent->isAutoRepeat() && IsPlayKey(keyEvent->key(), keyEvent->modifiers())) {
            return true;
        }
        int key = keyEvent->key();
        RunHandler([&] { FormKeyDown(key, keyEvent->modifiers()); });
        if (key == 0) {
            return true;  // handled: no control sees it
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVantrelForm::closeEvent(QCloseEvent* event)
{
    // Closed by its frame with changes the store refused before: they get one more
    // try, so that an entry is not lost because the lock was busy a moment. (Quit has
    // saved everything before it closes.)
    RunHandler([this] { keptRecord_.SavePendingChanges(); });
    RunHandler([this] { FormClose(); });
    event->accept();
}

// --- the game's hooks ------------------------------------------------------------

void TVantrelForm::RepaintTable()
{
    paintBox->Invalidate();
    PaintBoxPaint();
}

void TVantrelForm::InvalidateWindow()
{
    update();
    paintBox->Invalidate();
}

void TVantrelForm::Beep()
{
    desktop_.beep();
    refusedColumn_ = attemptedColumn_;
}

void TVantrelForm::SetDefaultCursor() { setCursor(Qt::ArrowCursor); }

void TVantrelForm::SetUndoEnabled(bool enabled) { MenuGameUndoItem->setEnabled(enabled); }

bool TVantrelForm::RulesItemChecked(bool regular) const
{
    return (regular ? MenuOptionsPlayRegGameItem : MenuOptionsRelaxedRulesItem)->isChecked();
}

void TVantrelForm::CheckRulesItem(bool regular)
{
    MenuOptionsPlayRegGameItem->setChecked(regular);
    MenuOptionsRelaxedRulesItem->setChecked(!regular);
}

int TVantrelForm::StoredPlayRegGame() const { return Record().PlayRegGame(); }

}  // namespace vantrel
