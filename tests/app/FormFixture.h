#pragma once

// A real main window on the offscreen platform, with both stores in a private folder
// and the desktop faked, plus the pixels of its drawing surface.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "FakeDesktop.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"

class FormFixture {
public:
    FormFixture()
    {
        vantrel::testing::UsePrivateStores(dir_);
        form_ = std::make_unique<vantrel::TVantrelForm>();
        form_->show();
        if (!QTest::qWaitForWindowExposed(form_.get())) {
            qWarning("the main window was not exposed");
        }
        QCoreApplication::processEvents();
        // Wide enough for the large cards and a 1024-pixel banner.
        form_->paintBox->canvas().SetScreenWidthSource([] { return 1024; });
    }

    vantrel::testing::FakeDesktop desktop;

    vantrel::TVantrelForm& Form() { return *form_; }
    const QImage& Surface() const { return form_->paintBox->Surface(); }
    QColor Pixel(int x, int y) const { return Surface().pixelColor(x, y); }
    QColor Felt() const { return vantrel::ColourOf(form_->FeltColour); }

    // The card size through the option's operations.
    void UseLargeCards(bool large)
    {
        if (large) {
            form_->SetLargeCards();
        } else {
            form_->SetRegularCards();
        }
        QCoreApplication::processEvents();
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<vantrel::TVantrelForm> form_;
};
