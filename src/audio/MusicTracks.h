#pragma once

class SoundSystem;

// A music track: the file as the game names it, and the volume it plays at.
struct MusicTrack {
    const char* file;
    int volume;
};

constexpr int kMusicTrackCount = 4;
// Track number that means "no change" to playMusicTrack, and "no music" when
// a room stores it.
constexpr int kNoMusicTrack = -1;

// The track with this number, or nullptr for any other number.
const MusicTrack* findMusicTrack(int track);

// The World's music change: unless `requested` is kNoMusicTrack it becomes
// `currentTrack`; the music stops and `currentTrack`'s file starts from its
// beginning at the table's volume. A current track outside the table leaves
// the music stopped. So kNoMusicTrack restarts whatever is current.
void playMusicTrack(SoundSystem& sound, int& currentTrack, int requested);
