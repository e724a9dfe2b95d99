#include "world/RoomFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "common/Files.h"

namespace {

// Room and map files are small; this bounds what a corrupt name can make us read.
constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

// Reads little-endian fields from a byte range, refusing to step past it.
class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t remaining() const { return size_ - offset_; }
    std::size_t offset() const { return offset_; }

    bool u8(std::uint8_t& out) {
        if (remaining() < 1) return false;
        out = data_[offset_++];
        return true;
    }
    bool i32(std::int32_t& out) {
        if (remaining() < 4) return false;
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | data_[offset_ + i];
        offset_ += 4;
        std::memcpy(&out, &v, 4);
        return true;
    }
    bool f32(float& out) {
        std::int32_t bits;
        if (!i32(bits)) return false;
        std::memcpy(&out, &bits, 4);
        return true;
    }
    bool vec3(Vector3& out) { return f32(out.x) && f32(out.y) && f32(out.z); }
    bool bytes(char* out, std::size_t n) {
        if (remaining() < n) return false;
        std::memcpy(out, data_ + offset_, n);
        offset_ += n;
        return true;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

class Writer {
  public:
    void u8(std::uint8_t v) { out_.push_back(v); }
    void i32(std::int32_t v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    void f32(float v) {
        std::int32_t bits;
        std::memcpy(&bits, &v, 4);
        i32(bits);
    }
    void vec3(Vector3 v) {
        f32(v.x);
        f32(v.y);
        f32(v.z);
    }
    void bytes(const char* data, std::size_t n) { out_.insert(out_.end(), data, data + n); }
    std::vector<std::uint8_t> take() { return std::move(out_); }

  private:
    std::vector<std::uint8_t> out_;
};

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

std::string at(std::size_t offset) {
    return " (at byte " + std::to_string(offset) + ")";
}

bool validSectionName(const char* raw, std::string& name) {
    const void* end = std::memchr(raw, '\0', kSectionNameBytes);
    if (!end) return false;
    name.assign(raw, static_cast<const char*>(end));
    return !name.empty() && name.size() <= kMaxSectionNameLength;
}

std::string describe(Vector3 v) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", v.x, v.y, v.z);
    return text;
}

// A stored position must be a number near the room: NaN or infinity would
// spread through every calculation, and a far-off value overflows the
// integer tile lookups.
bool usablePosition(Vector3 p, const RoomFile& room) {
    const float right = 16.0f * room.width + kPositionMarginX;
    const float top = 16.0f * room.height + kPositionMarginY;
    const float depth = 16.0f * kMaxRoomTiles;
    // Written so that NaN, which fails every comparison, fails the test.
    return p.x >= -kPositionMarginX && p.x <= right && p.y >= -kPositionMarginY && p.y <= top &&
           p.z >= -depth && p.z <= depth;
}

bool readCount(Reader& in, std::size_t entryBytes, std::int32_t& count, const char* what,
               std::string* error) {
    const std::size_t offset = in.offset();
    if (!in.i32(count))
        return fail(error, std::string("file ends before the ") + what + at(offset));
    if (count < 0) {
        return fail(error,
                    std::string("negative ") + what + " " + std::to_string(count) + at(offset));
    }
    if (static_cast<std::size_t>(count) > in.remaining() / entryBytes) {
        return fail(error, std::string(what) + " " + std::to_string(count) +
                               " is more than the file holds" + at(offset));
    }
    return true;
}

}  // namespace

bool parseMapFile(const std::uint8_t* data, std::size_t size, MapFile& out, std::string* error) {
    out = MapFile{};
    Reader in(data, size);
    std::int32_t count = 0;
    if (!readCount(in, kSectionRecordBytes, count, "section count", error)) return false;
    if (count == 0) return fail(error, "the map has no sections");
    out.sections.resize(count);
    for (std::int32_t i = 0; i < count; ++i) {
        SectionRecord& s = out.sections[i];
        char raw[kSectionNameBytes];
        const std::size_t offset = in.offset();
        in.bytes(raw, kSectionNameBytes);
        in.i32(s.gridX);
        in.i32(s.gridY);
        in.i32(s.widthCells);
        in.i32(s.heightCells);
        const std::string which = "section " + std::to_string(i);
        if (!validSectionName(raw, s.name)) {
            return fail(error, which + " has an empty, unterminated or over-90-character name" +
                                   at(offset));
        }
        if (s.widthCells < 1 || s.heightCells < 1 || s.widthCells > kMaxGridCells ||
            s.heightCells > kMaxGridCells) {
            return fail(error, which + " (" + s.name + ") has a size of " +
                                   std::to_string(s.widthCells) + "x" +
                                   std::to_string(s.heightCells) + " cells");
        }
        if (s.gridX < -kMaxGridCoordinate || s.gridX > kMaxGridCoordinate ||
            s.gridY < -kMaxGridCoordinate || s.gridY > kMaxGridCoordinate) {
            return fail(error, which + " (" + s.name + ") lies outside the map grid");
        }
    }
    return true;
}

bool parseRoomFile(const std::uint8_t* data, std::size_t size, RoomFile& out, std::string* error) {
    out = RoomFile{};
    Reader in(data, size);
    if (!in.i32(out.width) || !in.i32(out.height)) return fail(error, "file ends before its size");
    if (out.width < 1 || out.height < 1 || out.width > kMaxRoomTiles ||
        out.height > kMaxRoomTiles) {
        return fail(error, "room size " + std::to_string(out.width) + "x" +
                               std::to_string(out.height) + " tiles is not usable");
    }
    const std::size_t cells = static_cast<std::size_t>(out.width) * out.height;
    if (in.remaining() / 4 / kLayerCount < cells) {
        return fail(error, "file ends inside the tile layers of a " + std::to_string(out.width) +
                               "x" + std::to_string(out.height) + " room");
    }
    for (auto& layer : out.layers) {
        layer.resize(cells);
        for (std::int32_t& code : layer) in.i32(code);
    }
    const std::size_t tailOffset = in.offset();
    if (!in.u8(out.spare) || !in.vec3(out.startPos) || !in.u8(out.featurePresent) ||
        !in.vec3(out.featurePos)) {
        return fail(error, "file ends inside the start position and feature" + at(tailOffset));
    }
    if (!usablePosition(out.startPos, out)) {
        return fail(error,
                    "the start position " + describe(out.startPos) + " lies far outside the room");
    }
    if (!usablePosition(out.featurePos, out)) {
        return fail(error, "the feature position " + describe(out.featurePos) +
                               " lies far outside the room");
    }
    std::int32_t enemyCount = 0;
    if (!readCount(in, kEnemyEntryBytes, enemyCount, "enemy count", error)) return false;
    out.enemies.resize(enemyCount);
    for (std::size_t n = 0; n < out.enemies.size(); ++n) {
        EnemyEntry& e = out.enemies[n];
        in.vec3(e.pos);
        in.i32(e.kind);
        in.u8(e.flag);
        if (!usablePosition(e.pos, out)) {
            return fail(error, "enemy " + std::to_string(n) + " at " + describe(e.pos) +
                                   " lies far outside the room");
        }
    }
    std::int32_t blockCount = 0;
    const std::size_t blockCountOffset = in.offset();
    if (!readCount(in, kBlockEntryBytes, blockCount, "block count", error)) return false;
    if (blockCount > kMaxRoomBlocks) {
        return fail(error, "block count " + std::to_string(blockCount) + " is more than " +
                               std::to_string(kMaxRoomBlocks) + at(blockCountOffset));
    }
    out.blocks.resize(blockCount);
    for (std::size_t m = 0; m < out.blocks.size(); ++m) {
        BlockEntry& b = out.blocks[m];
        in.i32(b.column);
        in.i32(b.row);
        in.i32(b.type);
        if (b.column < 0 || b.column >= out.width || b.row < 0 || b.row >= out.height) {
            return fail(error, "block " + std::to_string(m) + " at column " +
                                   std::to_string(b.column) + ", row " + std::to_string(b.row) +
                                   " lies outside the room");
        }
    }
    return true;
}

bool readMapFile(const std::string& path, MapFile& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxFileBytes, error)) return false;
    return parseMapFile(bytes.data(), bytes.size(), out, error);
}

bool readRoomFile(const std::string& path, RoomFile& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxFileBytes, error)) return false;
    return parseRoomFile(bytes.data(), bytes.size(), out, error);
}

std::vector<std::uint8_t> serializeMapFile(const MapFile& map) {
    Writer out;
    out.i32(static_cast<std::int32_t>(map.sections.size()));
    for (const SectionRecord& s : map.sections) {
        char raw[kSectionNameBytes] = {};
        std::memcpy(raw, s.name.data(), std::min(s.name.size(), kSectionNameBytes - 1));
        out.bytes(raw, kSectionNameBytes);
        out.i32(s.gridX);
        out.i32(s.gridY);
        out.i32(s.widthCells);
        out.i32(s.heightCells);
    }
    return out.take();
}

std::vector<std::uint8_t> serializeRoomFile(const RoomFile& room) {
    Writer out;
    out.i32(room.width);
    out.i32(room.height);
    for (const auto& layer : room.layers) {
        for (std::int32_t code : layer) out.i32(code);
    }
    out.u8(room.spare);
    out.vec3(room.startPos);
    out.u8(room.featurePresent);
    out.vec3(room.featurePos);
    out.i32(static_cast<std::int32_t>(room.enemies.size()));
    for (const EnemyEntry& e : room.enemies) {
        out.vec3(e.pos);
        out.i32(e.kind);
        out.u8(e.flag);
    }
    out.i32(static_cast<std::int32_t>(room.blocks.size()));
    for (const BlockEntry& b : room.blocks) {
        out.i32(b.column);
        out.i32(b.row);
        out.i32(b.type);
    }
    return out.take();
}
