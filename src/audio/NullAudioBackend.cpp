#include "audio/NullAudioBackend.h"

#include <cstdio>

#include "audio/VorbisStream.h"
#include "common/Files.h"

namespace {

void copyName(char (&dest)[256], const char* text) {
    std::snprintf(dest, sizeof dest, "%s", text ? text : "");
}

bool validVoice(int sample, int voice, int sampleCount) {
    return sample >= 0 && sample < sampleCount && voice >= 0 && voice < kVoicesPerSample;
}

}  // namespace

int NullAudioBackend::addSample(const char* name, const PcmSound& sound) {
    if (sampleCount_ >= kMaxSamples || sound.rate <= 0) return -1;
    SampleInfo& info = samples_[sampleCount_];
    copyName(info.name, name);
    info.frames = static_cast<double>(sound.frames());
    info.rate = sound.rate;
    return sampleCount_++;
}

void NullAudioBackend::startVoice(int sample, int voice, int volume, int frequency, bool loop) {
    if (!validVoice(sample, voice, sampleCount_)) return;
    const SampleInfo& info = samples_[sample];
    const int playbackRate = frequency > 0 ? frequency : info.rate;
    voices_[sample][voice] = VoiceInfo{true, loop, now_, info.frames / playbackRate};

    AudioEvent event;
    event.kind = AudioEventKind::Play;
    copyName(event.name, info.name);
    event.volume = volume;
    event.frequency = frequency;
    event.loop = loop;
    event.voice = voice;
    log_.push(event);
}

bool NullAudioBackend::voicePlaying(int sample, int voice) const {
    if (!validVoice(sample, voice, sampleCount_)) return false;
    const VoiceInfo& v = voices_[sample][voice];
    return v.started && (v.loop || now_ - v.startTime < v.length);
}

bool NullAudioBackend::startMusic(const char* file, int volume) {
    stopMusic();
    VorbisStream probe;
    if (!file || !probe.open(nativePath(file))) return false;
    musicPlaying_ = true;

    AudioEvent event;
    event.kind = AudioEventKind::MusicStart;
    copyName(event.name, file);
    event.volume = volume;
    log_.push(event);
    return true;
}

void NullAudioBackend::stopMusic() {
    if (!musicPlaying_) return;
    musicPlaying_ = false;
    AudioEvent event;
    event.kind = AudioEventKind::MusicStop;
    log_.push(event);
}

void NullAudioBackend::setPaused(bool paused) {
    AudioEvent event;
    event.kind = paused ? AudioEventKind::Pause : AudioEventKind::Resume;
    log_.push(event);
}
