#pragma once
#include <cstdint>
#include <initializer_list>

namespace Kepler {

// A set of the members of a small enumeration; member n is bit n.
template <typename E>
struct TEnumSet {
    std::uint32_t Bits = 0;

    TEnumSet() = default;
    TEnumSet(std::initializer_list<E> members)
    {
        for (E m : members)
            Include(m);
    }
    bool Contains(E m) const { return Bits & (1u << m); }
    void Include(E m) { Bits |= 1u << m; }
    void Exclude(E m) { Bits &= ~(1u << m); }
    bool Empty() const { return Bits == 0; }
    friend bool operator==(TEnumSet a, TEnumSet b) { return a.Bits == b.Bits; }
    friend bool operator!=(TEnumSet a, TEnumSet b) { return a.Bits != b.Bits; }
};

} // namespace Kepler
