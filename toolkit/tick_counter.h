#pragma once
#include <cstdint>
#include <functional>

// A millisecond counter, 32 bits unsigned, wrapping after 2^32 ms. Tests
// replace the source to drive waits across the wrap.
std::uint32_t GetTickCount();
// An empty function restores the real monotonic clock.
void SetTickCountSource(std::function<std::uint32_t()> source);
