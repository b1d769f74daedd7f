#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace Kepler {

class TBitmap;

// Largest decoded picture accepted, in bytes of 32-bit pixels (a 4096 by
// 4096 square, or a long thin strip of the same area). Files are untrusted:
// a header may claim any size, and it is checked before anything is
// allocated.
inline constexpr long long MaxBitmapBytes = 64LL * 1024 * 1024;

// Raised when bytes or a file cannot be read as a bitmap; the message names
// the file and says what is wrong.
class EBitmapReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes the bytes of a BMP file into target, which takes the picture as
// the file stores it: palette formats (1, 4, 8 bits) keep the file's own
// indices and palette order, one byte per pixel, beside the pixels shown;
// 16, 24 and 32 bits become the pixels shown, each channel widened to 8
// bits. The bytes are let go as soon as they are no longer needed (hand
// them over with std::move). Throws EBitmapReadError, naming `name` (UTF-8),
// for anything that is not a sound, supported bitmap; target is then
// undefined.
void DecodeBmp(std::vector<std::uint8_t> bytes, const std::string& name, TBitmap& target);

// Reads a BMP file (path in the file system's encoding) into target. On
// failure throws EBitmapReadError and leaves target exactly as it was.
void ReadBmpFile(const std::string& path, TBitmap& target);

} // namespace Kepler
