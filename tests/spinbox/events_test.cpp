// The mouse, key and focus events the spin box passes on to its owner.
#include "control_event_log.h"
#include "spin_fixture.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

std::string KeyName(int key)
{
    return QKeySequence(key).toString().toStdString();
}

using EventLog = ControlEventLog<TSpinEdit>;

struct MouseStep {
    QEvent::Type Type;
    Qt::MouseButton Button;
    QPoint Pos; // in the widget, border included
    Qt::KeyboardModifiers Keys = Qt::NoModifier;
};

void Send(TSpinEdit& s, const MouseStep& m)
{
    const bool pressing = m.Type == QEvent::MouseButtonPress || m.Type == QEvent::MouseButtonDblClick;
    const Qt::MouseButtons held = pressing ? Qt::MouseButtons(m.Button) : Qt::MouseButtons(Qt::NoButton);
    QMouseEvent e(m.Type, QPointF(m.Pos), QPointF(s.mapToGlobal(m.Pos)), m.Button, held, m.Keys);
    QApplication::sendEvent(&s, &e);
}

} // namespace

// Positions are reported in client coordinates, two pixels of border in.
TEST_F(SpinFixture, MouseEventsFireOnceWithTheirArguments)
{
    struct Case {
        const char* Name;
        std::vector<MouseStep> Steps;
        std::vector<std::string> Expected;
    };
    const QEvent::Type press = QEvent::MouseButtonPress;
    const QEvent::Type release = QEvent::MouseButtonRelease;
    const QEvent::Type dbl = QEvent::MouseButtonDblClick;
    const QEvent::Type move = QEvent::MouseMove;
    // Buttons: 0 left, 1 right, 2 middle. Shift: 1 Shift, 2 Alt, 4 Ctrl,
    // 8 left, 16 right, 32 middle, 64 double.
    const Case cases[] = {
        {"left click", {{press, Qt::LeftButton, {12, 10}}, {release, Qt::LeftButton, {13, 11}}},
         {"down 0 8 10 8", "click", "up 0 0 11 9"}},
        {"left released off the spin box",
         {{press, Qt::LeftButton, {12, 10}}, {release, Qt::LeftButton, {12, 30}}},
         {"down 0 8 10 8", "up 0 0 10 28"}},
        {"right press with Shift",
         {{press, Qt::RightButton, {20, 5}, Qt::ShiftModifier}, {release, Qt::RightButton, {20, 5}, Qt::ShiftModifier}},
         {"down 1 17 18 3", "up 1 1 18 3"}},
        {"double click",
         {{press, Qt::LeftButton, {12, 10}},
          {release, Qt::LeftButton, {12, 10}},
          {dbl, Qt::LeftButton, {12, 10}},
          {release, Qt::LeftButton, {12, 10}}},
         {"down 0 8 10 8", "click", "up 0 0 10 8", "dblclick", "down 0 72 10 8", "up 0 0 10 8"}},
        {"move without a button, with Ctrl", {{move, Qt::NoButton, {30, 12}, Qt::ControlModifier}}, {"move 4 28 10"}},
    };
    FocusSpin();
    for (const Case& c : cases) {
        EventLog log(*Spin);
        for (const MouseStep& s : c.Steps)
            Send(*Spin, s);
        EXPECT_EQ(log.entries, c.Expected) << c.Name;
        // A context menu may have popped up; it must not take the next case's events.
        QApplication::processEvents();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
}

TEST_F(SpinFixture, FocusEventsFireOnceEach)
{
    EventLog log(*Spin);
    FocusSpin();
    FocusOther();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"enter", "exit"}));
}

// Key-down comes first; Up and Down have stepped by then. Only characters
// the filter accepts reach OnKeyPress. Each key-up fires once. Modifier
// keys are keys of their own.
TEST_F(SpinFixture, KeyEventsFireOnceWithTheirArguments)
{
    struct Case {
        Qt::Key Key;
        Qt::KeyboardModifiers Keys;
        std::vector<std::string> Expected;
        const char* After;
    };
    const Case cases[] = {
        {Qt::Key_5, Qt::NoModifier, {"keydown 5 0 12", "keypress 53", "change", "keyup 5 0 125"}, "125"},
        {Qt::Key_Backspace, Qt::NoModifier, {"keydown Backspace 0 12", "keypress 8", "change", "keyup Backspace 0 1"},
         "1"},
        {Qt::Key_A, Qt::NoModifier, {"keydown A 0 12", "keyup A 0 12"}, "12"},         // refused, beeps
        {Qt::Key_Return, Qt::NoModifier, {"keydown Return 0 12", "keyup Return 0 12"}, "12"}, // refused, beeps
        {Qt::Key_Left, Qt::ShiftModifier, {"keydown Shift 1 12", "keydown Left 1 12", "keyup Left 1 12", "keyup Shift 0 12"}, "12"},
        {Qt::Key_Up, Qt::NoModifier, {"change", "keydown Up 0 13", "keyup Up 0 13"}, "13"},
        {Qt::Key_Down, Qt::AltModifier, {"keydown Alt 2 12", "change", "keydown Down 2 11", "keyup Down 2 11", "keyup Alt 0 11"}, "11"},
        {Qt::Key_Z, Qt::ControlModifier, {"keydown Control 4 12", "keydown Z 4 12", "keypress 26", "keyup Z 4 12", "keyup Control 0 12"}, "12"},
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetText("12");
        Spin->end(false);
        EventLog log(*Spin);
        QTest::keyClick(Spin, c.Key, c.Keys);
        EXPECT_EQ(log.entries, c.Expected) << KeyName(c.Key);
        EXPECT_EQ(Spin->Text(), c.After) << KeyName(c.Key);
    }
    EXPECT_EQ(Beeps, 2);
}

TEST_F(SpinFixture, KeyPressHandlerCanDropOrReplaceTheCharacter)
{
    struct Case {
        Qt::Key Key;
        char16_t Replacement;
        const char* After;
        int Changes;
    };
    const Case cases[] = {
        {Qt::Key_5, 0, "12", 0},         // dropped: never reaches the edit
        {Qt::Key_Backspace, 0, "12", 0}, // a dropped backspace deletes nothing
        {Qt::Key_5, u'7', "127", 1},
        {Qt::Key_Comma, u'.', "12.", 1}, // the replacement is not filtered again
        {Qt::Key_5, u'\b', "1", 1},
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetText("12");
        Spin->end(false);
        Changes = 0;
        CountChanges();
        int calls = 0;
        Spin->OnKeyPress = [&](QObject*, char16_t& ch) {
            ++calls;
            ch = c.Replacement;
        };
        QTest::keyClick(Spin, c.Key);
        EXPECT_EQ(calls, 1) << KeyName(c.Key);
        EXPECT_EQ(Spin->Text(), c.After) << KeyName(c.Key);
        EXPECT_EQ(Changes, c.Changes) << KeyName(c.Key);
    }
    EXPECT_EQ(Beeps, 0);
}

// A zeroed key is kept from the edit, character and all. Up and Down have
// already stepped when the handler sees them.
TEST_F(SpinFixture, KeyDownHandlerCanTakeTheKey)
{
    struct Case {
        Qt::Key Key;
        const char* After;
        int Cursor;
        int Beeps;
    };
    const Case cases[] = {
        {Qt::Key_5, "12", 2, 0},
        {Qt::Key_A, "12", 2, 0}, // taken before the filter could refuse it
        {Qt::Key_Backspace, "12", 2, 0},
        {Qt::Key_Home, "12", 2, 0},
        {Qt::Key_Up, "13", 2, 0},
        {Qt::Key_Down, "11", 2, 0},
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetText("12");
        Spin->end(false);
        Beeps = 0;
        int presses = 0;
        QString textSeen;
        Spin->OnKeyPress = [&](QObject*, char16_t&) { ++presses; };
        Spin->OnKeyDown = [&](QObject*, int& key, TShiftState) {
            textSeen = Spin->Text();
            key = 0;
        };
        QTest::keyClick(Spin, c.Key);
        EXPECT_EQ(Spin->Text(), c.After) << KeyName(c.Key);
        EXPECT_EQ(textSeen, c.After) << KeyName(c.Key);
        EXPECT_EQ(Spin->cursorPosition(), c.Cursor) << KeyName(c.Key);
        EXPECT_EQ(presses, 0) << KeyName(c.Key);
        EXPECT_EQ(Beeps, c.Beeps) << KeyName(c.Key);
    }
}

TEST_F(SpinFixture, KeyDownHandlerCanSwapTheKey)
{
    FocusSpin();
    Spin->SetText("12");
    Spin->end(false);
    Spin->OnKeyDown = [](QObject*, int& key, TShiftState) {
        if (key == Qt::Key_5)
            key = Qt::Key_Home;
    };
    QTest::keyClick(Spin, Qt::Key_5);
    EXPECT_EQ(Spin->Text(), "12");
    EXPECT_EQ(Spin->cursorPosition(), 0);
}

TEST_F(SpinFixture, KeyUpFiresOnceAndNotForARepeat)
{
    FocusSpin();
    std::vector<int> ups;
    Spin->OnKeyUp = [&](QObject* sender, int& key, TShiftState shift) {
        EXPECT_EQ(sender, Spin);
        ups.push_back(key);
        ups.push_back(shift);
    };
    QTest::sendKeyEvent(QTest::KeyAction::Release, Spin, Qt::Key_5, '5', Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, "5", true);
    QApplication::sendEvent(Spin, &repeat);
    EXPECT_EQ(ups, (std::vector<int>{Qt::Key_5, 0}));
}

TEST_F(SpinFixture, ComposedTextPassesThroughKeyPress)
{
    FocusSpin();
    Spin->SetText("1");
    Spin->end(false);
    std::vector<int> seen;
    Spin->OnKeyPress = [&](QObject*, char16_t& ch) {
        seen.push_back(ch);
        if (ch == u'3')
            ch = 0;
        else if (ch == u'4')
            ch = u'9';
    };
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("234"));
    QApplication::sendEvent(Spin, &commit);
    EXPECT_EQ(seen, (std::vector<int>{'2', '3', '4'}));
    EXPECT_EQ(Spin->Text(), "129");
}

// Keys a dialog uses for itself never reach the spin box's key events.
TEST_F(SpinFixture, DialogKeysFireNoKeyEvents)
{
    QDialog dialog;
    auto* spin = new TSpinEdit(&dialog);
    spin->SetBounds(10, 10, 61, 22);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    spin->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(spin->hasFocus());
    int downs = 0;
    int presses = 0;
    spin->OnKeyDown = [&](QObject*, int&, TShiftState) { ++downs; };
    spin->OnKeyPress = [&](QObject*, char16_t&) { ++presses; };
    QTest::keyPress(spin, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(presses, 0);
}

// Composed text is filtered character by character, as typed text is: the
// refused characters are dropped, each with one alert.
TEST_F(SpinFixture, ComposedTextIsFilteredCharacterByCharacter)
{
    struct Case {
        const char16_t* Commit;
        bool EditorEnabled;
        const char* Text;
        int Beeps;
    };
    const Case cases[] = {
        {u"1a2", true, "512", 1},
        {u"x7y8z", true, "578", 3},
        {u"ab", true, "5", 2},
        {u"\u0663", true, "5", 1}, // an Arabic-Indic three is not in the set
        {u"42", false, "5", 2},
        {u"", true, "5", 0},
    };
    FocusSpin();
    for (const Case& c : cases) {
        Spin->SetEditorEnabled(c.EditorEnabled);
        Spin->SetText("5");
        Spin->end(false);
        Beeps = 0;
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf16(c.Commit));
        QApplication::sendEvent(Spin, &commit);
        EXPECT_EQ(Spin->Text(), c.Text) << QString::fromUtf16(c.Commit).toStdString();
        EXPECT_EQ(Beeps, c.Beeps) << QString::fromUtf16(c.Commit).toStdString();
    }
}

// A read-only spin box takes composed text as it takes typed keys: the
// filter and OnKeyPress see each character, refused ones sound the alert,
// and the text stays as it is, whatever the commit was to replace. No
// composition shows either.
TEST_F(SpinFixture, ReadOnlyRefusesComposedText)
{
    struct Case {
        const char16_t* Commit;
        int ReplaceFrom, ReplaceLength; // relative to the cursor, at the end
        int Beeps;
    };
    const Case cases[] = {
        {u"12", 0, 0, 0},
        {u"7", -1, 1, 0}, // would replace the "5"
        {u"1a", 0, 0, 1},
    };
    FocusSpin();
    Spin->SetReadOnly(true);
    // The handler stays assigned after the loop, so its counter must too.
    int presses = 0;
    Spin->OnKeyPress = [&presses](QObject*, char16_t&) { ++presses; };
    for (const Case& c : cases) {
        const QString commitText = QString::fromUtf16(c.Commit);
        SCOPED_TRACE(commitText.toStdString());
        Spin->SetText("5");
        Spin->end(false);
        Beeps = 0;
        presses = 0;
        QInputMethodEvent commit;
        commit.setCommitString(commitText, c.ReplaceFrom, c.ReplaceLength);
        QApplication::sendEvent(Spin, &commit);
        EXPECT_EQ(Spin->Text(), "5");
        EXPECT_EQ(Beeps, c.Beeps);
        EXPECT_EQ(presses, commitText.size() - c.Beeps);

        // Typed keys in a read-only spin box do the same.
        Beeps = 0;
        presses = 0;
        QTest::keyClicks(Spin, commitText);
        EXPECT_EQ(Spin->Text(), "5");
        EXPECT_EQ(Beeps, c.Beeps);
        EXPECT_EQ(presses, commitText.size() - c.Beeps);
    }
    QInputMethodEvent composing(QStringLiteral("9"), {});
    QApplication::sendEvent(Spin, &composing);
    EXPECT_EQ(Spin->displayText(), "5");
    EXPECT_EQ(Spin->Text(), "5");

    Spin->SetReadOnly(false);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("3"));
    QApplication::sendEvent(Spin, &commit);
    EXPECT_EQ(Spin->Text(), "53");
}
