#include "TableFixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "paint/TableFont.h"
#include "platform/Desktop.h"

TableFixture::TableFixture()
{
    qputenv("VANTREL_MACHINE_STORE", dir_.filePath(QStringLiteral("machine.reg")).toLocal8Bit());
    qputenv("VANTREL_USER_STORE", dir_.filePath(QStringLiteral("user.reg")).toLocal8Bit());
    vantrel::Desktop& desktop = vantrel::CurrentDesktop();
    desktop.beep = [this] { ++beeps_; };
    desktop.confirm = [](QWidget*, const QString&, const QString&) { return true; };
    desktop.askText = [](QWidget*, const QString&, const QString&, const QString& preset) {
        return preset;
    };
    desktop.showError = [](QWidget*, const QString& text) { QFAIL(qPrintable(text)); };
    desktop.openUrl = [](const QUrl&) {};
    form_ = std::make_unique<vantrel::TVantrelForm>();
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get())) {
        qWarning("the main window was not exposed");
    }
    QCoreApplication::processEvents();
    // Wide enough for the large cards and a 1024-pixel banner.
    form_->paintBox->canvas().SetScreenWidthSource([] { return 1024; });
}

TableFixture::~TableFixture()
{
    form_.reset();
    vantrel::UseRealDesktop();
}

const QImage& TableFixture::surface() const
{
    return form_->paintBox->Surface();
}

QColor TableFixture::pixel(int x, int y) const
{
    return surface().pixelColor(x, y);
}

void TableFixture::useLargeCards(bool large)
{
    if (large) {
        form_->SetLargeCards();
    } else {
        form_->SetRegularCards();
    }
    QCoreApplication::processEvents();
}

void TableFixture::useAltColors(bool alt)
{
    if (alt) {
        form_->SetAltColors();
    } else {
        form_->SetNormalColors();
    }
}

void TableFixture::repaint()
{
    form_->paintBox->Invalidate();
    form_->paintBox->PaintPendingRequest();
}

void TableFixture::clearBoard()
{
    form_->Board.Fill(vantrel::Nothing);
    for (int c = 1; c <= 6; ++c) {
        form_->ScoreTable(c, vantrel::ShownScoreColumn) = vantrel::NoScore;
    }
}

QColor TableFixture::felt() const
{
    return Colour(form_->FeltColour);
}

QColor TableFixture::panel() const
{
    return Colour(form_->PanelColour);
}

QColor Colour(std::uint32_t bgr)
{
    return vantrel::ColourOf(bgr);
}

bool ShowsPicture(const QImage& surface, int x, int y, const QImage& picture)
{
    if (picture.isNull()) {
        return false;
    }
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            if (surface.pixel(x + px, y + py) != picture.pixel(px, py)) {
                qWarning("picture differs at (%d, %d)", x + px, y + py);
                return false;
            }
        }
    }
    return true;
}

bool AllOf(const QImage& surface, const QRect& area, const QColor& colour)
{
    return CountOf(surface, area, colour) == area.width() * area.height();
}

int CountOf(const QImage& surface, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += surface.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage TextImage(const QString& text, int points, const QColor& ink, const QColor& background)
{
    const QFont font = vantrel::TableFont(points);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text), metrics.height(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return image;
}
