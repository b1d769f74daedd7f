#include "text_engine.h"

#include "platform.h"

namespace Kepler {

const TTextEngine* TextEngine() { return Platform().TextEngine(); }

} // namespace Kepler
