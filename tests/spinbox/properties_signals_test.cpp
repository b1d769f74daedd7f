// The spin box as Qt sees it: properties through the meta-object system, and
// the signals beside the On... events.
#include "KeplerControls/spin_button.h"
#include "spin_fixture.h"
#include "timer_speed_button.h"

#include <QMetaProperty>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSlider>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

int PropertyIndex(const QObject& o, const char* name)
{
    return o.metaObject()->indexOfProperty(name);
}

void Press(QWidget& w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST_F(SpinFixture, PropertiesReachTheSetters)
{
    struct Case {
        const char* Name;
        QVariant Written;
        std::function<QVariant()> Read;
    };
    const Case cases[] = {
        {"MinValue", -4, [this] { return QVariant(Spin->MinValue()); }},
        {"MaxValue", 40, [this] { return QVariant(Spin->MaxValue()); }},
        {"Increment", 5, [this] { return QVariant(Spin->Increment()); }},
        {"EditorEnabled", false, [this] { return QVariant(Spin->EditorEnabled()); }},
        {"AutoSelect", false, [this] { return QVariant(Spin->AutoSelect()); }},
        {"ReadOnly", true, [this] { return QVariant(Spin->ReadOnly()); }},
        {"MaxLength", 4, [this] { return QVariant(Spin->MaxLength()); }},
        {"Value", 17, [this] { return QVariant(Spin->Value()); }},
    };
    for (const Case& c : cases) {
        ASSERT_GE(PropertyIndex(*Spin, c.Name), 0) << c.Name;
        EXPECT_TRUE(Spin->setProperty(c.Name, c.Written)) << c.Name;
        EXPECT_EQ(c.Read(), c.Written) << c.Name;
        EXPECT_EQ(Spin->property(c.Name), c.Written) << c.Name;
    }
    // Written through the property, the value is clamped like any other.
    Spin->setProperty("Value", 99);
    EXPECT_EQ(Spin->Text(), "40");
    EXPECT_EQ(Spin->metaObject()->userProperty().name(), QByteArray("Value"));
}

// Forms set properties in declaration order; the limits must come first.
TEST_F(SpinFixture, LimitsAreDeclaredBeforeTheValue)
{
    EXPECT_LT(PropertyIndex(*Spin, "MinValue"), PropertyIndex(*Spin, "Value"));
    EXPECT_LT(PropertyIndex(*Spin, "MaxValue"), PropertyIndex(*Spin, "Value"));
}

// ValueChanged reports the number the text reads as, once per change of it.
TEST_F(SpinFixture, ValueChangedFollowsTheNumberRead)
{
    Spin->SetMaxValue(10);
    QSignalSpy values(Spin, &TSpinEdit::ValueChanged);
    QSignalSpy changes(Spin, &TSpinEdit::Change);
    Spin->SetValue(5);
    Spin->SetText("05");  // the text changes, the number does not
    Spin->SetText("x");   // not a number: reads as MinValue, 0
    Spin->SetMinValue(3); // the same text now reads as 3
    Spin->SetValue(3);    // now also the text
    ASSERT_EQ(values.count(), 3);
    EXPECT_EQ(values[0][0].toInt(), 5);
    EXPECT_EQ(values[1][0].toInt(), 0);
    EXPECT_EQ(values[2][0].toInt(), 3);
    EXPECT_EQ(changes.count(), 4);
}

// Each event's handler runs first, then its signal, with the same arguments.
TEST_F(SpinFixture, SignalsFireBesideTheEvents)
{
    std::vector<std::string> log;
    auto both = [&](const char* name) {
        return [&log, name](QObject*) { log.push_back(name); };
    };
    Spin->OnEnter = both("enter");
    Spin->OnExit = both("exit");
    Spin->OnChange = both("change");
    Spin->OnClick = both("click");
    Spin->OnMouseDown = [&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + " " +
                      std::to_string(y));
    };
    Spin->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    Spin->OnKeyDown = [&](QObject*, int& key, TShiftState) { log.push_back("keydown " + std::to_string(key)); };
    Spin->OnKeyPress = [&](QObject*, char16_t& c) { log.push_back("keypress " + std::to_string(c)); };
    Spin->OnKeyUp = [&](QObject*, int& key, TShiftState) { log.push_back("keyup " + std::to_string(key)); };
    QObject::connect(Spin, &TSpinEdit::Enter, [&] { log.push_back("signal enter"); });
    QObject::connect(Spin, &TSpinEdit::Exit, [&] { log.push_back("signal exit"); });
    QObject::connect(Spin, &TSpinEdit::Change, [&] { log.push_back("signal change"); });
    QObject::connect(Spin, &TSpinEdit::Click, [&] { log.push_back("signal click"); });
    QObject::connect(Spin, &TSpinEdit::MouseDown, [&](TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("signal down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + " " +
                      std::to_string(y));
    });
    QObject::connect(Spin, &TSpinEdit::MouseUp, [&] { log.push_back("signal up"); });
    QObject::connect(Spin, &TSpinEdit::KeyDown, [&](int& key, TShiftState) {
        log.push_back("signal keydown " + std::to_string(key));
    });
    QObject::connect(Spin, &TSpinEdit::KeyPress, [&](char16_t& c) { log.push_back("signal keypress " + std::to_string(c)); });
    QObject::connect(Spin, &TSpinEdit::KeyUp, [&](int& key, TShiftState) {
        log.push_back("signal keyup " + std::to_string(key));
    });

    FocusSpin();
    Spin->end(false);
    QTest::keyClick(Spin, Qt::Key_7);
    Press(*Spin, QEvent::MouseButtonPress, {12, 10});
    Press(*Spin, QEvent::MouseButtonRelease, {12, 10});
    FocusOther();
    const std::vector<std::string> expected = {
        "enter", "signal enter",
        "keydown 55", "signal keydown 55", "keypress 55", "signal keypress 55",
        "change", "signal change", "keyup 55", "signal keyup 55",
        "down 0 8 10 8", "signal down 0 8 10 8", "click", "signal click", "up", "signal up",
        "exit", "signal exit",
    };
    EXPECT_EQ(log, expected);
}

// A receiver of the key signals may take or replace keys as a handler can.
TEST_F(SpinFixture, KeySignalReceiversCanTakeOrReplaceKeys)
{
    FocusSpin();
    Spin->SetText("12");
    Spin->end(false);
    QObject::connect(Spin, &TSpinEdit::KeyDown, [](int& key, TShiftState) {
        if (key == Qt::Key_5)
            key = 0;
    });
    QObject::connect(Spin, &TSpinEdit::KeyPress, [](char16_t& c) {
        if (c == u'6')
            c = u'9';
    });
    QTest::keyClick(Spin, Qt::Key_5);
    QTest::keyClick(Spin, Qt::Key_6);
    EXPECT_EQ(Spin->Text(), "129");
}

TEST_F(SpinFixture, ButtonPairSignalsFollowItsEvents)
{
    TSpinButton* pair = Spin->Button();
    std::vector<std::string> log;
    QObject::connect(pair, &TSpinButton::UpClick, [&] { log.push_back("signal up"); });
    QObject::connect(pair, &TSpinButton::DownClick, [&] { log.push_back("signal down"); });
    Spin->SetText("4");
    pair->UpButton()->Click();
    pair->DownButton()->Click();
    pair->DownButton()->Click();
    EXPECT_EQ(log, (std::vector<std::string>{"signal up", "signal down", "signal down"}));
    EXPECT_EQ(Spin->Text(), "3"); // the spin box's own handlers still step
}

TEST_F(SpinFixture, ButtonPairPropertiesReachTheHalves)
{
    TSpinButton pair;
    QImage glyph(18, 6, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    EXPECT_TRUE(pair.setProperty("UpGlyph", QPixmap::fromImage(glyph)));
    EXPECT_TRUE(pair.setProperty("UpNumGlyphs", 2));
    EXPECT_EQ(pair.UpGlyph().Width(), 18);
    EXPECT_EQ(pair.UpButton()->NumGlyphs(), 2);
    EXPECT_EQ(pair.property("UpGlyph").value<QPixmap>().size(), QSize(18, 6));
    // A null pixmap brings the built-in arrow back, one image wide.
    EXPECT_TRUE(pair.setProperty("UpGlyph", QPixmap()));
    EXPECT_EQ(pair.UpGlyph().Width(), 9);
    EXPECT_EQ(pair.UpNumGlyphs(), 1);
    EXPECT_EQ(pair.property("DownGlyph").value<QPixmap>().size(), QSize(9, 6));

    EXPECT_TRUE(pair.setProperty("FocusControl", QVariant::fromValue<QWidget*>(Other)));
    EXPECT_EQ(pair.FocusControl(), Other);
    EXPECT_TRUE(pair.setProperty("TabStop", true));
    EXPECT_TRUE(pair.TabStop());
    EXPECT_TRUE(pair.setProperty("DownNumGlyphs", 3));
    EXPECT_EQ(pair.DownNumGlyphs(), 3);
}

TEST_F(SpinFixture, SliderConnectedByNameMovesValueAndLimits)
{
    struct Case {
        const char* Slot;
        std::function<int()> Read;
    };
    const Case cases[] = {
        {SLOT(SetValue(int)), [this] { return Spin->Value(); }},
        {SLOT(SetMinValue(int)), [this] { return Spin->MinValue(); }},
        {SLOT(SetMaxValue(int)), [this] { return Spin->MaxValue(); }},
    };
    for (const Case& c : cases) {
        QSlider slider;
        slider.setRange(0, 50);
        ASSERT_TRUE(QObject::connect(&slider, SIGNAL(valueChanged(int)), Spin, c.Slot)) << c.Slot;
        slider.setValue(17);
        EXPECT_EQ(c.Read(), 17) << c.Slot;
    }
}
