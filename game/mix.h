#pragma once

// A 64-bit mixer that spreads every bit of its input over its output: for
// the seeds of a computer's own futures and the fingerprints of what it
// remembers, never for the game's own chance.

#include <cstdint>

namespace tycora {

constexpr std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// A running fingerprint `h` with one more value taken in.
constexpr std::uint64_t mixIn(std::uint64_t h, std::uint64_t value) { return mix(h ^ value); }

} // namespace tycora
