// Every text of the window shows whole: each label holds its whole text,
// stays inside the window and covers no other control. Run with the
// designed font and again on a machine without Tahoma, whose fallback is
// wider.
#include "form_controls.h"
#include "form1.h"
#include "injected_platform.h"

#include <QFontInfo>
#include <QLabel>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

TEST(WindowTextsTest, EveryLabelShowsItsWholeTextInsideTheWindow)
{
    InjectedPlatform platform;
    TForm1 form;
    TForm1Controls controls{form};
    form.show();
    const QRect client = controls.Client->rect();
    const QList<QLabel*> labels = controls.Client->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(labels.size(), 8);
    std::cout << "font: " << QFontInfo(controls.Client->font()).family().toStdString() << "\n";
    for (QLabel* l : labels) {
        const QString name = l->objectName();
        const int textWidth = l->fontMetrics().horizontalAdvance(l->text());
        EXPECT_GE(l->width(), textWidth) << name.toStdString();
        EXPECT_TRUE(client.contains(l->geometry())) << name.toStdString() << " ends at x "
                                                    << l->geometry().right();
        for (QWidget* other : controls.Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != l && other->isVisible()) {
                EXPECT_FALSE(l->geometry().intersects(other->geometry()))
                    << name.toStdString() << " covers " << other->objectName().toStdString();
            }
        }
    }
}

} // namespace
