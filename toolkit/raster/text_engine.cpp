#include "text_engine.h"

namespace Kepler {

namespace {

const TTextEngine* registered = nullptr;

} // namespace

void SetTextEngine(const TTextEngine* engine) { registered = engine; }

const TTextEngine* TextEngine() { return registered; }

} // namespace Kepler
