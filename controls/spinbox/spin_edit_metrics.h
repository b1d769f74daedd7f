#pragma once

namespace Kepler::SpinEditMetrics {

// The sunken 3-D border of the edit at 96 dpi; the client area lies inside it.
inline constexpr int EditBorder = 2;
// A thin window border at 96 dpi.
inline constexpr int ThinBorder = 1;
inline constexpr int ButtonWidth = 15;
inline constexpr int ButtonHeight = 17;

} // namespace Kepler::SpinEditMetrics
