#pragma once

// A real main window on the offscreen platform, on a fake program, with both stores in
// a private folder, plus the pixels of its drawing surface.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "FakeProgram.h"
#include "FormProbe.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"

class FormFixture {
    // Declared first: the window is made on them and goes before them.
    vantrel::testing::FakeProgram program_;
    QTemporaryDir dir_;
    std::unique_ptr<vantrel::TVantrelForm> form_;

public:
    FormFixture()
    {
        vantrel::testing::UsePrivateStores(dir_);
        form_ = vantrel::testing::MakeForm(program_, dir_.filePath(QStringLiteral("machine.reg")));
        form_->show();
        if (!QTest::qWaitForWindowExposed(form_.get())) {
            qWarning("the main window was not exposed");
        }
        QCoreApplication::processEvents();
        // Wide enough for the large cards and a 1024-pixel banner.
        Box().canvas().SetScreenWidthSource([] { return 1024; });
    }

    vantrel::testing::FakeDesktop& desktop = program_.desktop;

    vantrel::TVantrelForm& Form() { return *form_; }
    vantrel::PaintBox& Box() const { return *vantrel::testing::PaintBoxOf(*form_); }
    const QImage& Surface() const { return Box().Surface(); }
    QColor Pixel(int x, int y) const { return Surface().pixelColor(x, y); }
    QColor Felt() const
    {
        return vantrel::ColourOf(vantrel::testing::FormProbe(*form_).FeltColour());
    }

    // The card size through the option's operations.
    void UseLargeCards(bool large)
    {
        const vantrel::testing::FormProbe probe(*form_);
        if (large) {
            probe.SetLargeCards();
        } else {
            probe.SetRegularCards();
        }
        QCoreApplication::processEvents();
    }
};
