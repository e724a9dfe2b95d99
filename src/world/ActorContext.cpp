#include "world/ActorContext.h"

#include "audio/SoundSystem.h"

void ActorContext::playSound(const char* name, int volume, int frequency) const {
    if (sound) sound->play(name, volume, frequency, false);
}
