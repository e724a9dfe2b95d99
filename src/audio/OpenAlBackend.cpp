#include "audio/OpenAlBackend.h"

#include "common/Files.h"

namespace {

constexpr ALCint kMixRate = 44100;

float volumeToGain(int volume) {
    return static_cast<float>(volume) / 100.0f;
}

// Sources for effects sit on the listener: centred, at full level.
void placeAtListener(ALuint source) {
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
}

}  // namespace

std::unique_ptr<OpenAlBackend> OpenAlBackend::open() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return nullptr;
    const ALCint attributes[] = {ALC_FREQUENCY, kMixRate, 0};
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || alcMakeContextCurrent(context) != ALC_TRUE) {
        if (context) alcDestroyContext(context);
        alcCloseDevice(device);
        return nullptr;
    }
    return std::unique_ptr<OpenAlBackend>(new OpenAlBackend(device, context));
}

OpenAlBackend::OpenAlBackend(ALCdevice* device, ALCcontext* context)
    : device_(device), context_(context) {}

OpenAlBackend::~OpenAlBackend() {
    music_.stop();
    for (int i = 0; i < sampleCount_; ++i) {
        Sample& sample = samples_[i];
        for (ALuint source : sample.sources) alSourceStop(source);
        alDeleteSources(kVoicesPerSample, sample.sources.data());
        alDeleteBuffers(1, &sample.buffer);
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    // Closing the device also finishes a file the wave writer was filling.
    alcCloseDevice(device_);
}

int OpenAlBackend::addSample(const char*, const PcmSound& sound) {
    if (sampleCount_ >= kMaxSamples || sound.frames() == 0) return -1;
    Sample& sample = samples_[sampleCount_];
    alGetError();
    alGenBuffers(1, &sample.buffer);
    if (alGetError() != AL_NO_ERROR) return -1;
    const ALenum format = sound.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    const auto bytes = static_cast<ALsizei>(sound.samples.size() * sizeof(std::int16_t));
    alBufferData(sample.buffer, format, sound.samples.data(), bytes, sound.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &sample.buffer);
        return -1;
    }
    alGenSources(kVoicesPerSample, sample.sources.data());
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &sample.buffer);
        return -1;
    }
    for (ALuint source : sample.sources) {
        placeAtListener(source);
        alSourcei(source, AL_BUFFER, static_cast<ALint>(sample.buffer));
    }
    sample.rate = sound.rate;
    return sampleCount_++;
}

bool OpenAlBackend::validVoice(int sample, int voice) const {
    return sample >= 0 && sample < sampleCount_ && voice >= 0 && voice < kVoicesPerSample;
}

void OpenAlBackend::startVoice(int sample, int voice, int volume, int frequency, bool loop) {
    if (!validVoice(sample, voice)) return;
    const Sample& entry = samples_[sample];
    const ALuint source = entry.sources[voice];
    const float pitch = frequency == kOwnRate
                            ? 1.0f
                            : static_cast<float>(frequency) / static_cast<float>(entry.rate);
    alSourceStop(source);
    alSourcef(source, AL_GAIN, volumeToGain(volume));
    alSourcef(source, AL_PITCH, pitch);
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);  // a stopped source plays again from its start
}

bool OpenAlBackend::voicePlaying(int sample, int voice) const {
    if (!validVoice(sample, voice)) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(samples_[sample].sources[voice], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

bool OpenAlBackend::startMusic(const char* file, int volume) {
    if (!file) {
        music_.stop();
        return false;
    }
    return music_.start(nativePath(file), volumeToGain(volume));
}

void OpenAlBackend::stopMusic() {
    music_.stop();
}

void OpenAlBackend::setPaused(bool paused) {
    // The whole device holds still: the music thread may go on queueing
    // buffers, and the sound takes up where it stopped. OpenAL Soft has the
    // extension; elsewhere the sound plays on under the pause.
    if (!alcIsExtensionPresent(device_, "ALC_SOFT_pause_device")) return;
    using PauseFunction = void(ALC_APIENTRY*)(ALCdevice*);
    const char* name = paused ? "alcDevicePauseSOFT" : "alcDeviceResumeSOFT";
    if (auto call = reinterpret_cast<PauseFunction>(alcGetProcAddress(device_, name))) {
        call(device_);
    }
}
