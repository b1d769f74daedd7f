// What the keyboard user sees: the delay regulator shows that it has the
// focus, at display scale 1 and 2, and after Alt the menu bar highlights
// "Infos". The renderings are written as PNG files beside the test for a
// look by eye.
#include "form_controls.h"
#include "form1.h"
#include "injected_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class FocusVisibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.show();
        Form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    }

    InjectedPlatform Platform;
    TForm1 Form;
    TForm1Controls Controls{Form};
};

QImage Render(QWidget* w, qreal scale)
{
    QImage image(w->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    w->render(&image);
    return image;
}

// Pixels of `after` that stand out from `before` (each channel summed).
int ChangedPixels(const QImage& before, const QImage& after)
{
    int n = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QColor a = before.pixelColor(x, y), b = after.pixelColor(x, y);
            const int d = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
                + std::abs(a.blue() - b.blue());
            n += d >= 96;
        }
    return n;
}

int PixelsOfColour(const QImage& image, const QRect& logical, QColor colour)
{
    const QRect r(logical.topLeft() * image.devicePixelRatio(), logical.size() * image.devicePixelRatio());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y).rgb() == colour.rgb();
    return n;
}

TEST_F(FocusVisibleTest, DelayRegulatorShowsItsFocusAtScaleOneAndTwo)
{
    QScrollBar* bar = Controls.ScrollBarV;
    for (qreal scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        Controls.EdtmA->setFocus(Qt::TabFocusReason);
        const QImage without = Render(bar, scale);
        bar->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(bar->hasFocus());
        const QImage with = Render(bar, scale);
        const QString name = QStringLiteral("delay_focus_%1x").arg(scale);
        without.save(name + QStringLiteral("_without.png"));
        with.save(name + QStringLiteral("_with.png"));
        // A frame all round the bar: at least its two long sides.
        EXPECT_GE(ChangedPixels(without, with), int(2 * bar->width() * scale))
            << "no visible focus mark";
    }
}

TEST_F(FocusVisibleTest, FocusMarkAlsoAfterAClick)
{
    QScrollBar* bar = Controls.ScrollBarV;
    const QImage without = Render(bar, 1);
    bar->setFocus(Qt::MouseFocusReason);
    EXPECT_GE(ChangedPixels(without, Render(bar, 1)), 2 * bar->width());
}

TEST_F(FocusVisibleTest, AltHighlightsInfosUntilEscape)
{
    QMenuBar* bar = Controls.MainMenu1;
    const QRect infos = bar->actionGeometry(Controls.Optiions1->menuAction());
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    const QImage before = Render(bar, 1);
    EXPECT_EQ(PixelsOfColour(before, infos, highlight), 0);

    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(bar->hasFocus()) << "Alt does not give the menu bar the keyboard";
    ASSERT_EQ(bar->activeAction(), Controls.Optiions1->menuAction());
    for (qreal scale : {1.0, 2.0}) {
        const QImage after = Render(bar, scale);
        after.save(QStringLiteral("menu_after_alt_%1x.png").arg(scale));
        // Most of the entry's box is filled with the highlight.
        EXPECT_GE(PixelsOfColour(after, infos, highlight), infos.width() * infos.height() * scale * scale / 3)
            << "scale " << scale;
    }

    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_FALSE(bar->hasFocus());
    EXPECT_EQ(PixelsOfColour(Render(bar, 1), infos, highlight), 0);
}

} // namespace
