#include "audio/AudioEventLog.h"

void AudioEventLog::push(const AudioEvent& event) {
    if (count_ == kCapacity) {
        first_ = (first_ + 1) % kCapacity;
        --count_;
        ++dropped_;
    }
    events_[(first_ + count_) % kCapacity] = event;
    ++count_;
}

const AudioEvent& AudioEventLog::at(std::size_t index) const {
    return events_[(first_ + index) % kCapacity];
}

void AudioEventLog::clear() {
    first_ = 0;
    count_ = 0;
    dropped_ = 0;
}
