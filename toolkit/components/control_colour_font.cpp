// Colour and font, each taken from the parent while the control follows it.
#include "KeplerControls/control.h"
#include "qt_colors.h"
#include "qt_font.h"

#include <QPalette>
#include <QWidget>

namespace Kepler {

void TControl::SetColor(TColor v)
{
    FColor = v;
    FParentColor = false;
    ApplyColor();
}

QColor TControl::ColorQColor() const
{
    return ToQColor(FColor);
}

void TControl::SetColorQColor(const QColor& v)
{
    WriteQColor(*this, &TControl::SetColor, v);
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
    WidgetFontChanged();
    FTakingParentFont = false;
}

// A font given the Qt way is the control's own from now on, as an assigned
// font description is.
void TControl::TakeOwnFont()
{
    FParentFont = false;
    FTakingParentFont = true;
    WidgetFontChanged();
    FTakingParentFont = false;
}

void TControl::FontAssigned()
{
    if (!FTakingParentFont)
        FParentFont = false;
}

TFont TControl::WidgetFont() const
{
    return FontFromQFont(FWidget->font());
}

} // namespace Kepler
