// The window without a mouse: Tab walks the controls in their order, Space
// presses the focused button, the arrow keys move the delay regulator.
#include "form_controls.h"
#include "desktop_run.h"
#include "form1.h"
#include "injected_platform.h"

#include "KeplerControls/spin_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.show();
        Form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    }

    // Sends a key to whatever holds the focus, as the keyboard does.
    static void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, mods);
    }

    InjectedPlatform Platform;
    TForm1 Form;
    TForm1Controls Controls{Form};
};

TEST_F(KeyboardTest, TabWalksTheControlsInOrderAndWrapsAround)
{
    EXPECT_EQ(QApplication::focusWidget(), Controls.EdtmA);
    // The picture comes after the readouts: its menu copies and saves it.
    const QWidget* forward[] = {Controls.EdtwA,     Controls.ImgCanvas, Controls.BtnStart,
                                Controls.BtnStop,   Controls.ScrollBarV, Controls.SpinEdit1,
                                Controls.EdtStart,  Controls.EdtmA};
    for (const QWidget* expected : forward) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->metaObject()->className();
    }
    // Shift+Tab walks back the same way.
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Controls.EdtStart);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Controls.SpinEdit1);
}

TEST_F(KeyboardTest, SpaceStartsARunAndSpaceOnStopEndsIt)
{
    // Tab to Start, Space; while the run goes, Tab to Stop and Space.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Controls.BtnStart);
    Press(Qt::Key_Space);
    bool stopped = false;
    Platform.Drive([&] { return Form.Run().Depth() > 0; },
                   [&](int step) {
                       if (step != 5 || stopped)
                           return;
                       stopped = true;
                       Press(Qt::Key_Tab);
                       ASSERT_EQ(QApplication::focusWidget(), Controls.BtnStop);
                       Press(Qt::Key_Space);
                   });

    EXPECT_TRUE(stopped);
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("8.12.2026"));
    EXPECT_NE(Controls.EdtmA->text(), QStringLiteral("0°"));
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
}

// On the picture Shift+F10 opens its menu, as the Menu key does, with
// "Bild kopieren" and "Bild speichern unter …"; a click does not take the
// focus from where it is.
TEST_F(KeyboardTest, ShiftF10OpensThePicturesMenu)
{
    EXPECT_EQ(Controls.ImgCanvas->focusPolicy(), Qt::TabFocus);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Controls.ImgCanvas);
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                items << a->text();
            menu->close();
        }
    });
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Bild kopieren"), QStringLiteral("Bild speichern unter \u2026")}));
}

TEST_F(KeyboardTest, ArrowKeysMoveTheDelayRegulator)
{
    Controls.ScrollBarV->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), Controls.ScrollBarV);
    struct Step {
        Qt::Key Key;
        int Delay;
    };
    const Step steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1},   {Qt::Key_Down, 2},
        {Qt::Key_Up, 1},    {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1}, {Qt::Key_End, 500},
        {Qt::Key_Left, 499}, {Qt::Key_Home, 0},    {Qt::Key_Left, 0},
    };
    for (const Step& s : steps) {
        Press(s.Key);
        EXPECT_EQ(Form.DelayMs(), s.Delay) << QKeySequence(s.Key).toString().toStdString();
    }
}

TEST_F(KeyboardTest, ArrowKeysStepTheSpinBox)
{
    Controls.SpinEdit1->setFocus();
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    Press(Qt::Key_Down);
    EXPECT_EQ(Controls.SpinEdit1->Value(), 2);
    EXPECT_EQ(Simulation().StepDays, 2.0);
}

} // namespace
