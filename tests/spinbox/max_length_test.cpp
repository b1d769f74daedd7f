// MaxLength limits what the user enters (typed keys, pastes, composed text),
// never the text written from Value; composed text that is refused, or of
// which nothing fits, changes nothing.
#include "spin_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <functional>

using namespace Kepler;

namespace {

struct TextCase {
    const char* Name;
    int MaxLength;
    bool EditorEnabled;
    const char* Start;  // the text before, with the caret at its end
    int SelectFrom;     // with the selection from here to the end; -1 none
    std::function<void(TSpinEdit&)> Act;
    QString Text;       // the text after
    int Beeps;
};

void Commit(TSpinEdit& spin, const QString& text, int replaceFrom = 0, int replaceLength = 0)
{
    QInputMethodEvent e;
    e.setCommitString(text, replaceFrom, replaceLength);
    QApplication::sendEvent(&spin, &e);
}

void Steps(TSpinEdit& spin, int ups)
{
    for (int i = 0; i < ups; ++i)
        spin.StepUp();
}

void Paste(TSpinEdit& spin, const QString& clip)
{
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(&spin, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(SpinFixture, MaxLengthLimitsOnlyWhatTheUserEnters)
{
    const QString many(40000, u'7');
    const TextCase cases[] = {
        {"step up from 99 with MaxLength 2", 2, true, "99", -1, [](TSpinEdit& s) { Steps(s, 1); }, "100", 0},
        {"five steps up from 97 with MaxLength 2", 2, true, "97", -1, [](TSpinEdit& s) { Steps(s, 5); }, "102", 0},
        {"written value with MaxLength 1", 1, true, "0", -1, [](TSpinEdit& s) { s.SetValue(-2147483647 - 1); },
         "-2147483648", 0},
        {"step down from 0 with MaxLength 1", 1, true, "0", -1, [](TSpinEdit& s) { s.StepDown(); }, "-1", 0},
        {"typing stops at MaxLength", 3, true, "", -1, [](TSpinEdit& s) { QTest::keyClicks(&s, "12345"); }, "123",
         0},
        {"typing over a selection may fill it", 3, true, "123", 1,
         [](TSpinEdit& s) { QTest::keyClicks(&s, "45"); }, "145", 0},
        {"typing into a longer written text adds nothing", 2, true, "100", -1,
         [](TSpinEdit& s) { QTest::keyClicks(&s, "1"); }, "100", 0},
        {"paste is cut to MaxLength", 4, true, "1", -1, [](TSpinEdit& s) { Paste(s, "23456"); }, "1234", 0},
        {"paste over a selection", 3, true, "1234", 1, [](TSpinEdit& s) { Paste(s, "98765"); }, "198", 0},
        {"MaxLength 0 takes more than 32767 typed", 0, true, "", -1,
         [&many](TSpinEdit& s) {
             s.SetText(many);
             s.end(false);
             QTest::keyClicks(&s, "8");
         },
         many + "8", 0},
        {"MaxLength 0 takes a long written text whole", 0, true, "", -1, [&many](TSpinEdit& s) { s.SetText(many); },
         many, 0},
        {"the other name of the property is the same limit", 0, true, "99", -1,
         [](TSpinEdit& s) {
             s.setProperty("maxLength", 2);
             EXPECT_EQ(s.MaxLength(), 2);
             Steps(s, 1);
             s.selectAll();
             QTest::keyClicks(&s, "345");
         },
         "34", 0},
        {"commit cut to MaxLength", 3, true, "1", -1, [](TSpinEdit& s) { Commit(s, "2345"); }, "123", 0},
        {"refused commit keeps the text it was to replace", 0, true, "12", -1,
         [](TSpinEdit& s) { Commit(s, "a", -1, 1); }, "12", 1},
        {"accepted commit replaces", 0, true, "12", -1, [](TSpinEdit& s) { Commit(s, "a5", -1, 1); }, "15", 1},
        {"commit of which nothing fits keeps the text", 2, true, "12", -1,
         [](TSpinEdit& s) { Commit(s, "34", -1, 0); }, "12", 0},
        {"refused commit keeps the selection's text", 0, true, "12", 0, [](TSpinEdit& s) { Commit(s, "x"); },
         "12", 1},
        {"control characters in a commit are no text", 0, true, "", -1, [](TSpinEdit& s) { Commit(s, "1\t2\x01"); },
         "12", 0},
        {"control characters with the editor disabled", 0, false, "5", -1, [](TSpinEdit& s) { Commit(s, "\t"); },
         "5", 0},
        {"digits with the editor disabled", 0, false, "5", -1, [](TSpinEdit& s) { Commit(s, "7\t", -1, 1); }, "5",
         1},
    };
    FocusSpin();
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Spin->SetMaxLength(0);
        Spin->SetEditorEnabled(true);
        Spin->SetText(QString::fromLatin1(c.Start));
        Spin->SetMaxLength(c.MaxLength);
        Spin->SetEditorEnabled(c.EditorEnabled);
        if (c.SelectFrom >= 0)
            Spin->setSelection(c.SelectFrom, Spin->Text().size() - c.SelectFrom);
        else
            Spin->end(false);
        Beeps = 0;
        c.Act(*Spin);
        EXPECT_EQ(Spin->Text(), c.Text);
        EXPECT_EQ(Beeps, c.Beeps);
    }
}

} // namespace
