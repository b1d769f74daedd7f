// Anchoring measures from where the control was placed by hand, so that any
// sequence of parent sizes ends where one direct resize to the last size
// would: no drift in small steps, no size lost when the parent was smaller
// than the control, and the same when the parent is resized before it is
// first shown.
#include "control_fixture.h"

#include <QTest>
#include <functional>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

struct SizeSequence {
    const char* Name;
    bool ShownFirst;  // false: the parent is resized before it is first shown
    std::vector<QSize> Sizes;
};

std::vector<QSize> Steps(QSize from, QSize to, int count)
{
    std::vector<QSize> sizes;
    for (int i = 1; i <= count; ++i)
        sizes.push_back(QSize(from.width() + (to.width() - from.width()) * i / count,
                              from.height() + (to.height() - from.height()) * i / count));
    return sizes;
}

std::vector<QSize> Join(std::vector<QSize> a, const std::vector<QSize>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const QSize Start(300, 200);
const QRect Placed(50, 40, 62, 45);

// The control placed in a 300 by 200 parent, anchored, and its parent taken
// through the sizes; the control's geometry at the end.
template <typename T>
QRect Follow(TAnchors anchors, bool shownFirst, const std::vector<QSize>& sizes)
{
    QWidget window;
    window.resize(Start);
    auto* control = new T(&window);
    control->setGeometry(Placed);
    control->SetAnchors(anchors);
    auto show = [&window] {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    };
    if (shownFirst)
        show();
    for (QSize s : sizes)
        window.resize(s);
    if (!shownFirst)
        show();
    EXPECT_EQ(window.size(), sizes.back());
    return control->geometry();
}

template <typename T>
class Anchoring : public ::testing::Test {};
using AnchoredTypes = ::testing::Types<TMeter, TSpinEdit, TSpinButton>;
TYPED_TEST_SUITE(Anchoring, AnchoredTypes);

TYPED_TEST(Anchoring, AnySequenceOfParentSizesEndsAsOneDirectResize)
{
    const TAnchors anchorSets[] = {
        {akLeft, akTop}, {akRight, akBottom}, {akLeft, akRight, akTop, akBottom}, {}, {akLeft, akRight}, {akBottom},
    };
    const SizeSequence sequences[] = {
        {"shrunk below the control and restored", true, {{30, 20}, Start}},
        {"shrunk to nothing and widened", true, {{0, 0}, {1, 1}, {420, 260}}},
        {"widened one pixel at a time", true, Steps(Start, {400, 300}, 100)},
        {"narrowed one pixel at a time and widened", true, Join(Steps(Start, {200, 100}, 100), {{333, 222}})},
        {"shrunk and restored one pixel at a time", true,
         Join(Steps(Start, {40, 30}, 260), Steps({40, 30}, Start, 260))},
        {"resized before first shown", false, {{400, 300}}},
        {"shrunk and restored before first shown", false, {{30, 20}, Start}},
        {"widened in steps before first shown", false, Steps(Start, {400, 300}, 25)},
    };
    for (const TAnchors& anchors : anchorSets)
        for (const SizeSequence& s : sequences) {
            SCOPED_TRACE(std::string(s.Name) + ", anchors " + std::to_string(anchors.Bits));
            const QRect direct = Follow<TypeParam>(anchors, true, {s.Sizes.back()});
            EXPECT_EQ(Follow<TypeParam>(anchors, s.ShownFirst, s.Sizes), direct);
        }
}

// The control placed in a shown 300 by 200 parent, anchored, the parent
// hidden and taken through the sizes. Qt tells no one of a hidden parent's
// resize; the control's readers apply the anchors at once.
template <typename T>
void FollowWhileHidden(TAnchors anchors, const std::vector<QSize>& sizes)
{
    QWidget window;
    window.resize(Start);
    auto* control = new T(&window);
    control->setGeometry(Placed);
    control->SetAnchors(anchors);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.hide();
    for (QSize s : sizes) {
        window.resize(s);
        SCOPED_TRACE(std::to_string(s.width()) + " by " + std::to_string(s.height()));
        const QRect expected = Follow<T>(anchors, true, {s});
        EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()), expected);
        EXPECT_EQ(control->geometry(), expected);
    }
    // Shown again, it stays where it is.
    const QRect hidden = control->geometry();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(control->geometry(), hidden);
}

TYPED_TEST(Anchoring, AnchoredControlsFollowAHiddenParentAtOnce)
{
    const TAnchors anchorSets[] = {
        {akLeft, akTop}, {akRight, akBottom}, {akLeft, akRight, akTop, akBottom}, {}, {akLeft, akRight, akTop},
    };
    for (const TAnchors& anchors : anchorSets) {
        SCOPED_TRACE("anchors " + std::to_string(anchors.Bits));
        FollowWhileHidden<TypeParam>(anchors, {{400, 300}, {30, 20}, {333, 222}, Start});
    }
}

// Any event of the hidden parent or the control catches the control up
// too, so that Qt's own readers see it placed after the next event.
TEST(AnchoringWhileHidden, AnEventOfTheHiddenParentPlacesTheControl)
{
    QWidget window;
    window.resize(Start);
    auto* meter = new TMeter(&window);
    meter->setGeometry(Placed);
    meter->SetAnchors({akRight, akBottom});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.hide();
    window.resize(400, 250);
    window.setWindowTitle(QStringLiteral("Tacho"));
    EXPECT_EQ(meter->geometry(), QRect(150, 90, 62, 45));
}

// The gauge's geometry follows a hidden parent at once: its radius is that
// of the size anchoring gives it.
TEST(AnchoringWhileHidden, TheGaugesGeometryFollows)
{
    QWidget window;
    window.resize(600, 400);
    auto* meter = new TMeter(&window);
    meter->setGeometry(0, 0, 297, 209);
    meter->SetAnchors({akLeft, akTop, akRight, akBottom});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const double radius = meter->ScaleRadius();
    window.hide();
    window.resize(900, 600);
    TMeter direct;
    direct.SetBounds(0, 0, 597, 409);
    EXPECT_EQ(meter->ScaleRadius(), direct.ScaleRadius());
    EXPECT_GT(meter->ScaleRadius(), radius);
}

// A spin box or button pair cut down to its least size while its parent is
// hidden keeps its placed size as the reference: restored, it is back at it.
TEST(AnchoringWhileHidden, ASizeKeptAtItsLeastIsNoNewReference)
{
    struct Case {
        const char* Name;
        std::function<TControl*(QWidget*)> Make;
        TAnchors Anchors;
        QSize Shrunk;
    };
    const Case cases[] = {
        {"spin box, left, top and bottom", [](QWidget* p) { return static_cast<TControl*>(new TSpinEdit(p)); },
         {akLeft, akTop, akBottom}, {300, 40}},
        {"button pair, left, top and right", [](QWidget* p) { return static_cast<TControl*>(new TSpinButton(p)); },
         {akLeft, akTop, akRight}, {100, 200}},
        {"gauge, all four", [](QWidget* p) { return static_cast<TControl*>(new TMeter(p)); },
         {akLeft, akTop, akRight, akBottom}, {100, 40}},
    };
    for (const Case& c : cases)
        for (const bool readWhileHidden : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (readWhileHidden ? ", read while hidden" : ""));
            QWidget window;
            window.resize(Start);
            TControl* control = c.Make(&window);
            QWidget* w = control->ControlWidget();
            w->setGeometry(20, 30, 100, 60);
            control->SetAnchors(c.Anchors);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.hide();
            window.resize(c.Shrunk);
            if (readWhileHidden)
                (void)control->Height();
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.resize(Start);
            EXPECT_EQ(w->geometry(), QRect(20, 30, 100, 60));
        }
}

// What one direct resize gives, worked by hand: the distances to the
// anchored edges are kept; with neither edge the centre keeps its
// proportion of the parent, (50 + 31) * 400 / 300 - 31 = 77.
TEST(AnchoringByHand, DirectResizes)
{
    struct Case {
        const char* Name;
        TAnchors Anchors;
        QSize To;
        QRect Expected;
    };
    const Case cases[] = {
        {"both edges, back after a shrink", {akLeft, akRight, akTop, akBottom}, Start, Placed},
        {"both edges, wider", {akLeft, akRight, akTop, akBottom}, {400, 250}, {50, 40, 162, 95}},
        {"right and bottom", {akRight, akBottom}, {400, 250}, {150, 90, 62, 45}},
        {"neither edge", {}, {400, 200}, {77, 40, 62, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Follow<TMeter>(c.Anchors, true, {{30, 20}, c.To}), c.Expected);
        EXPECT_EQ(Follow<TMeter>(c.Anchors, true, Steps(Start, c.To, 50)), c.Expected);
        EXPECT_EQ(Follow<TMeter>(c.Anchors, false, {{30, 20}, c.To}), c.Expected);
    }
}

// A control moved by hand after anchoring measures from its new place.
TEST(AnchoringByHand, AMoveByHandIsTheNewReference)
{
    QWidget window;
    window.resize(Start);
    auto* meter = new TMeter(&window);
    meter->setGeometry(Placed);
    meter->SetAnchors({akRight, akBottom});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(320, 210);
    EXPECT_EQ(meter->geometry(), QRect(70, 50, 62, 45));
    meter->setGeometry(10, 10, 62, 45);
    window.resize(30, 20);
    window.resize(300, 200);
    EXPECT_EQ(meter->geometry(), QRect(-10, 0, 62, 45));
}

} // namespace
