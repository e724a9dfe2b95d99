#pragma once

#include <string>

#include "audio/PcmSound.h"

// Files larger than this are refused before they are read.
constexpr std::size_t kMaxSoundFileBytes = 32u << 20;

// Loads a sound effect from a host path, decoding WAV or Ogg Vorbis by the
// file's contents (its first four bytes), not by its name.
bool loadSoundFile(const std::string& path, PcmSound& out, std::string* error);
