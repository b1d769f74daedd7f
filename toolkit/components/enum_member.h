#pragma once
#include <QMetaEnum>

namespace Kepler {

// Whether v is one of the members of a Qt enumeration. Setters of
// enumeration properties ask this first: Qt's property system turns any
// number into the enumeration's type, and a number that is no member must
// not be stored.
template <typename E>
bool IsEnumMember(E v)
{
    return QMetaEnum::fromType<E>().valueToKey(static_cast<int>(v)) != nullptr;
}

} // namespace Kepler
