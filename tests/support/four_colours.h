#pragma once
// A palette of four colours that tell every index apart: black, red, green, blue.
#include <QRgb>
#include <vector>

inline const std::vector<QRgb> kFourColours{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
