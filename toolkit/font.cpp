#include "font.h"
#include "store_if_changed.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>

TFont::TFont()
    : FName(QStringLiteral("Tahoma")),
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

void TFont::SetName(const QString& v)
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

QFont TFont::ToQFont() const
{
    QFont f(ResolveFontFamily(FName));
    f.setBold(FStyle & fsBold);
    f.setItalic(FStyle & fsItalic);
    f.setUnderline(FStyle & fsUnderline);
    f.setStrikeOut(FStyle & fsStrikeOut);
    f.setKerning(false);
    const int h = FHeight == 0 ? DefaultHeight : FHeight;
    if (h < 0) {
        f.setPixelSize(-h);
    } else {
        // A cell height: scale the em size so that ascent plus descent fit.
        f.setPixelSize(h);
        const QFontMetricsF m(f);
        const qreal cell = m.ascent() + m.descent();
        if (cell > 0)
            f.setPixelSize(std::max(1, int(h * h / cell)));
    }
    return f;
}

namespace {

bool HasFamily(const QString& name)
{
    return QFontDatabase::families().contains(name, Qt::CaseInsensitive);
}

QString TahomaFamily()
{
    static const QString family = [] {
        if (HasFamily(QStringLiteral("Tahoma")))
            return QStringLiteral("Tahoma");
        const char* files[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
        QString found;
        for (const char* file : files) {
            if (!QFile::exists(QString::fromLatin1(file)))
                continue;
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList fams = QFontDatabase::applicationFontFamilies(id);
            if (found.isEmpty() && !fams.isEmpty())
                found = fams.first();
        }
        if (!found.isEmpty())
            return found;
        return QStringLiteral("DejaVu Sans");
    }();
    return family;
}

} // namespace

QString ResolveFontFamily(const QString& name)
{
    if (name.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0)
        return TahomaFamily();
    return name;
}
