#pragma once

#include <cstdio>

struct GameState;

// One JSON object per frame on its own line: the room, the player, the
// World's flags, blocks, enemies, shots, particles, and what the sound system
// was asked during the frame. The same seed and input give the same trace,
// byte for byte.
void writeTraceLine(std::FILE* out, long frame, const GameState& game);
