#include "auxiliary/DonateForm.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "auxiliary/AccessibleParts.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/DonateSchedule.h"
#include "auxiliary/Help.h"
#include "auxiliary/Look.h"
#include "auxiliary/WebSite.h"

namespace vantrel {

namespace {

constexpr int ProceedImageSize = 24;

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

// A cream part: its ground and everything drawn on it in fixed colours.
void FillCream(QFrame* part)
{
    part->setPalette(FixedColours(Cream));
    part->setAutoFillBackground(true);
}

QIcon ProceedIcon()
{
    // One picture holds both images side by side: normal, then disabled.
    const QPixmap sheet(QStringLiteral(":/pictures/proceed"));
    QIcon icon;
    icon.addPixmap(sheet.copy(0, 0, ProceedImageSize, ProceedImageSize), QIcon::Normal);
    icon.addPixmap(sheet.copy(ProceedImageSize, 0, ProceedImageSize, ProceedImageSize),
                   QIcon::Disabled);
    return icon;
}

}  // namespace

QString DonateItemText(int index)
{
    switch (index) {
        case DonateNow:
            return TDonateForm::tr("Yes, take me to the donations page now!");
        case AskInTwoWeeks:
            return TDonateForm::tr(
                "I still have to check it a bit more, show this again in two weeks");
        case AlreadyDonated:
            return TDonateForm::tr("I already made a donation, don't show this dialog again");
        case NeverDonate:
            return TDonateForm::tr("No, I don't want to donate, never show this dialog again");
        case AskTomorrow:
            return TDonateForm::tr("Not now, notify me again in 1 day");
        default:
            return QString();
    }
}

TDonateForm::TDonateForm(QWidget* owner, DonateReminder& reminder, const HelpOpener& help)
    : QDialog(owner), reminder_(reminder), help_(help)
{
    setObjectName(QStringLiteral("DonateForm"));
    setWindowTitle(tr("Make a Donation"));
    setFixedSize(366, 473);
    setFont(AuxiliaryFont(11));
    // The ground is fixed, so its text colour is too; "Proceed" keeps the desktop's
    // button colours, which go together whatever the theme.
    Paint(this, QPalette::Window, ColourOf(MoneyGreen));
    Paint(this, QPalette::WindowText, ColourOf(Black));
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setGeometry(8, 8, 350, 135);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/donate")));
    CreateRadioGroup();
    CreateProceedButton();
    CreatePanel();
    setTabOrder(rgDonateItems->button(DonateNow), ntmOK);
    NameForScreenReaders();
    FormCreate();
}

// The picture reads as what it says, the answers as one group named by the question
// they answer, and the address as a link.
void TDonateForm::NameForScreenReaders()
{
    Image1->setAccessibleName(tr("Thank you!"));
    rgDonate->setAccessibleName(tr("Would you like to make a donation?"));
    ReadWithRole(rgDonate, QAccessible::Grouping);
    ReadWithRole(Panel1, QAccessible::Grouping);
    ReadAsLink(lblHomePage, [this] { lblHomePageClick(); });
}

void TDonateForm::CreateRadioGroup()
{
    // A plain etched frame rather than a group box: the style tints a group box's
    // inside, and the group is drawn in exactly the cream of the panel below it.
    rgDonate = new QFrame(this);
    rgDonate->setGeometry(8, 152, 350, 145);
    rgDonate->setFrameStyle(QFrame::Box | QFrame::Sunken);
    rgDonate->setLineWidth(1);
    rgDonate->setMidLineWidth(0);
    FillCream(rgDonate);
    rgDonateItems = new QButtonGroup(rgDonate);
    auto* column = new QVBoxLayout(rgDonate);
    column->setContentsMargins(8, 4, 8, 4);
    for (int index = 0; index < DonateAnswerCount; ++index) {
        auto* item = new QRadioButton(DonateItemText(index), rgDonate);
        rgDonateItems->addButton(item, index);
        column->addWidget(item);
    }
}

void TDonateForm::CreateProceedButton()
{
    ntmOK = new QPushButton(tr("Proceed"), this);
    ntmOK->setGeometry(224, 432, 133, 33);
    ntmOK->setIcon(ProceedIcon());
    ntmOK->setIconSize(QSize(ProceedImageSize, ProceedImageSize));
    connect(ntmOK, &QPushButton::clicked, this, &TDonateForm::ntmOKClick);
}

void TDonateForm::CreatePanel()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 304, 350, 121);
    // A raised outer bevel around a lowered inner one.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    FillCream(Panel1);

    Label1 = CreatePanelLabel(
        {8, 8, 337, 41}, tr("Donations help offset the cost of running the %1 web site, and they "
                            "let you say \"thank you for a job well done\".")
                             .arg(MakerSiteName()));
    Label2 =
        CreatePanelLabel({8, 56, 337, 41}, tr("Donating is completely optional, and the amount "
                                              "you give is entirely up to you.  Thank you."));
    lblHomePage = new QLabel(HomePageAddress(), Panel1);
    lblHomePage->setGeometry(98, 104, 149, 13);
    lblHomePage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHomePage->setFont(AuxiliaryFont(11, false, true));
    Paint(lblHomePage, QPalette::WindowText, ColourOf(LinkBlue));
    lblHomePage->setCursor(Qt::PointingHandCursor);
    lblHomePage->installEventFilter(this);
}

QLabel* TDonateForm::CreatePanelLabel(const QRect& bounds, const QString& text)
{
    auto* label = new QLabel(text, Panel1);
    label->setGeometry(bounds);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void TDonateForm::FormCreate()
{
    SetItemIndex(DonateNow);
    rgDonateItems->button(DonateNow)->setFocus();
}

int TDonateForm::ItemIndex() const { return rgDonateItems->checkedId(); }

void TDonateForm::SetItemIndex(int index)
{
    if (auto* item = rgDonateItems->button(index)) {
        item->setChecked(true);
    }
}

void TDonateForm::ntmOKClick() { close(); }

void TDonateForm::lblHomePageClick()
{
    help_.OpenDocument(HomePageAddress(), QString(), QString(), ShowNormalActivated);
}

void TDonateForm::done(int result)
{
    // Every way of closing ends here ("Proceed" and the close box alike); the answer
    // is applied once per showing.
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}

void TDonateForm::FormClose() { reminder_.DonateFormClosed(ItemIndex()); }

bool TDonateForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblHomePage && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblHomePage->rect().contains(mouse->position().toPoint())) {
            lblHomePageClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDonateForm::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the dialog: closing applies the selected answer, and the
    // answer selected at first opens the donation page. It takes "Proceed" or the
    // close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrel
