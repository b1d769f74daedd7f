// Writes the web page's built-in glyphs: every character the page's canvases
// may draw, rendered one by one by the desktop's own text engine (Tahoma,
// 11-pixel characters, regular, as a canvas's default font), with its
// advance and the line's ascent and descent. The page draws them glyph by
// glyph at these integer advances, which gives the desktop's pixels.
//   make_glyph_table web/tahoma_11_glyphs.inc
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "qt_raster_face.h"
#include "text_engine.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

// The characters: printable ASCII, the degree sign and German letters.
std::vector<char32_t> Characters()
{
    std::vector<char32_t> chars;
    for (char32_t c = 32; c < 127; ++c)
        chars.push_back(c);
    for (const char32_t c : {U'°', U'Ä', U'Ö', U'Ü', U'ß', U'ä', U'ö', U'ü'})
        chars.push_back(c);
    return chars;
}

std::string Utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterQtRasterFace();
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_glyph_table out.inc\n");
        return 2;
    }
    const TTextEngine* engine = TextEngine();
    TFont font;
    font.SetColor(clBlack);
    const TTextMetrics line = engine->LineMetrics(font);

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(f, "// Made by tests/web/make_glyph_table from the desktop's text engine; do not edit.\n"
                    "// Tahoma, 11-pixel characters, regular: ascent, descent, then per character\n"
                    "// its code, advance, the ink's offset from the pen (left end, baseline) and rows.\n");
    std::fprintf(f, "{%d, %d, {\n", line.Ascent, line.Descent);
    constexpr int Size = 48, PenX = 16, PenY = 32;
    bool monochrome = true;
    for (const char32_t c : Characters()) {
        const std::string text = Utf8(c);
        TBitmap b(Size, Size);
        engine->DrawText(b, PenX, PenY, font, text);
        int left = Size, top = Size, right = -1, bottom = -1;
        for (int y = 0; y < Size; ++y) {
            for (int x = 0; x < Size; ++x) {
                const TColor p = b.Pixel(x, y);
                if (p == clWhite)
                    continue;
                monochrome = monochrome && p == clBlack;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        std::fprintf(f, "    {%u, %d", unsigned(c), engine->TextWidth(font, text));
        if (right < 0) {
            std::fprintf(f, ", 0, 0, {}},\n");
            continue;
        }
        std::fprintf(f, ", %d, %d, {", left - PenX, top - PenY);
        for (int y = top; y <= bottom; ++y) {
            std::fprintf(f, y == top ? "\"" : ", \"");
            for (int x = left; x <= right; ++x)
                std::fputc(b.Pixel(x, y) == clWhite ? '.' : '#', f);
            std::fputc('"', f);
        }
        std::fprintf(f, "}},\n");
    }
    std::fprintf(f, "}}\n");
    if (std::fclose(f) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    // The table keeps one colour of ink; the desktop draws text unsmoothed.
    if (!monochrome) {
        std::fprintf(stderr, "the desktop's text engine drew shades; the table cannot hold them\n");
        return 1;
    }
    return 0;
}
