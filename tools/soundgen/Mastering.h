#pragma once

#include "PcmBuffer.h"

namespace soundgen {

// The last steps before a sound is written, and the measurements they use.
// Levels are in dB relative to full scale (dBFS).

double peakDb(const PcmBuffer& pcm);
// RMS of all samples.
double rmsDb(const PcmBuffer& pcm);
// RMS of the loudest window of `windowSeconds` (steps of half a window): how
// loud a short effect sounds, whatever silence surrounds it.
double loudestWindowDb(const PcmBuffer& pcm, double windowSeconds);

// Takes out DC and sub-audio drift (a gentle high-pass around 12 Hz). A
// `looped` sound is filtered as the endless loop it will be played as, so the
// filter leaves no seam at the loop point.
void removeDcOffset(PcmBuffer& pcm, bool looped);

// Makes each channel's mean exactly 0 by subtracting a Hann-shaped bump of
// the right size: very short sounds (a 40 ms footstep) are too short for the
// DC filter, and a bump that is 0 at both ends keeps the edges silent.
void centerMean(PcmBuffer& pcm);

// Drops trailing frames quieter than `thresholdDb` on every channel.
void trimTrailingSilence(PcmBuffer& pcm, double thresholdDb);

// Linear fades at the start and the end, so no sound begins or stops with a click.
void applyEdgeFades(PcmBuffer& pcm, double fadeInSeconds, double fadeOutSeconds);

// Scales by the gain that brings `measuredDb` to `targetDb`, reduced when the
// peak would then rise above `ceilingDb`. Returns the gain used.
double normalize(PcmBuffer& pcm, double measuredDb, double targetDb, double ceilingDb);

// Rounds off peaks above `kneeDb` so none reaches `ceilingDb`; quieter
// samples pass untouched. Lets a noisy effect be as loud as a tonal one
// without a few spikes setting its level.
void softLimit(PcmBuffer& pcm, double kneeDb, double ceilingDb);

// Frames in reverse order (channels stay as they are).
void reverseFrames(PcmBuffer& pcm);

}  // namespace soundgen
