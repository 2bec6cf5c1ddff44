#include "core/app/Random.h"

// Standard library
#include <cstdint>

namespace {
std::uint32_t g_state = 1;
bool g_seeded = false;
}  // namespace

void SeedRandom(unsigned seed)
{
    g_state = seed;
    g_seeded = true;
}

void SeedRandomOnce(unsigned seed)
{
    if (!g_seeded) SeedRandom(seed);
}

bool RandomSeeded() { return g_seeded; }

// The linear congruence of the Microsoft C library, so that a seed gives the
// same names the original program would have drawn.
int NextRandom()
{
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & kRandomMax);
}
