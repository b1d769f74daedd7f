#include "KeplerControls/meter.h"

#include "bmp_reader.h"
#include "cover_mask.h"

#include <QFileInfo>
#include <exception>

namespace Kepler {

// Background and anchor cover images: reading the files and building the
// cover's mask. The background step draws AuxBGBmp, the anchor step draws
// AuxACBmp through AuxACMaskBmp; each only while its name is set.

namespace {

// A failed read leaves the bitmap as it was; only the caller's name tells
// whether the picture may be used.
bool TryReadBitmapFile(const QString& fileName, TBitmap& target)
{
    try {
        ReadBitmapFile(fileName, target);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Reads the cover picture and its mask copy; a failure of either empties
// the name, and the mask is built on whatever the mask bitmap then holds.
void ReadAnchorCover(QString& fileName, TBitmap& cover, TBitmap& mask)
{
    const QString name = fileName;
    if (!TryReadBitmapFile(name, cover))
        fileName.clear();
    if (!TryReadBitmapFile(name, mask))
        fileName.clear();
    MakeCoverMask(mask);
}

// Only a regular file (or a link to one) counts as an existing picture: a
// directory is no picture file, and opening a pipe or device would wait for
// data that may never come.
bool PictureFileExists(const QString& fileName)
{
    return QFileInfo(fileName).isFile();
}

} // namespace

void TMeter::SetBackGroundImg(const QString& v)
{
    if (PictureFileExists(v)) {
        FBakGndFName = v;
        // An unreadable file reaches the caller: the name stays, no repaint.
        ReadBitmapFile(v, AuxBGBmp);
    } else {
        FBakGndFName.clear();
    }
    Paint();
}

void TMeter::SetAnchorImage(const QString& v)
{
    if (PictureFileExists(v)) {
        FACoverFName = v;
        ReadAnchorCover(FACoverFName, AuxACBmp, AuxACMaskBmp);
    } else {
        FACoverFName.clear();
    }
    Paint();
}

// End of loading: both names are read again; any failure just empties the
// name. Loaded() repaints afterwards.
void TMeter::ReloadImages()
{
    if (!FBakGndFName.isEmpty() && !TryReadBitmapFile(FBakGndFName, AuxBGBmp))
        FBakGndFName.clear();
    if (!FACoverFName.isEmpty())
        ReadAnchorCover(FACoverFName, AuxACBmp, AuxACMaskBmp);
}

} // namespace Kepler
