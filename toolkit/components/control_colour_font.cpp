// Colour and font, each taken from the parent while the control follows it.
#include "KeplerControls/control.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace Kepler {

void TControl::SetColor(TColor v)
{
    FColor = v;
    FParentColor = false;
    ApplyColor();
}

void TControl::SetParentColor(bool v)
{
    FParentColor = v;
    if (v)
        TakeParentColor();
}

void TControl::TakeParentColor()
{
    QWidget* parent = FWidget->parentWidget();
    if (!parent)
        return;
    if (const TControl* c = FromWidget(parent)) {
        FColor = c->FColor;
    } else {
        const QColor q = parent->palette().color(parent->backgroundRole());
        FColor = RGB(std::uint8_t(q.red()), std::uint8_t(q.green()), std::uint8_t(q.blue()));
    }
    ApplyColor();
}

void TControl::ApplyColor()
{
    const TColor rgb = ColorToRGB(FColor);
    QPalette p = FWidget->palette();
    p.setColor(FWidget->backgroundRole(), QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    FWidget->setPalette(p);
    // Plain widgets show their background colour only when asked to fill it.
    if (FWidget->backgroundRole() == QPalette::Window)
        FWidget->setAutoFillBackground(true);
}

void TControl::SetParentFont(bool v)
{
    FParentFont = v;
    if (v) {
        FWidget->setFont(QFont()); // back to the inherited font
        TakeParentFont();
    } else {
        // Keeps the font it has now, whatever the parent does later.
        QFont f = FWidget->font();
        f.setResolveMask(QFont::AllPropertiesResolved);
        FTakingParentFont = true;
        FWidget->setFont(f);
        FTakingParentFont = false;
    }
}

void TControl::TakeParentFont()
{
    FTakingParentFont = true;
    ParentFontChanged();
    FTakingParentFont = false;
}

void TControl::FontAssigned()
{
    if (!FTakingParentFont)
        FParentFont = false;
}

TFont TControl::InheritedFont() const
{
    const QWidget* parent = FWidget->parentWidget();
    const QFont q = parent ? parent->font() : QApplication::font();
    TFont f;
    f.SetName(q.family().toStdString());
    // Heights are in pixels at the design density of 96 per inch.
    f.SetHeight(q.pixelSize() > 0 ? -q.pixelSize() : -int(std::lround(q.pointSizeF() * 96.0 / 72.0)));
    TFontStyles style = 0;
    if (q.bold())
        style |= fsBold;
    if (q.italic())
        style |= fsItalic;
    if (q.underline())
        style |= fsUnderline;
    if (q.strikeOut())
        style |= fsStrikeOut;
    f.SetStyle(style);
    return f;
}

} // namespace Kepler
