#pragma once
// The program's random numbers: one generator for the run, seeded at start-up
// with the milliseconds of the clock, giving 0..32767 as the C library's rand
// does on the target. Main thread only.

inline constexpr int kRandomMax = 32767;

void SeedRandom(unsigned seed);
// Seeds only when nothing has seeded the generator yet in this process, so
// that a second application object does not repeat the first one's names.
void SeedRandomOnce(unsigned seed);
bool RandomSeeded();
int NextRandom();
