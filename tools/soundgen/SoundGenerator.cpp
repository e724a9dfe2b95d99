#include "SoundGenerator.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "EffectRenderer.h"
#include "Mastering.h"
#include "OggWriter.h"
#include "Sequencer.h"
#include "WavWriter.h"

namespace soundgen {

namespace fs = std::filesystem;

namespace {

// Vorbis quality (-0.1..1): effects are short, so a higher one costs little.
constexpr float kEffectQuality = 0.5f;
constexpr float kMusicQuality = 0.4f;

bool isOgg(const std::string& name) {
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".ogg") == 0;
}

// Source files of one kind in a folder, sorted so the order never depends on
// the file system.
std::vector<fs::path> sourcesIn(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> paths;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace

bool SoundGenerator::claimOutput(const std::string& output, const std::string& sourceName,
                                 std::string& error) {
    const auto existing = sourceOf_.find(output);
    if (existing != sourceOf_.end()) {
        error = sourceName + ": output " + output + " is already made by " + existing->second;
        return false;
    }
    sourceOf_[output] = sourceName;
    return true;
}

bool SoundGenerator::addEffect(const std::string& sourceName, const std::string& text,
                               std::string& error) {
    EffectDef effect;
    if (!parseEffect(TextSource(sourceName, text), effect, error)) return false;
    if (!claimOutput(effect.output, sourceName, error)) return false;
    effects_[effect.output] = effect;
    return true;
}

bool SoundGenerator::addSong(const std::string& sourceName, const std::string& text,
                             std::string& error) {
    SongDef song;
    if (!parseSong(TextSource(sourceName, text), song, error)) return false;
    if (!claimOutput(song.output, sourceName, error)) return false;
    songs_[song.output] = song;
    return true;
}

bool SoundGenerator::loadFolder(const std::string& assetsDir, std::string& error) {
    const fs::path root(assetsDir);
    const auto effectFiles = sourcesIn(root / "effects", ".sfx");
    const auto songFiles = sourcesIn(root / "music", ".song");
    if (effectFiles.empty() && songFiles.empty()) {
        error = assetsDir + ": no effects/*.sfx or music/*.song sources";
        return false;
    }
    for (const auto* list : {&effectFiles, &songFiles}) {
        for (const fs::path& path : *list) {
            std::string text;
            if (!readTextFile(path.string(), text)) {
                error = path.string() + ": cannot read";
                return false;
            }
            const bool ok = list == &effectFiles ? addEffect(path.string(), text, error)
                                                 : addSong(path.string(), text, error);
            if (!ok) return false;
        }
    }
    return true;
}

std::vector<std::string> SoundGenerator::outputs() const {
    std::vector<std::string> names;
    for (const auto& entry : sourceOf_) names.push_back(entry.first);
    return names;
}

bool SoundGenerator::renderEffectPcm(const std::string& output, PcmBuffer& pcm,
                                     std::string& error) const {
    const EffectDef& effect = effects_.at(output);
    const double ceiling = isOgg(output) ? kOggCeilingDb : kWavCeilingDb;
    if (effect.reverseOf.empty()) {
        pcm = renderEffect(effect, ceiling);
        return true;
    }
    const auto forward = effects_.find(effect.reverseOf);
    if (forward == effects_.end() || !forward->second.reverseOf.empty()) {
        error = sourceOf_.at(output) + ": reverse_of names no layered effect: " + effect.reverseOf;
        return false;
    }
    pcm = renderEffect(forward->second, ceiling);
    reverseFrames(pcm);
    return true;
}

bool SoundGenerator::render(const std::string& output, RenderedSound& file,
                            std::string& error) const {
    file = RenderedSound();
    file.name = output;
    if (songs_.count(output) != 0) {
        file.pcm = renderSong(songs_.at(output));
    } else if (effects_.count(output) != 0) {
        if (!renderEffectPcm(output, file.pcm, error)) return false;
    } else {
        error = "no source makes " + output;
        return false;
    }
    file.bytes = encodeSound(output, file.pcm);
    if (file.bytes.empty()) {
        error = output + ": the encoder refused it";
        return false;
    }
    return true;
}

std::vector<std::uint8_t> encodeSound(const std::string& name, const PcmBuffer& pcm) {
    // Only the music is stereo.
    if (isOgg(name)) return encodeOgg(pcm, pcm.channels == 2 ? kMusicQuality : kEffectQuality);
    return encodeWav(pcm);
}

bool writeRenderedSound(const std::string& outDir, const RenderedSound& file, std::string& error) {
    std::error_code ec;
    fs::create_directories(outDir, ec);
    const fs::path path = fs::path(outDir) / file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) {
        error = path.string() + ": cannot write";
        return false;
    }
    return true;
}

}  // namespace soundgen
