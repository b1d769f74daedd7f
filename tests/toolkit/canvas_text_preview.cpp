// Renders sample lines in the interface font to a PNG, for checking the text
// rendering by eye. Usage: canvas_text_preview out.png
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "qt_bitmap.h"
#include "qt_font.h"
#include "qt_raster_face.h"

#include <QApplication>
#include <QFontInfo>
#include <cstdio>

using namespace Kepler;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterQtRasterFace();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    const std::string text = "Tahoma 11 px: -1.0 0.0 1.0 Verzögerung";
    struct Sample {
        int Height;
        TFontStyles Style;
    };
    const Sample samples[] = {{-11, 0}, {-11, fsBold}, {-21, 0}};
    TBitmap b(420, 80);
    TCanvas& c = b.Canvas();
    int y = 4;
    for (const Sample& s : samples) {
        TFont f;
        f.SetHeight(s.Height);
        f.SetStyle(s.Style);
        f.SetColor(clBlack);
        c.SetFont(f);
        c.TextOut(4, y, text);
        const QFontInfo info(ToQFont(f));
        std::printf("height %d style %d: family \"%s\" (resolved \"%s\"), pixel size %d, "
                    "width %d, height %d\n",
                    s.Height, s.Style, qPrintable(info.family()),
                    qPrintable(ResolveFontFamily(FontName(f))), info.pixelSize(), c.TextWidth(text),
                    c.TextHeight(text));
        y += c.TextHeight(text) + 6;
    }
    return SaveToPng(b, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
