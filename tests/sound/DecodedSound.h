#pragma once

// Reads sound files back the way the game does: effects through its sample
// loader, music through its streaming decoder (music is longer than a
// sample may be).
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/SoundFile.h"
#include "audio/VorbisStream.h"

struct DecodedSound {
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;  // interleaved, -1..1

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
    float at(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }

    double peakDb() const {
        float peak = 0.0f;
        for (float s : samples) peak = std::fmax(peak, std::fabs(s));
        return 20.0 * std::log10(std::fmax(peak, 1e-9f));
    }
    double mean() const {
        double sum = 0.0;
        for (float s : samples) sum += s;
        return samples.empty() ? 0.0 : sum / samples.size();
    }
    double rmsDb() const {
        double sum = 0.0;
        for (float s : samples) sum += static_cast<double>(s) * s;
        return 10.0 * std::log10(std::fmax(sum / std::max<std::size_t>(1, samples.size()), 1e-18));
    }
};

inline bool decodeSoundFile(const std::string& path, DecodedSound& out, bool asMusic = false) {
    PcmSound pcm;
    VorbisStream stream;
    if (!asMusic) {
        if (!loadSoundFile(path, pcm, nullptr)) return false;
    } else if (stream.open(path)) {
        pcm.channels = stream.channels();
        pcm.rate = stream.rate();
        std::vector<std::int16_t> piece(4096 * 2);
        while (const int got = stream.read(piece.data(), 4096, false)) {
            pcm.samples.insert(pcm.samples.end(), piece.begin(),
                               piece.begin() + got * pcm.channels);
        }
    } else {
        return false;
    }
    out.channels = pcm.channels;
    out.rate = pcm.rate;
    out.samples.clear();
    for (std::int16_t s : pcm.samples) out.samples.push_back(s / 32768.0f);
    return true;
}
