#pragma once

class ParticleSystem;
class Random;
class Reporter;
class SoundSystem;

// What every actor of a room (the World, the player, enemies, shots) reaches
// for besides the room itself: the sounds it makes, the particle pool it
// sprays into and the game's random numbers. The game owns it; the World
// supplies its particle pool. Any member may be null in a test that does not
// need it: sounds then go unheard.
struct ActorContext {
    SoundSystem* sound = nullptr;
    ParticleSystem* particles = nullptr;
    Random* random = nullptr;
    const Reporter* reporter = nullptr;  // where a room that cannot load is reported

    // Plays a sound effect at its own rate (frequency -1) or the one given.
    void playSound(const char* name, int volume, int frequency = -1) const;
};
