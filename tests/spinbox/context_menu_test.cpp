// The spin box's right-click menu, opened by a real right click on its
// window: with EditorEnabled False no entry may change the text.
#include "spin_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

using namespace Kepler;

namespace {

// Right-clicks the spin box through its window, as the platform delivers a
// click, and returns the menu that opened.
QMenu* OpenMenu(TSpinEdit& spin)
{
    QWindow* window = spin.window()->windowHandle();
    const QPoint at = spin.mapTo(spin.window(), QPoint(8, 8));
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
    QMenu* menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 2000))
        return nullptr;
    return menu;
}

// Triggers each entry of the menu in turn, each time on the text "0" fully
// selected with "55" on the clipboard, and returns the texts that resulted.
QStringList TextsAfterEachEntry(TSpinEdit& spin)
{
    QStringList results;
    for (int i = 0;; ++i) {
        spin.SetText(QStringLiteral("0"));
        spin.selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("55"));
        QMenu* menu = OpenMenu(spin);
        if (!menu) {
            ADD_FAILURE() << "no menu opened";
            return results;
        }
        QList<QAction*> entries;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !a->menu())
                entries.append(a);
        if (i >= entries.size()) {
            menu->close();
            return results;
        }
        QAction* entry = entries.at(i);
        if (entry->isEnabled())
            entry->trigger();
        menu->close();
        QTest::qWait(1);
        results.append(spin.Text());
    }
}

} // namespace

TEST_F(SpinFixture, RightClickMenuPastesOnlyWhileEditingIsAllowed)
{
    FocusSpin();
    const QStringList editable = TextsAfterEachEntry(*Spin);
    ASSERT_GE(editable.size(), 6); // undo, redo, cut, copy, paste, delete, select all
    EXPECT_TRUE(editable.contains(QStringLiteral("55"))) << editable.join(u' ').toStdString(); // paste
    EXPECT_TRUE(editable.contains(QString())) << editable.join(u' ').toStdString();            // cut, delete

    Spin->SetEditorEnabled(false);
    const QStringList locked = TextsAfterEachEntry(*Spin);
    EXPECT_EQ(locked.size(), editable.size());
    for (const QString& t : locked)
        EXPECT_EQ(t, "0") << locked.join(u' ').toStdString();

    Spin->SetEditorEnabled(true);
    Spin->SetReadOnly(true);
    for (const QString& t : TextsAfterEachEntry(*Spin))
        EXPECT_EQ(t, "0");
    EXPECT_EQ(Beeps, 0);
}

TEST_F(SpinFixture, RightClickMenuShowsTheEditEntries)
{
    FocusSpin();
    Spin->SetText(QStringLiteral("12"));
    Spin->selectAll();
    QMenu* menu = OpenMenu(*Spin);
    ASSERT_NE(menu, nullptr);
    QStringList labels;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            labels.append(a->text().section(u'\t', 0, 0));
    const QStringList expected = {
        QCoreApplication::translate("QLineEdit", "&Undo"),  QCoreApplication::translate("QLineEdit", "&Redo"),
        QCoreApplication::translate("QLineEdit", "Cu&t"),   QCoreApplication::translate("QLineEdit", "&Copy"),
        QCoreApplication::translate("QLineEdit", "&Paste"), QCoreApplication::translate("QLineEdit", "Delete"),
        QCoreApplication::translate("QLineEdit", "Select All"),
    };
    EXPECT_EQ(labels, expected);
    menu->close();
}
