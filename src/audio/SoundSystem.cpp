#include "audio/SoundSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "audio/NullAudioBackend.h"
#include "audio/OpenAlBackend.h"
#include "audio/SoundFile.h"
#include "common/Files.h"
#include "common/Report.h"

namespace {

// Playback rates outside this range are pulled into it.
constexpr int kMinPlayRate = 100;
constexpr int kMaxPlayRate = 200000;

int clampVolume(int volume) {
    return std::clamp(volume, 0, 100);
}

int clampFrequency(int frequency) {
    if (frequency <= 0) return kOwnRate;
    return std::clamp(frequency, kMinPlayRate, kMaxPlayRate);
}

std::unique_ptr<AudioBackend> openOutput(SoundSystem::Output output, const Reporter* reporter) {
    if (output == SoundSystem::Output::Mute) return std::make_unique<NullAudioBackend>();
    if (auto device = OpenAlBackend::open()) return device;
    report(reporter, "Couldn't init BASS", "Error", BoxIcon::Error);
    return std::make_unique<NullAudioBackend>();
}

}  // namespace

SoundSystem::SoundSystem(Output output, const Reporter* reporter)
    : backend_(openOutput(output, reporter)) {}

SoundSystem::SoundSystem(std::unique_ptr<AudioBackend> backend) : backend_(std::move(backend)) {
    if (!backend_) backend_ = std::make_unique<NullAudioBackend>();
}

SoundSystem::~SoundSystem() {
    backend_->stopMusic();
}

bool SoundSystem::loadSample(const char* file, const char* name) {
    if (sampleCount_ >= kMaxSamples) return false;
    SampleEntry& entry = samples_[sampleCount_++];
    std::snprintf(entry.name, sizeof entry.name, "%s", name ? name : "");
    entry.handle = -1;
    entry.startedAt.fill(0);

    PcmSound sound;
    if (!file || !loadSoundFile(nativePath(file), sound, nullptr)) return false;
    entry.handle = backend_->addSample(entry.name, sound);
    return entry.handle >= 0;
}

const SoundSystem::SampleEntry* SoundSystem::findSample(const char* name) const {
    if (!name) return nullptr;
    for (int i = 0; i < sampleCount_; ++i) {
        if (std::strcmp(samples_[i].name, name) == 0) return &samples_[i];
    }
    return nullptr;
}

int SoundSystem::chooseVoice(const SampleEntry& entry) const {
    for (int voice = 0; voice < kVoicesPerSample; ++voice) {
        if (!backend_->voicePlaying(entry.handle, voice)) return voice;
    }
    // All busy: the earliest start has played longest.
    int oldest = 0;
    for (int voice = 1; voice < kVoicesPerSample; ++voice) {
        if (entry.startedAt[voice] < entry.startedAt[oldest]) oldest = voice;
    }
    return oldest;
}

void SoundSystem::play(const char* name, int volume, int frequency, bool loop) {
    const SampleEntry* found = findSample(name);
    if (!found || found->handle < 0) return;
    SampleEntry& entry = samples_[found - samples_.data()];
    const int voice = chooseVoice(entry);
    entry.startedAt[voice] = ++playCounter_;
    backend_->startVoice(entry.handle, voice, clampVolume(volume), clampFrequency(frequency), loop);
}

void SoundSystem::playMusic(const char* file, int volume) {
    backend_->startMusic(file, clampVolume(volume));
}

void SoundSystem::stopMusic() {
    backend_->stopMusic();
}
