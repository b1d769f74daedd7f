#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "pixel.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace Kepler {

namespace {

std::uint64_t NewContentKey()
{
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

TBitmap::TBitmap() : FContentKey(NewContentKey()) {}

TBitmap::TBitmap(int width, int height) : FContentKey(NewContentKey())
{
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

std::uint32_t* TBitmap::Bits()
{
    FContentKey = NewContentKey();
    return FPixels.empty() ? nullptr : FPixels.data();
}

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        FWidth = FHeight = 0;
        FPixels.clear();
        FContentKey = NewContentKey();
        FStored.reset();
        return;
    }
    if (width == FWidth && height == FHeight)
        return;
    FContentKey = NewContentKey();
    FStored.reset();
    FWidth = width;
    FHeight = height;
    FPixels.assign(std::size_t(width) * std::size_t(height), 0xFFFFFFFFu);
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(*this);
    return *FCanvas;
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return clBlack;
    return ColorOfPixel(FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)]);
}

void TBitmap::SetPixel(int x, int y, TColor c)
{
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return;
    FContentKey = NewContentKey();
    FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)] = PixelOf(c);
}

void TBitmap::AssignPixels(int width, int height, const std::uint32_t* rows, std::ptrdiff_t stride)
{
    FStored.reset();
    if (width <= 0 || height <= 0 || !rows) {
        SetSize(0, 0);
        return;
    }
    FContentKey = NewContentKey();
    FWidth = width;
    FHeight = height;
    FPixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(FPixels.data() + std::size_t(y) * std::size_t(width), rows + y * stride,
                    std::size_t(width) * sizeof(std::uint32_t));
}

void TBitmap::CopyPixels(const TBitmap& source)
{
    FStored.reset();
    FContentKey = NewContentKey();
    FWidth = source.FWidth;
    FHeight = source.FHeight;
    FPixels = source.FPixels; // reuses the buffer when it is large enough
}

void TBitmap::Swap(TBitmap& other)
{
    std::swap(FWidth, other.FWidth);
    std::swap(FHeight, other.FHeight);
    FPixels.swap(other.FPixels);
    std::swap(FContentKey, other.FContentKey);
    FStored.swap(other.FStored);
}

TStoredPicture TBitmap::TakeStored()
{
    if (!FStored)
        return {};
    TStoredPicture stored = std::move(*FStored);
    FStored.reset();
    return stored;
}

void TBitmap::SetStored(TStoredPicture stored)
{
    FStored = std::make_unique<TStoredPicture>(std::move(stored));
}

} // namespace Kepler
