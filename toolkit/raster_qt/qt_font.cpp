#include "qt_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <algorithm>
#include <cmath>

namespace Kepler {

TFont FontFromQFont(const QFont& q)
{
    TFont f;
    f.SetName(q.family().toStdString());
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

QFont ToQFont(const TFont& font)
{
    QFont f(ResolveFontFamily(FontName(font)));
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    f.setStrikeOut(font.Style() & fsStrikeOut);
    f.setKerning(false);
    const int h = font.Height() == 0 ? TFont::DefaultHeight : font.Height();
    if (h < 0) {
        f.setPixelSize(-h);
    } else {
        // A cell height: the em size whose ascent plus descent make it,
        // from the ratio at a size large enough for the rounding not to show.
        constexpr int reference = 1000;
        f.setPixelSize(reference);
        const int cell = ClassicTextMetrics(f).Height();
        f.setPixelSize(cell > 0 ? std::max(1, int(std::lround(double(h) * reference / cell))) : h);
    }
    return f;
}

QFont QFontAsGiven(const QFont& given, const TFont& now)
{
    const TFont described = FontFromQFont(given);
    if (described.Name() == now.Name() && described.Height() == now.Height() && described.Style() == now.Style())
        return given;
    return ToQFont(now);
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

std::uint16_t BigEndian16(const QByteArray& b, qsizetype at)
{
    return std::uint16_t(std::uint8_t(b[at]) << 8 | std::uint8_t(b[at + 1]));
}

TTextMetrics MeasureClassic(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    constexpr qsizetype winAscentAt = 74, winDescentAt = 76;
    const qreal unitsPerEm = raw.isValid() ? raw.unitsPerEm() : 0;
    if (os2.size() < winDescentAt + 2 || !(unitsPerEm > 0)) {
        const QFontMetrics m(font);
        return {m.ascent(), m.descent()};
    }
    const qreal scale = raw.pixelSize() / unitsPerEm;
    return {int(std::lround(BigEndian16(os2, winAscentAt) * scale)),
            int(std::lround(BigEndian16(os2, winDescentAt) * scale))};
}

} // namespace

TTextMetrics ClassicTextMetrics(const QFont& font)
{
    // Text is measured on every paint; the table is read once per font.
    static QHash<QString, TTextMetrics> cache;
    const QString key = font.key();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const TTextMetrics m = MeasureClassic(font);
    cache.insert(key, m);
    return m;
}

QString ResolveFontFamily(const QString& name)
{
    if (name.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0)
        return TahomaFamily();
    return name;
}

} // namespace Kepler
