#pragma once
#include <cstdint>
#include <initializer_list>

namespace Kepler {

// A set of the members of a small enumeration; member n is bit n.
template <typename E>
struct TEnumSet {
    // The members as bits.
    std::uint32_t Bits = 0;

    // The empty set.
    TEnumSet() = default;
    // The set of the given members.
    TEnumSet(std::initializer_list<E> members)
    {
        for (E m : members)
            Include(m);
    }
    // Whether m is in the set.
    bool Contains(E m) const { return Bits & (1u << m); }
    // Adds m.
    void Include(E m) { Bits |= 1u << m; }
    // Removes m.
    void Exclude(E m) { Bits &= ~(1u << m); }
    // Whether the set has no member.
    bool Empty() const { return Bits == 0; }
    friend bool operator==(TEnumSet a, TEnumSet b) { return a.Bits == b.Bits; } // the same members
    friend bool operator!=(TEnumSet a, TEnumSet b) { return a.Bits != b.Bits; } // not the same members
};

} // namespace Kepler
