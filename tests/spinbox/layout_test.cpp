#include "KeplerControls/canvas.h"
#include "KeplerControls/spin_button.h"
#include "spin_fixture.h"
#include "timer_speed_button.h"

#include <algorithm>
#include <limits>

using namespace Kepler;

namespace {

struct PairCase {
    int Width, Height;
    int ExpectedWidth;
    QRect Up, Down;
};

} // namespace

TEST(SpinButtonLayout, HalvesShareOneRow)
{
    const PairCase cases[] = {
        {15, 17, 15, QRect(0, 0, 15, 8), QRect(0, 7, 15, 10)},
        {15, 16, 15, QRect(0, 0, 15, 8), QRect(0, 7, 15, 9)},
        {10, 25, 15, QRect(0, 0, 15, 12), QRect(0, 11, 15, 14)}, // widened to the minimum
        {20, 25, 20, QRect(0, 0, 20, 12), QRect(0, 11, 20, 14)},
    };
    for (const PairCase& c : cases) {
        TSpinButton pair;
        pair.SetBounds(3, 4, c.Width, c.Height);
        EXPECT_EQ(pair.geometry(), QRect(3, 4, c.ExpectedWidth, c.Height)) << c.Width << "x" << c.Height;
        EXPECT_EQ(pair.UpButton()->geometry(), c.Up) << c.Width << "x" << c.Height;
        EXPECT_EQ(pair.DownButton()->geometry(), c.Down) << c.Width << "x" << c.Height;
    }
}

TEST(SpinButtonLayout, LoadedPairLaysOutOnceLoadingEnds)
{
    TSpinButton pair;
    pair.BeginLoading();
    pair.SetBounds(0, 0, 10, 17);
    EXPECT_EQ(pair.width(), 10);
    pair.Loaded();
    EXPECT_EQ(pair.geometry(), QRect(0, 0, 15, 17));
    EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 7, 15, 10));
}

TEST(SpinButtonLayout, NewPairIs20By25WithFocusMarkOnUpHalf)
{
    TSpinButton pair;
    EXPECT_EQ(pair.size(), QSize(20, 25));
    EXPECT_EQ(pair.FocusedButton(), pair.UpButton());
    EXPECT_FALSE(pair.TabStop());
    EXPECT_TRUE(pair.UpButton()->TimeBtnState().Contains(tbAllowTimer));
    EXPECT_FALSE(pair.UpButton()->IsDownButton());
    EXPECT_TRUE(pair.DownButton()->IsDownButton());
}

TEST_F(SpinFixture, MainWindowInstanceLayout)
{
    TFont font; // "Tahoma", character height 11 px
    Spin->SetFont(font);
    Spin->SetBounds(504, 525, 61, 22);
    ASSERT_LE(Spin->MinimumHeight(), 22);
    EXPECT_EQ(Spin->size(), QSize(61, 22));
    // Client coordinates start inside the 2-pixel border.
    EXPECT_EQ(Spin->Button()->geometry(), QRect(2 + 41, 2 + 0, 15, 17));
    EXPECT_EQ(Spin->Button()->UpButton()->geometry(), QRect(0, 0, 15, 8));
    EXPECT_EQ(Spin->Button()->DownButton()->geometry(), QRect(0, 7, 15, 10));
    EXPECT_EQ(Spin->TextRect(), (TRect{0, 0, 40, 19}));
    // The text is laid out left of the pair.
    EXPECT_GT(Spin->textMargins().right(), 0);
    // The arrows show: tip of the up arrow at glyph (4, 1), base of the down
    // arrow at glyph (1..7, 1), glyphs centred at (3, 1) and (3, 2).
    const QImage shown = Spin->grab().toImage();
    const QPoint pair = Spin->Button()->pos();
    EXPECT_EQ(shown.pixel(pair + QPoint(3 + 4, 0 + 1 + 1)), qRgb(0, 0, 0));
    EXPECT_NE(shown.pixel(pair + QPoint(3 + 3, 0 + 1 + 1)), qRgb(0, 0, 0));
    for (int x = 1; x <= 7; ++x)
        EXPECT_EQ(shown.pixel(pair + QPoint(3 + x, 7 + 2 + 1)), qRgb(0, 0, 0)) << x;
}

TEST_F(SpinFixture, HeightIsRaisedToTheMinimum)
{
    Spin->SetBounds(0, 0, 61, 5);
    EXPECT_EQ(Spin->height(), Spin->MinimumHeight());
    EXPECT_EQ(Spin->Button()->height(), Spin->MinimumHeight() - 5);
}

TEST(SpinEditMinimumHeight, FollowsTheFont)
{
    TSpinEdit small;
    TSpinEdit large;
    QFont f = large.font();
    f.setPixelSize(40);
    large.setFont(f);
    EXPECT_GT(large.MinimumHeight(), small.MinimumHeight() + 20);
    const int fh = QFontMetrics(f).height();
    EXPECT_GE(large.MinimumHeight(), fh + 6);
}

TEST(SpinLayoutHints, SpinBoxAndPairShowAtTheirNaturalSizeInALayout)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new TSpinEdit;
    auto* pair = new TSpinButton;
    layout->addWidget(edit);
    layout->addWidget(pair, 0, Qt::AlignLeft);
    window.show();

    // The font decides the spin box's height, as AutoSize does.
    EXPECT_EQ(edit->height(), edit->sizeHint().height());
    EXPECT_GE(edit->width(), edit->minimumSizeHint().width());
    EXPECT_EQ(pair->size(), QSize(20, 25));
    EXPECT_EQ(pair->sizeHint(), QSize(20, 25));
    EXPECT_EQ(pair->minimumSizeHint().width(), TSpinButton::MinimumWidth);
    EXPECT_GT(edit->minimumSizeHint().width(), edit->Button()->width());
    EXPECT_TRUE(edit->rect().contains(edit->Button()->geometry()));
    // The pair inside the spin box sits at its right edge.
    EXPECT_EQ(edit->Button()->geometry().right(), edit->width() - 4);
}

// Qt adds position and size in plain int: bounds beyond its widget limit
// are brought within it, so that x plus width cannot overflow.
TEST(SpinLayoutBounds, SetBoundsStaysWithinQtsWidgetLimit)
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Limit = QWIDGETSIZE_MAX;
    struct Case {
        const char* Name;
        int Left, Top, Width, Height;
        QRect Expected; // for the pair; the spin box's height is at least its minimum
    };
    const Case cases[] = {
        {"largest position", Max, Max, 61, 22, {Limit, Limit, 61, 22}},
        {"smallest position", Min, Min, 61, 22, {-Limit, -Limit, 61, 22}},
        {"just past the limit", Limit + 1, -Limit - 1, 61, 22, {Limit, -Limit, 61, 22}},
        {"ordinary place", 12, -34, 61, 22, {12, -34, 61, 22}},
        {"largest size", Max, Max, Max, Max, {Limit, Limit, Limit, Limit}},
        {"smallest size", Min, Max, Min, Min, {-Limit, Limit, TSpinButton::MinimumWidth, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSpinButton pair;
        pair.SetBounds(c.Left, c.Top, c.Width, c.Height);
        EXPECT_EQ(pair.geometry(), c.Expected);
        EXPECT_LE(pair.UpButton()->geometry().bottom(), c.Expected.height());

        TSpinEdit spin;
        spin.SetBounds(c.Left, c.Top, c.Width, c.Height);
        EXPECT_EQ(spin.pos(), c.Expected.topLeft());
        EXPECT_EQ(spin.width(), std::max(0, std::min(c.Width, Limit)));
        EXPECT_EQ(spin.height(), std::max(spin.MinimumHeight(), std::min(std::max(c.Height, 0), Limit)));
        // The pair stays inside the spin box's right edge.
        EXPECT_EQ(spin.Button()->x() + spin.Button()->width(), spin.width() - 3);
    }
}

// Right to left, the spin box is mirrored as Qt's own spin boxes are: the
// pair inside the left edge, the text right of it. Back at left to right,
// every pixel is as it was.
TEST_F(SpinFixture, RightToLeftMirrorsPairAndText)
{
    Spin->SetFont(TFont()); // the main window's font, which fits 22 pixels
    Spin->SetBounds(10, 10, 61, 22);
    Spin->SetValue(7);
    const QImage leftToRight = Spin->grab().toImage();
    const QRect pairLeftToRight = Spin->Button()->geometry();
    ASSERT_EQ(pairLeftToRight, QRect(2 + 41, 2, 15, 17));

    Window->setLayoutDirection(Qt::RightToLeft);
    QApplication::processEvents();
    ASSERT_TRUE(Spin->isRightToLeft());
    // The pair is as far from the left edge as it was from the right edge.
    EXPECT_EQ(Spin->Button()->geometry(), QRect(61 - 2 - 41 - 15, 2, 15, 17));
    EXPECT_EQ(Spin->TextRect(), (TRect{17, 0, 57, 19}));
    EXPECT_GT(Spin->textMargins().left(), 0);
    EXPECT_EQ(Spin->textMargins().right(), 0);
    // The digit is drawn right of the pair, and the pair's arrows are the
    // same pixels as before, moved.
    const QImage rightToLeft = Spin->grab().toImage();
    const QRect pair = Spin->Button()->geometry();
    EXPECT_EQ(rightToLeft.copy(pair), leftToRight.copy(pairLeftToRight));
    int textLeft = rightToLeft.width();
    int textRight = -1;
    for (int y = 4; y < 18; ++y)
        for (int x = 2; x < 59; ++x)
            if (!pair.adjusted(-1, 0, 1, 0).contains(x, y) && qGray(rightToLeft.pixel(x, y)) < 128) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
            }
    EXPECT_GT(textLeft, pair.right() + 1);
    EXPECT_LE(textRight, 58);

    // A press on the mirrored pair still steps.
    QTest::mouseClick(Spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Spin->Value(), 8);
    Spin->SetValue(7);
    FocusOther();

    Window->setLayoutDirection(Qt::LeftToRight);
    QApplication::processEvents();
    EXPECT_EQ(Spin->Button()->geometry(), pairLeftToRight);
    EXPECT_EQ(Spin->grab().toImage(), leftToRight);
}
