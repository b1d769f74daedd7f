// MaxLength and pasting: what the user enters is cut to fit.
#include "KeplerControls/spin_edit.h"

#include <QGuiApplication>
#include <algorithm>

namespace Kepler {

void TSpinEdit::SetMaxLength(int v)
{
    FMaxLength = v;
}

QString TSpinEdit::FitMaxLength(const QString& s, qsizetype removed) const
{
    if (FMaxLength <= 0)
        return s;
    const qsizetype kept = std::max<qsizetype>(0, text().size() - removed);
    return s.left(std::max<qsizetype>(0, FMaxLength - kept));
}

void TSpinEdit::PasteClipboard(QClipboard::Mode mode)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString clip = clipboard ? clipboard->text(mode) : QString();
    if (clip.isEmpty() && !hasSelectedText())
        return;
    insert(FitMaxLength(clip, selectedText().size()));
}

} // namespace Kepler
