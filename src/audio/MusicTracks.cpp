#include "audio/MusicTracks.h"

#include "audio/SoundSystem.h"

namespace {

// Exploration, machinery, collapse, boss.
constexpr MusicTrack kTracks[kMusicTrackCount] = {
    {"data\\sound\\music_fernvale.ogg", 60},
    {"data\\sound\\music_ironclad.ogg", 50},
    {"data\\sound\\music_snake6.ogg", 70},
    {"data\\sound\\music_snake7.ogg", 80},
};

}  // namespace

const MusicTrack* findMusicTrack(int track) {
    if (track < 0 || track >= kMusicTrackCount) return nullptr;
    return &kTracks[track];
}

void playMusicTrack(SoundSystem& sound, int& currentTrack, int requested) {
    if (requested != kNoMusicTrack) currentTrack = requested;
    sound.stopMusic();
    if (const MusicTrack* track = findMusicTrack(currentTrack)) {
        sound.playMusic(track->file, track->volume);
    }
}
