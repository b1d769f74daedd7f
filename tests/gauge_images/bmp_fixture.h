#pragma once
#include <QByteArray>
#include <QFile>
#include <QRgb>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <vector>

// Small BMP files made in the test. Pixels are given top-down; the file
// stores them bottom-up as usual. For palette formats a pixel is its index,
// otherwise 0xRRGGBB.
inline QByteArray BmpBytes(int w, int h, int bpp, const std::vector<QRgb>& palette,
                           const std::function<std::uint32_t(int x, int y)>& pixel)
{
    const int stride = (w * bpp + 31) / 32 * 4;
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        char* row = pixels.data() + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = pixel(x, y);
            if (bpp == 24) {
                row[3 * x] = char(v & 0xFF);
                row[3 * x + 1] = char(v >> 8 & 0xFF);
                row[3 * x + 2] = char(v >> 16 & 0xFF);
            } else if (bpp == 8) {
                row[x] = char(v);
            } else { // 1 or 4: most significant bits first
                const int bit = x * bpp;
                const int shift = 8 - bpp - bit % 8;
                row[bit / 8] = char(std::uint8_t(row[bit / 8]) | v << shift);
            }
        }
    }
    QByteArray table;
    for (QRgb c : palette) {
        table.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    auto le = [](QByteArray& b, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.append(char(v >> (8 * i) & 0xFF));
    };
    QByteArray f("BM");
    const std::uint32_t offset = 14 + 40 + std::uint32_t(table.size());
    le(f, offset + std::uint32_t(pixels.size()), 4);
    le(f, 0, 4);
    le(f, offset, 4);
    le(f, 40, 4);
    le(f, std::uint32_t(w), 4);
    le(f, std::uint32_t(h), 4);
    le(f, 1, 2);
    le(f, std::uint32_t(bpp), 2);
    le(f, 0, 4);
    le(f, std::uint32_t(pixels.size()), 4);
    le(f, 2835, 4);
    le(f, 2835, 4);
    le(f, std::uint32_t(palette.size()), 4);
    le(f, 0, 4);
    return f + table + pixels;
}

// A scratch folder for the files of one test.
struct FixtureDir {
    QTemporaryDir dir;
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return path;
    }
};
