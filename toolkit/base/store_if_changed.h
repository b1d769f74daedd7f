#pragma once

namespace Kepler {

// Writes v into field when it differs; returns whether it did, so that the
// caller repaints or notifies only on a real change.
template <typename T>
bool StoreIfChanged(T& field, const T& v)
{
    if (field == v)
        return false;
    field = v;
    return true;
}

} // namespace Kepler
