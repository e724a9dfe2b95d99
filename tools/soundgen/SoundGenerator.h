#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "EffectFile.h"
#include "PcmBuffer.h"
#include "SongFile.h"

namespace soundgen {

// One finished sound: its file name under data/sound, the samples and the
// encoded file bytes.
struct RenderedSound {
    std::string name;
    PcmBuffer pcm;
    std::vector<std::uint8_t> bytes;
};

// Collects the sound sources (effects/*.sfx and music/*.song under an assets
// folder, or texts handed in directly) and renders any of them by output name.
class SoundGenerator {
  public:
    bool loadFolder(const std::string& assetsDir, std::string& error);
    bool addEffect(const std::string& sourceName, const std::string& text, std::string& error);
    bool addSong(const std::string& sourceName, const std::string& text, std::string& error);

    // Every output name, in sorted order.
    std::vector<std::string> outputs() const;

    bool render(const std::string& output, RenderedSound& file, std::string& error) const;

  private:
    bool claimOutput(const std::string& output, const std::string& sourceName, std::string& error);
    bool renderEffectPcm(const std::string& output, PcmBuffer& pcm, std::string& error) const;

    std::map<std::string, EffectDef> effects_;
    std::map<std::string, SongDef> songs_;
    std::map<std::string, std::string> sourceOf_;  // output name -> source file
};

// The encoded bytes for `name`: WAV for ".wav", OGG Vorbis for ".ogg".
std::vector<std::uint8_t> encodeSound(const std::string& name, const PcmBuffer& pcm);

bool writeRenderedSound(const std::string& outDir, const RenderedSound& file, std::string& error);

}  // namespace soundgen
