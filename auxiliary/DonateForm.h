#pragma once

#include <QDialog>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;

namespace vantrel {

class DonateReminder;
class HelpOpener;

// "Make a Donation": five answers in a radio group. However the dialog closes,
// by "Proceed" or by its close box, the selected answer is applied to the
// reminder's state (see DonateReminder). The home-page link opens through help.
class TDonateForm : public QDialog {
    Q_OBJECT

public:
    TDonateForm(QWidget* owner, DonateReminder& reminder, const HelpOpener& help);

    // The selected radio item, 0..4.
    int ItemIndex() const;
    void SetItemIndex(int index);

    QLabel* Image1 = nullptr;
    QFrame* rgDonate = nullptr;
    QButtonGroup* rgDonateItems = nullptr;
    QPushButton* ntmOK = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblHomePage = nullptr;

    void ntmOKClick();
    void lblHomePageClick();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void CreateRadioGroup();
    void CreateProceedButton();
    void CreatePanel();
    QLabel* CreatePanelLabel(const QRect& bounds, const QString& text);

    DonateReminder& reminder_;
    const HelpOpener& help_;
    bool closed_ = false;
};

// The radio items' texts, in order.
QString DonateItemText(int index);

}  // namespace vantrel
