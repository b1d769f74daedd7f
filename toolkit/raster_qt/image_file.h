#pragma once
#include <QImage>
#include <QString>

namespace Kepler {

// Reads an image file in a known format, and only in that format. Left to
// guess, Qt would load every image format plug-in to ask each about the
// file, which costs start-up time for pictures the program knows.
QImage ReadImageFile(const QString& path, const char* format);

} // namespace Kepler
