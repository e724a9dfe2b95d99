#include "Mastering.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr double kSilenceDb = -200.0;

double toDb(double amplitude) {
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude) : kSilenceDb;
}

// One-pole DC blocker on one channel; a looped channel runs twice round the
// loop so the filter state at the start is what the end leaves behind.
void blockDc(PcmBuffer& pcm, int channel, bool looped) {
    const std::size_t frames = pcm.frames();
    if (frames == 0) return;
    const double pole = 1.0 - 2.0 * 3.141592653589793 * 12.0 / kSampleRate;
    double lastIn = 0.0;
    double lastOut = 0.0;
    const std::vector<float> input = pcm.samples;
    const int passes = looped ? 2 : 1;
    if (looped) lastIn = input[(frames - 1) * pcm.channels + channel];
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t i = 0; i < frames; ++i) {
            const std::size_t at = i * pcm.channels + channel;
            const double out = input[at] - lastIn + pole * lastOut;
            lastIn = input[at];
            lastOut = out;
            pcm.samples[at] = static_cast<float>(out);
        }
    }
}

}  // namespace

double peakDb(const PcmBuffer& pcm) {
    float peak = 0.0f;
    for (float s : pcm.samples) peak = std::max(peak, std::fabs(s));
    return toDb(peak);
}

double rmsDb(const PcmBuffer& pcm) {
    if (pcm.samples.empty()) return kSilenceDb;
    double sum = 0.0;
    for (float s : pcm.samples) sum += static_cast<double>(s) * s;
    return toDb(std::sqrt(sum / pcm.samples.size()));
}

double loudestWindowDb(const PcmBuffer& pcm, double windowSeconds) {
    const std::size_t window =
        std::max<std::size_t>(1, static_cast<std::size_t>(windowSeconds * kSampleRate)) *
        pcm.channels;
    const std::size_t hop = std::max<std::size_t>(pcm.channels, window / 2);
    double loudest = 0.0;
    for (std::size_t begin = 0; begin < pcm.samples.size(); begin += hop) {
        const std::size_t end = std::min(pcm.samples.size(), begin + window);
        double sum = 0.0;
        for (std::size_t i = begin; i < end; ++i)
            sum += static_cast<double>(pcm.samples[i]) * pcm.samples[i];
        // Short tails count as part of a whole window, not as a louder short one.
        loudest = std::max(loudest, sum / window);
        if (end == pcm.samples.size()) break;
    }
    return toDb(std::sqrt(loudest));
}

void removeDcOffset(PcmBuffer& pcm, bool looped) {
    for (int c = 0; c < pcm.channels; ++c) blockDc(pcm, c, looped);
}

void centerMean(PcmBuffer& pcm) {
    const std::size_t frames = pcm.frames();
    if (frames < 3) return;
    std::vector<double> bump(frames);
    double bumpSum = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        bump[i] = 0.5 - 0.5 * std::cos(2.0 * 3.141592653589793 * i / (frames - 1));
        bumpSum += bump[i];
    }
    for (int c = 0; c < pcm.channels; ++c) {
        double sum = 0.0;
        for (std::size_t i = 0; i < frames; ++i) sum += pcm.samples[i * pcm.channels + c];
        const double scale = sum / bumpSum;
        for (std::size_t i = 0; i < frames; ++i) {
            pcm.samples[i * pcm.channels + c] -= static_cast<float>(scale * bump[i]);
        }
    }
}

void trimTrailingSilence(PcmBuffer& pcm, double thresholdDb) {
    const float threshold = static_cast<float>(std::pow(10.0, thresholdDb / 20.0));
    std::size_t keep = pcm.frames();
    while (keep > 0) {
        bool quiet = true;
        for (int c = 0; c < pcm.channels; ++c) {
            quiet = quiet && std::fabs(pcm.samples[(keep - 1) * pcm.channels + c]) < threshold;
        }
        if (!quiet) break;
        --keep;
    }
    pcm.samples.resize(keep * pcm.channels);
}

void applyEdgeFades(PcmBuffer& pcm, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t frames = pcm.frames();
    const std::size_t fadeIn =
        std::min(frames, static_cast<std::size_t>(fadeInSeconds * kSampleRate));
    const std::size_t fadeOut =
        std::min(frames, static_cast<std::size_t>(fadeOutSeconds * kSampleRate));
    for (std::size_t i = 0; i < frames; ++i) {
        double gain = 1.0;
        if (i < fadeIn) gain = static_cast<double>(i) / fadeIn;
        if (frames - 1 - i < fadeOut)
            gain = std::min(gain, static_cast<double>(frames - 1 - i) / fadeOut);
        for (int c = 0; c < pcm.channels; ++c)
            pcm.samples[i * pcm.channels + c] *= static_cast<float>(gain);
    }
}

double normalize(PcmBuffer& pcm, double measuredDb, double targetDb, double ceilingDb) {
    double gain = std::pow(10.0, (targetDb - measuredDb) / 20.0);
    const double peak = std::pow(10.0, peakDb(pcm) / 20.0);
    const double ceiling = std::pow(10.0, ceilingDb / 20.0);
    if (peak * gain > ceiling) gain = ceiling / peak;
    for (float& s : pcm.samples) s = static_cast<float>(s * gain);
    return gain;
}

void softLimit(PcmBuffer& pcm, double kneeDb, double ceilingDb) {
    const double knee = std::pow(10.0, kneeDb / 20.0);
    const double room = std::pow(10.0, ceilingDb / 20.0) - knee;
    for (float& s : pcm.samples) {
        const double magnitude = std::fabs(s);
        if (magnitude <= knee) continue;
        const double limited = knee + room * std::tanh((magnitude - knee) / room);
        s = static_cast<float>(std::copysign(limited, s));
    }
}

void reverseFrames(PcmBuffer& pcm) {
    const std::size_t frames = pcm.frames();
    for (std::size_t i = 0; i < frames / 2; ++i) {
        for (int c = 0; c < pcm.channels; ++c) {
            std::swap(pcm.samples[i * pcm.channels + c],
                      pcm.samples[(frames - 1 - i) * pcm.channels + c]);
        }
    }
}

}  // namespace soundgen
