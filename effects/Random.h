#pragma once

#include <cstdint>

// The random effects' generator: SplitMix64, whose output is fixed by its definition, so a seed
// gives the same cells with every compiler and standard library.
namespace effects {

// Output number `index` (from 0) of SplitMix64 started from `seed`: the state after index + 1
// steps of adding 0x9E3779B97F4A7C15, mixed by
//   z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9; z = (z ^ (z >> 27)) * 0x94D049BB133111EB; z ^ (z >> 31).
// Any output can be had without the ones before it, so each cell draws its own number.
constexpr std::uint64_t splitMix64(std::uint64_t seed, std::uint64_t index)
{
    std::uint64_t z = seed + (index + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A whole number from 0 to count - 1: the top 32 bits scaled by multiplying, no division bias
// worth noting at these counts.
constexpr int scaledDraw(std::uint64_t draw, int count)
{
    return int(((draw >> 32) * std::uint64_t(count)) >> 32);
}

} // namespace effects
