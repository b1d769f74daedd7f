#pragma once
#include <QString>

// Writes the gallery's two small pictures as BMP files into a folder: a
// shaded dial face and a round anchor cover whose black surroundings the
// gauge leaves transparent. Returns False when a file could not be written.
bool WriteGalleryPictures(const QString& folder, QString& faceFile, QString& coverFile);
