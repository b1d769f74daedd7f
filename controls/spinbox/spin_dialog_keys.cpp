#include "spin_dialog_keys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace Kepler {

bool WindowTakesKey(const QKeyEvent& e, const QWidget& w)
{
    if (e.matches(QKeySequence::Cancel))
        return qobject_cast<const QDialog*>(w.window()) != nullptr;
    if (e.key() != Qt::Key_Return && e.key() != Qt::Key_Enter)
        return false;
    const auto mods = e.modifiers();
    if (mods != Qt::NoModifier && !(mods == Qt::KeypadModifier && e.key() == Qt::Key_Enter))
        return false;
    const auto* dialog = qobject_cast<const QDialog*>(w.window());
    if (!dialog)
        return false;
    const auto buttons = dialog->findChildren<QPushButton*>();
    return std::any_of(buttons.cbegin(), buttons.cend(),
                       [](const QPushButton* b) { return b->isDefault() && b->isVisible(); });
}

} // namespace Kepler
