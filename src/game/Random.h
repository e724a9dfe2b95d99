#pragma once

// The game's one random generator: x := x * 214013 + 2531011, each draw
// giving (x >> 16) & 32767 (0 to 32767). Seeded once at start-up (with the
// time, or the --seed value), so a seed and an input script replay exactly.
void seedGameRandom(unsigned seed);
int gameRandom();
