// The standard members the gauge, the spin box and the button pair share:
// defaults, what each does through Qt, and loading them like a window does.
#include "control_fixture.h"
#include "meter1_settings.h"
#include "timer_speed_button.h"
#include "qt_font.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWindow>

using namespace Kepler;

template <typename T>
class StandardMembers : public ControlFixture<T> {};
TYPED_TEST_SUITE(StandardMembers, ControlTypes);

namespace {

template <typename T>
struct Defaults;
template <>
struct Defaults<TMeter> {
    static constexpr TColor Color = clBtnFace;
    static constexpr bool TabStop = false;
    static constexpr bool AutoSize = false;
};
template <>
struct Defaults<TSpinEdit> {
    static constexpr TColor Color = clWindow;
    static constexpr bool TabStop = true;
    static constexpr bool AutoSize = true;
};
template <>
struct Defaults<TSpinButton> {
    static constexpr TColor Color = clBtnFace;
    static constexpr bool TabStop = false;
    static constexpr bool AutoSize = false;
};

QColor Background(const QWidget& w)
{
    return w.palette().color(w.backgroundRole());
}

} // namespace

TYPED_TEST(StandardMembers, DefaultsAfterConstruction)
{
    TypeParam& c = *this->Control;
    EXPECT_EQ(c.Align(), alNone);
    EXPECT_EQ(c.Anchors(), (TAnchors{akLeft, akTop}));
    EXPECT_EQ(c.Constraints().MinWidth(), 0);
    EXPECT_EQ(c.Constraints().MaxHeight(), 0);
    EXPECT_EQ(c.AutoSize(), Defaults<TypeParam>::AutoSize);
    EXPECT_EQ(c.Color(), Defaults<TypeParam>::Color);
    EXPECT_FALSE(c.ParentColor());
    EXPECT_TRUE(c.ParentFont());
    EXPECT_TRUE(c.Ctl3D());
    EXPECT_TRUE(c.ParentCtl3D());
    EXPECT_EQ(c.StyleElements(), (TStyleElements{seFont, seClient, seBorder}));
    EXPECT_EQ(c.Hint(), "");
    EXPECT_TRUE(c.ShowHint()); // a plain Qt parent shows its tooltips
    EXPECT_TRUE(c.ParentShowHint());
    EXPECT_EQ(c.PopupMenu(), nullptr);
    EXPECT_EQ(c.DragCursor(), crDrag);
    EXPECT_EQ(c.DragKind(), dkDrag);
    EXPECT_EQ(c.DragMode(), dmManual);
    EXPECT_FALSE(c.Dragging());
    EXPECT_TRUE(c.Enabled());
    EXPECT_TRUE(c.Visible());
    EXPECT_EQ(c.TabStop(), Defaults<TypeParam>::TabStop);
}

// Members without a Qt counterpart keep what they are given and change
// nothing.
TYPED_TEST(StandardMembers, StoredOnlyMembersReadBack)
{
    TypeParam& c = *this->Control;
    const QImage before = c.grab().toImage();
    c.SetCtl3D(false);
    c.SetParentCtl3D(false);
    c.SetStyleElements({seFont});
    c.SetDragCursor(crHandPoint);
    c.SetDragKind(dkDock);
    EXPECT_FALSE(c.Ctl3D());
    EXPECT_FALSE(c.ParentCtl3D());
    EXPECT_EQ(c.StyleElements(), TStyleElements{seFont});
    EXPECT_EQ(c.DragCursor(), crHandPoint);
    EXPECT_EQ(c.DragKind(), dkDock);
    EXPECT_EQ(c.grab().toImage(), before);
}

// The hint up to the first "|" is the tooltip while ShowHint is set.
TYPED_TEST(StandardMembers, HintIsTheTooltip)
{
    TypeParam& c = *this->Control;
    c.SetHint(QStringLiteral("Schrittweite|Tage je Rechenschritt"));
    EXPECT_EQ(c.toolTip(), "Schrittweite");
    c.SetShowHint(false);
    EXPECT_FALSE(c.ParentShowHint());
    EXPECT_EQ(c.toolTip(), "");
    c.SetParentShowHint(true);
    EXPECT_TRUE(c.ShowHint());
    EXPECT_EQ(c.toolTip(), "Schrittweite");
    c.SetHint(QString());
    EXPECT_EQ(c.toolTip(), "");
}

// A child control with ParentShowHint follows its parent control's ShowHint.
TEST(StandardMembersNesting, ShowHintFollowsTheParentControl)
{
    TSpinEdit spin;
    TSpinButton& pair = *spin.Button();
    pair.SetHint(QStringLiteral("Pfeile"));
    EXPECT_EQ(pair.toolTip(), "Pfeile");
    spin.SetShowHint(false);
    EXPECT_FALSE(pair.ShowHint());
    EXPECT_EQ(pair.toolTip(), "");
    spin.SetShowHint(true);
    EXPECT_EQ(pair.toolTip(), "Pfeile");
    pair.SetShowHint(false);
    spin.SetShowHint(false);
    spin.SetShowHint(true);
    EXPECT_FALSE(pair.ShowHint()); // no longer follows
}

TYPED_TEST(StandardMembers, ColorAndParentColor)
{
    TypeParam& c = *this->Control;
    c.SetColor(clYellow);
    EXPECT_EQ(Background(c), QColor(255, 255, 0));
    EXPECT_FALSE(c.ParentColor());

    QPalette p = this->Window->palette();
    p.setColor(QPalette::Window, QColor(10, 20, 30));
    this->Window->setPalette(p);
    EXPECT_EQ(Background(c), QColor(255, 255, 0)); // its own colour stays

    c.SetParentColor(true);
    EXPECT_EQ(c.Color(), RGB(10, 20, 30));
    EXPECT_EQ(Background(c), QColor(10, 20, 30));
    p.setColor(QPalette::Window, QColor(40, 50, 60));
    this->Window->setPalette(p);
    EXPECT_EQ(c.Color(), RGB(40, 50, 60)); // and follows the parent
    EXPECT_EQ(Background(c), QColor(40, 50, 60));
}

TEST(StandardMembersNesting, ParentColorOfAControlParentIsItsColor)
{
    TSpinEdit spin;
    spin.SetColor(clCream);
    TSpinButton& pair = *spin.Button();
    pair.SetParentColor(true);
    EXPECT_EQ(pair.Color(), clCream);
    spin.SetColor(clSilver);
    EXPECT_EQ(pair.Color(), clSilver);
}

// Qt widgets inherit their parent's font; the gauge copies it into the font
// it draws its labels with.
TYPED_TEST(StandardMembers, ParentFontFollowsTheParent)
{
    TypeParam& c = *this->Control;
    auto drawnFont = [&c]() -> QFont {
        if constexpr (std::is_same_v<TypeParam, TMeter>)
            return ToQFont(c.Font());
        else
            return c.font();
    };
    QFont big = this->Window->font();
    big.setPixelSize(21);
    big.setBold(true);
    this->Window->setFont(big);
    EXPECT_TRUE(c.ParentFont());
    EXPECT_EQ(drawnFont().pixelSize(), 21);
    EXPECT_TRUE(drawnFont().bold());

    TFont own;
    own.SetHeight(-9);
    if constexpr (std::is_same_v<TypeParam, TSpinButton>)
        c.setFont(ToQFont(own));
    else
        c.SetFont(own);
    EXPECT_FALSE(c.ParentFont());
    big.setPixelSize(25);
    this->Window->setFont(big);
    EXPECT_EQ(drawnFont().pixelSize(), 9);

    c.SetParentFont(true);
    EXPECT_TRUE(c.ParentFont());
    EXPECT_EQ(drawnFont().pixelSize(), 25);
    c.SetParentFont(false);
    big.setPixelSize(30);
    this->Window->setFont(big);
    EXPECT_EQ(drawnFont().pixelSize(), 25);
}

TYPED_TEST(StandardMembers, PopupMenuReplacesTheOwnMenu)
{
    TypeParam& c = *this->Control;
    QMenu menu;
    menu.addAction(QStringLiteral("Eigener Eintrag"));
    c.SetPopupMenu(&menu);
    EXPECT_EQ(c.PopupMenu(), &menu);
    QWindow* window = this->Window->windowHandle();
    const QPoint at = c.mapTo(this->Window.get(), QPoint(3, 3));
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    EXPECT_EQ(QApplication::activePopupWidget(), &menu);
    menu.close();
}

TEST(StandardMembersNesting, ForgottenPopupMenu)
{
    TSpinEdit spin;
    auto* menu = new QMenu;
    spin.SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(spin.PopupMenu(), nullptr);
}

TYPED_TEST(StandardMembers, AlignKeepsTheControlAlongItsEdge)
{
    TypeParam& c = *this->Control;
    QWidget& w = *this->Window;
    struct Case {
        TAlign Align;
        QRect In200x100;
        QRect In300x150;
    };
    const Case cases[] = {
        {alTop, {0, 0, 200, 40}, {0, 0, 300, 40}},
        {alBottom, {0, 60, 200, 40}, {0, 110, 300, 40}},
        {alLeft, {0, 0, 61, 100}, {0, 0, 61, 150}},
        {alRight, {139, 0, 61, 100}, {239, 0, 61, 150}},
        {alClient, {0, 0, 200, 100}, {0, 0, 300, 150}},
    };
    for (const Case& k : cases) {
        w.resize(200, 100);
        c.SetAlign(alNone);
        c.setGeometry(10, 10, 61, 40);
        c.SetAlign(k.Align);
        EXPECT_EQ(c.Align(), k.Align);
        EXPECT_EQ(c.geometry(), k.In200x100) << k.Align;
        w.resize(300, 150);
        EXPECT_EQ(c.geometry(), k.In300x150) << k.Align;
    }
}

// Several aligned controls share the parent edge by edge.
TEST(StandardMembersNesting, AlignedControlsShareTheParent)
{
    QWidget window;
    window.resize(200, 100);
    auto* top = new TSpinButton(&window);
    auto* left = new TSpinButton(&window);
    auto* client = new TSpinButton(&window);
    top->setGeometry(0, 0, 20, 25);
    left->setGeometry(0, 0, 30, 25);
    client->SetAlign(alClient);
    top->SetAlign(alTop);
    left->SetAlign(alLeft);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(top->geometry(), QRect(0, 0, 200, 25));
    EXPECT_EQ(left->geometry(), QRect(0, 25, 30, 75));
    EXPECT_EQ(client->geometry(), QRect(30, 25, 170, 75));
    top->hide();
    EXPECT_EQ(left->geometry(), QRect(0, 0, 30, 100));
    EXPECT_EQ(client->geometry(), QRect(30, 0, 170, 100));
}

TYPED_TEST(StandardMembers, AnchorsKeepTheDistancesToTheirEdges)
{
    TypeParam& c = *this->Control;
    QWidget& w = *this->Window;
    struct Case {
        TAnchors Anchors;
        QRect In300x150;
    };
    const Case cases[] = {
        {{akLeft, akTop}, {20, 10, 61, 40}},
        {{akRight, akBottom}, {120, 60, 61, 40}},
        {{akLeft, akRight, akTop, akBottom}, {20, 10, 161, 90}},
        {{}, {45, 25, 61, 40}}, // the centre keeps its proportion
    };
    for (const Case& k : cases) {
        w.resize(200, 100);
        c.setGeometry(20, 10, 61, 40);
        c.SetAnchors(k.Anchors);
        EXPECT_EQ(c.Anchors(), k.Anchors);
        w.resize(300, 150);
        EXPECT_EQ(c.geometry(), k.In300x150) << k.Anchors.Bits;
        w.resize(200, 100);
        EXPECT_EQ(c.geometry(), QRect(20, 10, 61, 40)) << k.Anchors.Bits;
    }
}

TYPED_TEST(StandardMembers, ConstraintsLimitTheSize)
{
    TypeParam& c = *this->Control;
    c.Constraints().SetMinWidth(40);
    c.Constraints().SetMaxWidth(80);
    c.Constraints().SetMaxHeight(60);
    c.setGeometry(0, 0, 20, 100);
    EXPECT_EQ(c.width(), 40);
    EXPECT_EQ(c.height(), 60);
    c.setGeometry(0, 0, 120, 50);
    EXPECT_EQ(c.size(), QSize(80, 50));
    TSizeConstraints none;
    c.SetConstraints(none);
    c.setGeometry(0, 0, 120, 50);
    EXPECT_EQ(c.size(), QSize(120, 50));
}

TYPED_TEST(StandardMembers, EnabledVisibleTabStop)
{
    TypeParam& c = *this->Control;
    c.SetEnabled(false);
    EXPECT_FALSE(c.Enabled());
    EXPECT_FALSE(c.isEnabled());
    c.SetEnabled(true);
    this->Window->setEnabled(false);
    EXPECT_TRUE(c.Enabled()); // its own flag
    this->Window->setEnabled(true);
    c.SetVisible(false);
    EXPECT_FALSE(c.Visible());
    EXPECT_FALSE(c.isVisible());
    c.SetVisible(true);
    EXPECT_TRUE(c.isVisible());
    c.SetTabStop(!Defaults<TypeParam>::TabStop);
    EXPECT_EQ(c.TabStop(), !Defaults<TypeParam>::TabStop);
    EXPECT_EQ(bool(c.focusPolicy() & Qt::TabFocus), !Defaults<TypeParam>::TabStop);
}

TEST(StandardMembersNesting, TabOrderIsThePositionAmongTheParentsControls)
{
    QWidget window;
    TSpinEdit* spins[3];
    for (TSpinEdit*& s : spins)
        s = new TSpinEdit(&window);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(spins[i]->TabOrder(), i);
    spins[2]->SetTabOrder(0);
    EXPECT_EQ(spins[2]->TabOrder(), 0);
    EXPECT_EQ(spins[0]->TabOrder(), 1);
    EXPECT_EQ(spins[1]->TabOrder(), 2);
    spins[2]->SetTabOrder(99);
    EXPECT_EQ(spins[2]->TabOrder(), 2);
    window.show();
    spins[0]->setFocus(Qt::TabFocusReason);
    QWidget* next = spins[0];
    do
        next = next->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(next, spins[1]);
}

// AutoSize fits the spin box's height to its font.
TEST(StandardMembersNesting, AutoSizeFitsTheSpinBoxToItsFont)
{
    TSpinEdit spin;
    spin.SetBounds(0, 0, 61, 40);
    QFont f = spin.font();
    f.setPixelSize(30);
    spin.setFont(f);
    EXPECT_EQ(spin.height(), spin.MinimumHeight());
    spin.SetAutoSize(false);
    spin.SetBounds(0, 0, 61, 80);
    f.setPixelSize(12);
    spin.setFont(f);
    EXPECT_EQ(spin.height(), 80);
    spin.SetAutoSize(true);
    EXPECT_EQ(spin.height(), spin.MinimumHeight());
}

// A window description sets standard members while the control loads, as
// the main window does for its gauge.
TEST(StandardMembersLoading, TheMainWindowsGaugeSettings)
{
    TMeter meter;
    ApplyMeter1Settings(meter);
    EXPECT_FALSE(meter.ShowHint());
    EXPECT_FALSE(meter.ParentShowHint());
    EXPECT_FALSE(meter.ParentFont());
    EXPECT_EQ(meter.StyleElements(), TStyleElements{seFont});
    EXPECT_EQ(meter.Font().Name(), "Tahoma");
}

TYPED_TEST(StandardMembers, LoadingSetsEveryMember)
{
    TypeParam& c = *this->Control;
    QMenu menu;
    c.BeginLoading();
    c.SetAnchors({akLeft, akBottom});
    c.Constraints().SetMinHeight(12);
    c.SetColor(clLime);
    c.SetCtl3D(false);
    c.SetHint(QStringLiteral("Hinweis"));
    c.SetShowHint(true);
    c.SetPopupMenu(&menu);
    c.SetDragMode(dmAutomatic);
    c.SetStyleElements({seClient});
    c.SetTabStop(true);
    c.Loaded();
    EXPECT_EQ(c.Anchors(), (TAnchors{akLeft, akBottom}));
    EXPECT_EQ(c.minimumHeight(), 12);
    EXPECT_EQ(Background(c), QColor(0, 255, 0));
    EXPECT_FALSE(c.Ctl3D());
    EXPECT_EQ(c.toolTip(), "Hinweis");
    EXPECT_FALSE(c.ParentShowHint());
    EXPECT_EQ(c.PopupMenu(), &menu);
    EXPECT_EQ(c.DragMode(), dmAutomatic);
    EXPECT_EQ(c.StyleElements(), TStyleElements{seClient});
    EXPECT_TRUE(c.TabStop());
}

// A window description's size stands even when its font would fit another.
TEST(StandardMembersLoading, AutoSizeKeepsTheLoadedHeight)
{
    TSpinEdit spin;
    spin.BeginLoading();
    spin.SetBounds(0, 0, 61, 60);
    QFont f = spin.font();
    f.setPixelSize(11);
    spin.setFont(f);
    spin.SetAutoSize(true);
    spin.Loaded();
    EXPECT_EQ(spin.height(), 60);
    f.setPixelSize(20);
    spin.setFont(f);
    EXPECT_EQ(spin.height(), spin.MinimumHeight());
}
