// The standard members as Qt properties: written and read by name, as
// Designer, forms and setProperty do, they act as the members themselves.
#include "control_fixture.h"

#include <QMetaProperty>
#include <algorithm>
#include <vector>

using namespace Kepler;

namespace {

// A property written by name, read back through the member.
struct MemberCase {
    const char* name;
    QVariant written;
    std::function<QVariant(const TControl&)> read;
};

std::vector<MemberCase> CommonCases()
{
    return {
        {"ShowHint", true, [](const TControl& c) { return QVariant(c.ShowHint()); }},
        {"ParentShowHint", false, [](const TControl& c) { return QVariant(c.ParentShowHint()); }},
        {"Hint", QStringLiteral("Tempo|Die Geschwindigkeit"), [](const TControl& c) { return QVariant(c.Hint()); }},
        {"DragCursor", int(crHandPoint), [](const TControl& c) { return QVariant(int(c.DragCursor())); }},
        {"DragMode", QStringLiteral("dmAutomatic"),
         [](const TControl& c) { return QVariant(c.DragMode() == dmAutomatic ? "dmAutomatic" : "dmManual"); }},
        {"Visible", false, [](const TControl& c) { return QVariant(c.Visible()); }},
    };
}

template <typename T>
class StandardQtProperties : public ControlFixture<T> {};
TYPED_TEST_SUITE(StandardQtProperties, ControlTypes);

TYPED_TEST(StandardQtProperties, CommonMembersActByName)
{
    for (const MemberCase& c : CommonCases()) {
        ASSERT_GE(this->Control->metaObject()->indexOfProperty(c.name), 0) << c.name;
        EXPECT_TRUE(this->Control->setProperty(c.name, c.written)) << c.name;
        EXPECT_EQ(c.read(*this->Control), c.written) << c.name;
    }
    // The tooltip is the hint's first part, shown since ShowHint is set.
    EXPECT_EQ(this->Control->toolTip(), "Tempo");
    EXPECT_TRUE(this->Control->isHidden());
}

TYPED_TEST(StandardQtProperties, VisibleIsTheControlsOwnFlag)
{
    // Under a hidden parent QWidget's visible is false; Visible stays the
    // control's own.
    this->Window->hide();
    EXPECT_FALSE(this->Control->isVisible());
    EXPECT_TRUE(this->Control->property("Visible").toBool());
}

// Every enumeration and flags property of the control, found through Qt's
// property system as a form or a script finds it, takes its members only:
// a number that is none of them leaves the property as it was.
TYPED_TEST(StandardQtProperties, EnumerationsRefuseNumbersThatAreNoMember)
{
    const QMetaObject* meta = this->Control->metaObject();
    int checked = 0;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        // The controls' own enumerations; Qt's (QLineEdit's echoMode) are Qt's business.
        if (!p.isEnumType() || !p.isWritable() || !QByteArray(p.enumerator().scope()).startsWith("Kepler"))
            continue;
        SCOPED_TRACE(p.name());
        const QMetaEnum e = p.enumerator();
        const int before = this->Control->property(p.name()).toInt();
        int all = 0, highest = 0;
        for (int k = 0; k < e.keyCount(); ++k) {
            all |= e.value(k);
            highest = std::max(highest, e.value(k));
        }
        const std::vector<int> noMembers =
            p.isFlagType() ? std::vector<int>{all + 1 + all, 1 << 20, -1} : std::vector<int>{highest + 1, 99, -1};
        for (int v : noMembers) {
            SCOPED_TRACE(v);
            this->Control->setProperty(p.name(), v);
            EXPECT_EQ(this->Control->property(p.name()).toInt(), before);
        }
        ++checked;
    }
    // Align, Anchors, DragKind, DragMode, each where the control has it.
    EXPECT_GE(checked, 2);

    // The setters refuse the same, the anchors' too.
    TControl& c = *this->Control;
    c.SetAlign(TAlign(7));
    c.SetDragKind(TDragKind(2));
    c.SetDragMode(TDragMode(-1));
    TAnchors beyond;
    beyond.Bits = 0x30;
    c.SetAnchors(beyond);
    EXPECT_EQ(c.Align(), alNone);
    EXPECT_EQ(c.DragKind(), dkDrag);
    EXPECT_EQ(c.DragMode(), dmManual);
    EXPECT_EQ(c.Anchors(), (TAnchors{akLeft, akTop}));
}

TEST(StandardQtPropertiesOfTheControls, EachControlHasItsMembers)
{
    struct Case {
        const QMetaObject* meta;
        std::vector<const char*> names;
    };
    const Case cases[] = {
        {&TMeter::staticMetaObject,
         {"Align", "DragCursor", "DragKind", "DragMode", "Hint", "ParentFont", "ParentShowHint", "ShowHint",
          "Visible", "Font", "FontCaption"}},
        {&TSpinEdit::staticMetaObject,
         {"Anchors", "AutoSize", "Color", "DragCursor", "DragMode", "Enabled", "Font", "Hint", "ParentColor",
          "ParentFont", "ParentShowHint", "ShowHint", "TabOrder", "TabStop", "Visible"}},
        {&TSpinButton::staticMetaObject,
         {"Align", "Anchors", "DragCursor", "DragKind", "DragMode", "Enabled", "Hint", "ParentShowHint",
          "ShowHint", "TabOrder", "TabStop", "Visible"}},
    };
    for (const Case& c : cases)
        for (const char* name : c.names)
            EXPECT_GE(c.meta->indexOfProperty(name), 0) << c.meta->className() << "::" << name;
}

TEST(StandardQtPropertiesOfTheControls, EnabledIsTheControlsOwnFlag)
{
    QWidget window;
    auto* spin = new TSpinEdit(&window);
    window.setEnabled(false);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_TRUE(spin->property("Enabled").toBool());
    ASSERT_TRUE(spin->setProperty("Enabled", false));
    window.setEnabled(true);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_FALSE(spin->Enabled());
}

TEST(StandardQtPropertiesOfTheControls, EnumsAndAnchorsGoByTheirNames)
{
    QWidget window;
    window.resize(200, 100);
    auto* pair = new TSpinButton(&window);
    ASSERT_TRUE(pair->setProperty("Align", QStringLiteral("alRight")));
    EXPECT_EQ(pair->Align(), alRight);
    ASSERT_TRUE(pair->setProperty("DragKind", QStringLiteral("dkDock")));
    EXPECT_EQ(pair->DragKind(), dkDock);

    auto* spin = new TSpinEdit(&window);
    const QMetaProperty anchors = spin->metaObject()->property(spin->metaObject()->indexOfProperty("Anchors"));
    ASSERT_TRUE(anchors.isFlagType());
    EXPECT_EQ(QByteArray(anchors.enumerator().valueToKeys(spin->property("Anchors").toInt())), "afLeft|afTop");
    ASSERT_TRUE(spin->setProperty("Anchors", anchors.enumerator().keysToValue("afLeft|afRight|afBottom")));
    EXPECT_EQ(spin->Anchors(), (TAnchors{akLeft, akRight, akBottom}));
    EXPECT_EQ(anchors.enumerator().valueToKeys(spin->property("Anchors").toInt()), "afLeft|afRight|afBottom");
}

TEST(StandardQtPropertiesOfTheControls, TabOrderAndParentColorOfTheSpinBox)
{
    QWidget window;
    auto* first = new TSpinEdit(&window);
    auto* second = new TSpinEdit(&window);
    ASSERT_TRUE(second->setProperty("TabOrder", 0));
    EXPECT_EQ(second->TabOrder(), 0);
    EXPECT_EQ(first->property("TabOrder").toInt(), 1);
    ASSERT_TRUE(first->setProperty("TabStop", false));
    EXPECT_FALSE(first->TabStop());

    window.setPalette(QPalette(QColor(0, 128, 0)));
    ASSERT_TRUE(first->setProperty("ParentColor", true));
    EXPECT_TRUE(first->ParentColor());
    EXPECT_EQ(first->property("Color").value<QColor>(), window.palette().color(window.backgroundRole()));
}

} // namespace
