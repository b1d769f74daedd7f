// The right-click menu with the edit's entries.
#include "KeplerControls/spin_edit.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>

namespace Kepler {

QMenu* TSpinEdit::CreateEditMenu()
{
    auto* menu = new QMenu(this);
    const bool showKeys = QGuiApplication::styleHints()->showShortcutsInContextMenus();
    auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        if (showKeys && !keys.isEmpty())
            label += QLatin1Char('\t') + keys;
        QAction* a = menu->addAction(label);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const bool editable = EditingAllowed();
    const bool selected = hasSelectedText();
    add("&Undo", QKeySequence::Undo, !isReadOnly() && isUndoAvailable(), &QLineEdit::undo);
    add("&Redo", QKeySequence::Redo, !isReadOnly() && isRedoAvailable(), &QLineEdit::redo);
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, editable && selected, &QLineEdit::cut);
    add("&Copy", QKeySequence::Copy, selected, &QLineEdit::copy);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    add("&Paste", QKeySequence::Paste, editable && clipboard && !clipboard->text().isEmpty(),
        [this] { PasteClipboard(QClipboard::Clipboard); });
    add("Delete", QKeySequence::UnknownKey, editable && selected, [this] { del(); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(), &QLineEdit::selectAll);
    return menu;
}

void TSpinEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = CreateEditMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

} // namespace Kepler
