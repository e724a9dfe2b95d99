#pragma once

#include "PcmBuffer.h"
#include "SongFile.h"

namespace soundgen {

// Renders a song into one stereo loop whose end runs straight into its
// start: notes and echoes that ring past the end of the loop are folded back
// onto its beginning, exactly as they sound when the loop repeats. The
// result has no DC and its RMS at the song's loudness, peaks rounded off
// below -3 dBFS.
PcmBuffer renderSong(const SongDef& song);

// Frames in one pass of the loop.
std::size_t songFrames(const SongDef& song);

}  // namespace soundgen
