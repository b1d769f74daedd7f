// Loads the Designer plugin as Designer does and creates the controls
// through it.
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>
#include <map>

namespace {

class DesignerPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        Loader.setFileName(QStringLiteral(KEPLER_DESIGNER_PLUGIN));
        QObject* instance = Loader.instance();
        ASSERT_NE(instance, nullptr) << Loader.errorString().toStdString();
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
        ASSERT_NE(collection, nullptr);
        for (QDesignerCustomWidgetInterface* w : collection->customWidgets())
            Widgets[w->name().toStdString()] = w;
    }

    QPluginLoader Loader;
    std::map<std::string, QDesignerCustomWidgetInterface*> Widgets;
};

} // namespace

TEST_F(DesignerPlugin, OffersTheControlsWithIconsAndHeaders)
{
    struct Case {
        const char* Name;
        const char* Include;
    };
    const Case cases[] = {
        {"Kepler::TMeter", "KeplerControls/meter.h"},
        {"Kepler::TSpinEdit", "KeplerControls/spin_edit.h"},
        {"Kepler::TSpinButton", "KeplerControls/spin_button.h"},
    };
    ASSERT_EQ(Widgets.size(), std::size(cases));
    for (const Case& c : cases) {
        ASSERT_EQ(Widgets.count(c.Name), 1u) << c.Name;
        QDesignerCustomWidgetInterface* w = Widgets[c.Name];
        EXPECT_EQ(w->includeFile(), c.Include) << c.Name;
        EXPECT_EQ(w->group(), "Kepler Controls") << c.Name;
        EXPECT_FALSE(w->isContainer()) << c.Name;
        EXPECT_FALSE(w->toolTip().isEmpty()) << c.Name;
        EXPECT_FALSE(w->icon().isNull()) << c.Name;
        EXPECT_FALSE(w->icon().pixmap(32).isNull()) << c.Name;
        EXPECT_TRUE(w->domXml().contains(QStringLiteral("class=\"%1\"").arg(c.Name))) << c.Name;
        EXPECT_FALSE(w->isInitialized()) << c.Name;
        w->initialize(nullptr);
        EXPECT_TRUE(w->isInitialized()) << c.Name;
    }
}

// Designer sees the controls' own classes and properties through the widgets
// the plugin makes.
TEST_F(DesignerPlugin, CreatesWidgetsWithTheirProperties)
{
    struct Case {
        const char* Name;
        const char* Property;
        QVariant Default;
        QVariant Written;
    };
    const Case cases[] = {
        {"Kepler::TMeter", "MeterMaxValue", 1.0, 250.0},
        {"Kepler::TMeter", "Caption", QString(), QStringLiteral("km/h")},
        {"Kepler::TSpinEdit", "Increment", 1, 5},
        {"Kepler::TSpinEdit", "Value", 0, -3},
        {"Kepler::TSpinButton", "UpNumGlyphs", 1, 2},
    };
    for (const Case& c : cases) {
        QWidget form;
        QWidget* w = Widgets.at(c.Name)->createWidget(&form);
        ASSERT_NE(w, nullptr) << c.Name;
        EXPECT_EQ(w->parentWidget(), &form) << c.Name;
        EXPECT_STREQ(w->metaObject()->className(), c.Name);
        EXPECT_GE(w->metaObject()->indexOfProperty(c.Property), 0) << c.Name << " " << c.Property;
        EXPECT_EQ(w->property(c.Property), c.Default) << c.Name << " " << c.Property;
        EXPECT_TRUE(w->setProperty(c.Property, c.Written)) << c.Name << " " << c.Property;
        EXPECT_EQ(w->property(c.Property), c.Written) << c.Name << " " << c.Property;
    }
}
