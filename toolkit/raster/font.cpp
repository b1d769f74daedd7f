#include "KeplerControls/font.h"
#include "store_if_changed.h"

namespace Kepler {

TFont::TFont()
    : FName("Tahoma"),
      FHeight(DefaultHeight),
      FStyle(0),
      FColor(clWindowText),
      FCharset(DEFAULT_CHARSET)
{
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}

void TFont::SetName(const std::string& v)
{
    if (StoreIfChanged(FName, v))
        Changed();
}

void TFont::SetHeight(int v)
{
    if (StoreIfChanged(FHeight, v))
        Changed();
}

void TFont::SetStyle(TFontStyles v)
{
    if (StoreIfChanged(FStyle, v))
        Changed();
}

void TFont::SetColor(TColor v)
{
    if (StoreIfChanged(FColor, v))
        Changed();
}

void TFont::SetCharset(std::uint8_t v)
{
    if (StoreIfChanged(FCharset, v))
        Changed();
}

bool TFont::SameAs(const TFont& o) const
{
    return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FColor == o.FColor
           && FCharset == o.FCharset;
}

void TFont::Assign(const TFont& o)
{
    if (SameAs(o))
        return;
    FName = o.FName;
    FHeight = o.FHeight;
    FStyle = o.FStyle;
    FColor = o.FColor;
    FCharset = o.FCharset;
    Changed();
}

} // namespace Kepler
