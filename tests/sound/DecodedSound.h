#pragma once

// Reads sound files back the way a player's machine would: WAV through SDL's
// own loader, OGG through libvorbisfile, so the checks do not trust our
// writers' idea of the formats.
#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

// 16-bit PCM only: the one WAV form the game ships.
inline bool decodeWavFile(const std::string& path, DecodedSound& out) {
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &format, &buffer, &length) == nullptr) return false;
    const bool ok = format.format == AUDIO_S16LSB;
    if (ok) {
        out.channels = format.channels;
        out.rate = format.freq;
        const Sint16* pcm = reinterpret_cast<const Sint16*>(buffer);
        out.samples.assign(length / 2, 0.0f);
        for (Uint32 i = 0; i < length / 2; ++i) out.samples[i] = pcm[i] / 32768.0f;
    }
    SDL_FreeWAV(buffer);
    return ok;
}

inline bool decodeOggFile(const std::string& path, DecodedSound& out) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    const vorbis_info* info = ov_info(&file, -1);
    out.channels = info->channels;
    out.rate = static_cast<int>(info->rate);
    out.samples.clear();
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames < 0) {
            ov_clear(&file);
            return false;
        }
        if (frames == 0) break;
        for (long i = 0; i < frames; ++i) {
            for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][i]);
        }
    }
    ov_clear(&file);
    return true;
}

inline bool decodeSoundFile(const std::string& path, DecodedSound& out) {
    const bool ogg = path.size() > 4 && path.compare(path.size() - 4, 4, ".ogg") == 0;
    return ogg ? decodeOggFile(path, out) : decodeWavFile(path, out);
}
