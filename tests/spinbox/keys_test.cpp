#include "KeplerControls/spin_button.h"
#include "spin_fixture.h"
#include "timer_speed_button.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>

using namespace Kepler;

TEST_F(SpinFixture, CharacterFilter)
{
    struct Case {
        char16_t Key;
        bool Editable; // accepted with EditorEnabled True
        bool Locked;   // accepted with EditorEnabled False
    };
    const Case cases[] = {
        {u'0', true, false}, {u'9', true, false}, {u'+', true, false}, {u'-', true, false},
        {u',', true, false},  // the German decimal separator
        {u'.', false, false}, {u' ', false, false}, {u'a', false, false}, {u'$', false, false},
        {u'\b', true, false}, // backspace
        {u'\r', false, false}, // Enter
        {0x03, true, true}, {0x16, true, true}, {0x18, true, true}, {0x1A, true, true}, // Ctrl+C, V, X, Z
        {0x1B, true, true},   // Escape
        {0x7F, false, false}, {0x00E4, false, false}, {0x0660, false, false},
    };
    for (const Case& c : cases) {
        Spin->SetEditorEnabled(true);
        EXPECT_EQ(Spin->AcceptsKeyChar(c.Key), c.Editable) << "code " << int(c.Key);
        Spin->SetEditorEnabled(false);
        EXPECT_EQ(Spin->AcceptsKeyChar(c.Key), c.Locked) << "code " << int(c.Key) << " locked";
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Spin->SetEditorEnabled(true);
    EXPECT_TRUE(Spin->AcceptsKeyChar(u'.'));
    EXPECT_FALSE(Spin->AcceptsKeyChar(u','));
}

// The separator the filter lets through is the platform's, whatever face
// gives it: here a point, while Qt's locale is still German.
TEST_F(SpinFixture, TheDecimalSeparatorIsThePlatforms)
{
    TTestPlatform platform;
    platform.Separator = ".";
    Spin->SetEditorEnabled(true);
    EXPECT_TRUE(Spin->AcceptsKeyChar(u'.'));
    EXPECT_FALSE(Spin->AcceptsKeyChar(u','));
}

TEST_F(SpinFixture, TypedKeysReachTheTextOrBeep)
{
    struct Case {
        bool EditorEnabled;
        Qt::Key Key;
        const char* After;
        int Beeps;
    };
    const Case cases[] = {
        {true, Qt::Key_7, "127", 0},
        {true, Qt::Key_Comma, "12,", 0},
        {true, Qt::Key_A, "12", 1},
        {true, Qt::Key_Space, "12", 1},
        {true, Qt::Key_Return, "12", 1},
        {true, Qt::Key_Enter, "12", 1},
        {true, Qt::Key_Backspace, "1", 0},
        {false, Qt::Key_7, "12", 1},
        {false, Qt::Key_Backspace, "12", 1},
        {false, Qt::Key_Delete, "12", 0}, // deletes as in any edit; nothing after the caret here
        {true, Qt::Key_Up, "13", 0},
        {true, Qt::Key_Down, "11", 0},
        {false, Qt::Key_Up, "13", 0}, // stepping stays allowed
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetEditorEnabled(c.EditorEnabled);
        Spin->SetText("12");
        Spin->end(false);
        Beeps = 0;
        QTest::keyClick(Spin, c.Key);
        EXPECT_EQ(Spin->Text(), c.After) << "key " << QTest::toString(c.Key);
        EXPECT_EQ(Beeps, c.Beeps) << "key " << QTest::toString(c.Key);
    }
}

TEST_F(SpinFixture, DeleteKeyDeletesEvenWhenEditorIsDisabled)
{
    FocusSpin();
    Spin->SetEditorEnabled(false);
    Spin->SetText("12");
    Spin->home(false);
    QTest::keyClick(Spin, Qt::Key_Delete);
    EXPECT_EQ(Spin->Text(), "2");
    EXPECT_EQ(Beeps, 0);
}

TEST_F(SpinFixture, CutAndPasteNeedAnEditableSpinBox)
{
    struct Case {
        bool EditorEnabled;
        bool ReadOnly;
        const char* AfterPaste;
        const char* AfterCut;
    };
    const Case cases[] = {
        {true, false, "$1A", ""},
        {false, false, "5", "5"},
        {true, true, "5", "5"},
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetEditorEnabled(c.EditorEnabled);
        Spin->SetReadOnly(c.ReadOnly);
        QGuiApplication::clipboard()->setText("$1A");
        Spin->SetText("5");
        Spin->selectAll();
        QTest::keyClick(Spin, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Spin->Text(), c.AfterPaste);
        Spin->selectAll();
        QTest::keyClick(Spin, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(Spin->Text(), c.AfterCut);
    }
    EXPECT_EQ(Beeps, 0);
}

TEST_F(SpinFixture, PastedHexReadsAndStaysWithinLimits)
{
    Spin->SetMinValue(1);
    Spin->SetMaxValue(30);
    FocusSpin();
    QGuiApplication::clipboard()->setText("$1A");
    Spin->selectAll();
    QTest::keyClick(Spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Spin->Value(), 26);
    FocusOther();
    EXPECT_EQ(Spin->Text(), "$1A");
}

TEST_F(SpinFixture, ReadOnlyRefusesStepsWithABeep)
{
    Spin->SetValue(5);
    Spin->SetReadOnly(true);
    CountChanges();
    FocusSpin();
    QTest::keyClick(Spin, Qt::Key_Up);
    QTest::keyClick(Spin, Qt::Key_Down);
    QTest::mouseClick(Spin->Button()->UpButton(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "5");
    EXPECT_EQ(Beeps, 3);
    EXPECT_EQ(Changes, 0);
}

TEST_F(SpinFixture, AutoSelectOnKeyboardEntryOnly)
{
    Spin->SetValue(42);
    FocusSpin();
    EXPECT_EQ(Spin->selectedText(), "42");

    FocusOther();
    Spin->SetAutoSelect(false);
    FocusSpin();
    EXPECT_EQ(Spin->selectedText(), "");

    FocusOther();
    Spin->SetAutoSelect(true);
    QTest::mouseClick(Spin, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(Spin->hasFocus());
    EXPECT_EQ(Spin->selectedText(), "");
}

TEST_F(SpinFixture, PressingAHalfFocusesAndSelectsBeforeTheStep)
{
    Spin->SetValue(42);
    FocusOther();
    QString selectedAtPress;
    TTimerSpeedButton* up = Spin->Button()->UpButton();
    up->OnMouseDown = [&, previous = up->OnMouseDown](QObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        previous(s, b, sh, x, y);
        selectedAtPress = Spin->selectedText();
    };
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(Spin->hasFocus());
    EXPECT_EQ(selectedAtPress, "42");
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "43");
    EXPECT_FALSE(Spin->Button()->hasFocus());
    EXPECT_FALSE(up->TimeBtnState().Contains(tbFocusRect));
}

TEST_F(SpinFixture, EnterGoesToADialogsDefaultButtonFirst)
{
    QDialog dialog;
    auto* spin = new TSpinEdit(&dialog);
    spin->SetBounds(10, 10, 61, 22);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(10, 50, 80, 25);
    ok->setDefault(true);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    spin->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(spin->hasFocus());

    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Beeps, 0);
    EXPECT_EQ(spin->Text(), "0");

    // Without a default button Enter reaches the spin box and is refused.
    ok->setDefault(false);
    ok->setAutoDefault(false);
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Beeps, 1);
    EXPECT_EQ(spin->Text(), "0");

    // Escape goes to the dialog too, which cancels.
    QTest::keyClick(spin, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Beeps, 1);
}

TEST_F(SpinFixture, MiddleButtonPasteNeedsAnEditableSpinBox)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "this desktop has no selection to paste";
    FocusSpin();
    Spin->SetEditorEnabled(false);
    Spin->SetText("5");
    clipboard->setText(QStringLiteral("12"), QClipboard::Selection);
    QTest::mouseClick(Spin, Qt::MiddleButton, {}, QPoint(5, 10));
    EXPECT_EQ(Spin->Text(), "5");

    Spin->SetEditorEnabled(true);
    clipboard->setText(QStringLiteral("12"), QClipboard::Selection);
    QTest::mouseClick(Spin, Qt::MiddleButton, {}, QPoint(5, 10));
    EXPECT_NE(Spin->Text(), "5");
}

// Only the left button hands the focus over from a half; the halves never
// take it themselves.
TEST_F(SpinFixture, OnlyALeftPressOnAHalfMovesTheFocus)
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        FocusOther();
        for (TTimerSpeedButton* half : {Spin->Button()->UpButton(), Spin->Button()->DownButton()}) {
            QTest::mousePress(half, button, {}, QPoint(3, 3));
            QTest::mouseRelease(half, button, {}, QPoint(3, 3));
            EXPECT_TRUE(Other->hasFocus()) << button;
            EXPECT_FALSE(half->hasFocus());
        }
    }
    QTest::mousePress(Spin->Button()->DownButton(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(Spin->hasFocus());
    QTest::mouseRelease(Spin->Button()->DownButton(), Qt::LeftButton, {}, QPoint(3, 3));
}

// Any button on the text itself brings the focus, as in any edit.
TEST_F(SpinFixture, AnyPressOnTheTextMovesTheFocus)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        FocusOther();
        QTest::mousePress(Spin, button, {}, QPoint(8, 8));
        EXPECT_TRUE(Spin->hasFocus()) << button;
        QTest::mouseRelease(Spin, button, {}, QPoint(8, 8));
    }
}

// The selection is made before OnEnter runs, however the focus came.
TEST_F(SpinFixture, AutoSelectComesBeforeOnEnter)
{
    Spin->SetValue(42);
    QStringList selectedAtEnter;
    Spin->OnEnter = [&](QObject*) { selectedAtEnter.append(Spin->selectedText()); };
    FocusOther();
    QTest::mousePress(Spin->Button()->UpButton(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(Spin->Button()->UpButton(), Qt::LeftButton, {}, QPoint(3, 3));
    FocusOther();
    QTest::mouseClick(Spin, Qt::RightButton, {}, QPoint(8, 8));
    FocusOther();
    FocusSpin();
    FocusOther();
    QTest::mouseClick(Spin, Qt::LeftButton, {}, QPoint(8, 8)); // a left press keeps its own selection
    EXPECT_EQ(selectedAtEnter, (QStringList{"42", "43", "43", ""}));
    Spin->OnEnter = nullptr;
}

TEST_F(SpinFixture, MaxLengthZeroMeansNoLimit)
{
    EXPECT_EQ(Spin->MaxLength(), 0);
    FocusSpin();
    struct Case {
        int MaxLength;
        const char* Typed;
        const char* Text;
    };
    const Case cases[] = {{3, "12345", "123"}, {0, "12345", "12345"}, {-1, "12345", "12345"}, {1, "98", "9"}};
    for (const Case& c : cases) {
        Spin->SetText(QString());
        Spin->SetMaxLength(c.MaxLength);
        EXPECT_EQ(Spin->MaxLength(), c.MaxLength);
        QTest::keyClicks(Spin, c.Typed);
        EXPECT_EQ(Spin->Text(), c.Text) << c.MaxLength;
    }
    Spin->SetMaxLength(0);
    const QString many(40000, u'7');
    Spin->SetText(many);
    EXPECT_EQ(Spin->Text().size(), many.size()); // no ceiling of the edit's own
}
