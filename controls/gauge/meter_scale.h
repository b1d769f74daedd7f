#pragma once

// Where a value lies on the gauge's scale, as a fraction: 0 at the minimum,
// 1 at the maximum. A logarithmic scale falls back to the linear mapping
// whenever a logarithm would meet a non-positive number. A scale whose bounds
// are equal (only raw loaded values can make it so) puts every value in the
// middle instead of dividing by zero.
double ScaleFraction(double v, double min, double max, bool logarithmic);

// The value at a fraction of the scale; the inverse of ScaleFraction.
double ScaleValueAt(double f, double min, double max, bool logarithmic);
