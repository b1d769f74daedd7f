#pragma once
#include <stdexcept>

namespace Kepler {

// Raised when an image file of the gauge exists but cannot be read as a
// bitmap; the message names the file and the reason.
class EMeterImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace Kepler
