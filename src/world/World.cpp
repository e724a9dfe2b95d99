// The World's life cycle: construction, map and room loading, room changes.
#include "world/World.h"

#include <cmath>
#include <cstring>

#include "audio/MusicTracks.h"
#include "audio/SoundSystem.h"
#include "common/Files.h"
#include "common/Report.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "gfx/Graphics.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/ActorContext.h"
#include "world/RoomRules.h"

namespace {

constexpr float kCellWidth = 320.0f;
constexpr float kCellHeight = 240.0f;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void reportDataError(const Reporter* reporter, const std::string& path,
                     const std::string& problem) {
    const std::string text = "Cannot load " + nativePath(path) + ": " + problem;
    report(reporter, text.c_str(), "ERROR", BoxIcon::Exclamation);
}

}  // namespace

World::World(Graphics* graphics, ActorContext* actors) : graphics(graphics), actors(actors) {
    tilesets[0] = graphics->loadTexture("data\\tiles_test.tga");
    tilesets[1] = graphics->loadTexture("data\\tiles_combo1.tga");
    tilesets[2] = graphics->loadTexture("data\\tiles_test-gearboy.tga");
    itemsTexture = graphics->loadTexture("data\\items.tga");
    enemies = std::make_unique<EnemyList>(graphics, actors);
    enemies->setWorld(this);
    particles = std::make_unique<ParticleSystem>(graphics);
    actors->particles = particles.get();
    graphics->setBaseColor(1, 1, 1);
    graphics->setClearColor(0, 0, 0);
}

World::~World() {}

const RoomRules& World::rules() const {
    return roomRulesFor(sections.empty() ? "" : sections[currentSection].name.c_str());
}

void World::playMusicTrack(std::int32_t track) {
    if (SoundSystem* sound = actors->sound) {
        int current = musicTrack;
        ::playMusicTrack(*sound, current, track);
        musicTrack = current;
    }
}

std::int32_t World::tileAt(int layer, int column, int row) const {
    if (column < 0 || row < 0 || column >= width || row >= height) return 0;
    return layers[layer][static_cast<std::size_t>(row) * width + column];
}

void World::setTile(int layer, int column, int row, std::int32_t code) {
    if (column < 0 || row < 0 || column >= width || row >= height) return;
    layers[layer][static_cast<std::size_t>(row) * width + column] = code;
}

bool World::loadMap(const std::string& path) {
    MapFile map;
    std::string error;
    if (!readMapFile(path, map, &error)) {
        reportDataError(actors->reporter, path, error);
        return false;
    }
    waterDrained = bridgeCollapsed = inBridgeRoom = wooshPlayed = false;
    bossMusicStarted = inDragonRoom = musicLocked = false;
    crushStage = 0;
    sections = std::move(map.sections);
    featureTaken.assign(sections.size(), false);
    currentSection = 0;
    tilesetIndex = 0;
    graphics->setBaseColor(1, 1, 1);
    graphics->setClearColor(0, 0, 0);
    mapFolder = folderOf(path);
    roomLoaded = false;
    if (!loadSection(mapFolder + sections[0].name)) return false;

    startPos.y += 30;
    player->setPosition(startPos.x, startPos.y, startPos.z);
    placeCameraOnPlayer();
    return true;
}

bool World::loadSection(const std::string& path) {
    RoomFile room;
    std::string error;
    if (!readRoomFile(path, room, &error)) {
        reportDataError(actors->reporter, path, error);
        return false;
    }
    particles->clear();
    applyRoom(room);
    roomLoaded = true;
    return true;
}

void World::applyRoom(const RoomFile& room) {
    width = room.width;
    height = room.height;
    for (int k = 0; k < kLayerCount; ++k) layers[k] = room.layers[k];
    startPos = room.startPos;
    featurePresent = room.featurePresent != 0;
    featurePos = room.featurePos;

    const RoomRules& here = rules();
    if (!featureTaken[currentSection]) {
        if (here.featureKind != kKeepFeatureKind) featureKind = here.featureKind;
        featureState = 0;
    } else {
        featurePresent = false;
    }

    enemies->clear();
    const bool drainedFloodRoom = here.flooded && waterDrained;
    if (drainedFloodRoom) {
        // Drained, it looks dry: the water behind becomes cave wall.
        for (std::vector<std::int32_t>& layer : layers) {
            for (std::int32_t& code : layer) {
                if (code == kWaterBackTile) code = kDryBackTile;
                if (code == kWaterSurfaceTile) code = 0;
            }
        }
    }
    for (const EnemyEntry& entry : room.enemies) {
        // Rakas live in the water; they are gone once it has drained.
        if (drainedFloodRoom && entry.kind == kRaka) continue;
        enemies->spawn(entry.pos, entry.kind, entry.flag);
    }

    blocks.clear();
    blocks.reserve(room.blocks.size());
    for (const BlockEntry& entry : room.blocks) {
        BlockRecord record{
            entry.column, entry.row, 0, entry.type, tileAt(kSolidLayer, entry.column, entry.row),
            false};
        blocks.push_back(record);
        if (entry.type == kFlushTarget && here.drainsTheFlood && waterDrained) {
            setTile(kSolidLayer, entry.column, entry.row, kDrainedFlushTile);
        }
        if ((entry.type == kBreakableBlock || entry.type == kFlushTarget) && here.bridge &&
            bridgeCollapsed) {
            setTile(kSolidLayer, entry.column, entry.row, 0);
            setTile(kFrontLayer, entry.column, entry.row, 0);
        }
    }
}

void World::placeCameraOnPlayer() {
    camera = vectorAdd(player->position, makeVector3(0, 20, 0));
    prevCamera = camera;
    drawCamera = camera;
    cameraVelocity = makeVector3(0, 0, 0);
    graphics->setDrawCamera(drawCamera);
}

namespace {

int findSection(const std::vector<SectionRecord>& sections, std::int32_t gridX,
                std::int32_t gridY) {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionRecord& s = sections[i];
        if (s.gridX <= gridX && gridX < s.gridX + s.widthCells && s.gridY <= gridY &&
            gridY < s.gridY + s.heightCells) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The grid cell beyond the edge the player has crossed, or false when the
// player is inside the room.
bool exitCell(const SectionRecord& s, Vector3 p, std::int32_t& gridX, std::int32_t& gridY) {
    const auto cellRow = static_cast<std::int32_t>(p.y / 16 / 15);
    const auto cellColumn = static_cast<std::int32_t>(p.x / 16 / 20);
    if (p.x < 0) {
        gridX = s.gridX - 1;
        gridY = s.gridY + cellRow;
    } else if (p.x >= s.widthCells * kCellWidth) {
        gridX = s.gridX + s.widthCells;
        gridY = s.gridY + cellRow;
    } else if (p.y < 0) {
        gridX = s.gridX + cellColumn;
        gridY = s.gridY - 1;
    } else if (p.y >= s.heightCells * kCellHeight) {
        gridX = s.gridX + cellColumn;
        gridY = s.gridY + s.heightCells;
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool World::isPlayerOutsideRoom() {
    const SectionRecord& s = sections[currentSection];
    Vector3& p = player->position;
    std::int32_t gridX = 0, gridY = 0;
    if (!exitCell(s, p, gridX, gridY)) return false;
    if (findSection(sections, gridX, gridY) >= 0) return true;
    // No room lies beyond this edge: it is a wall. Put the player back just
    // inside and stop the movement that carried it out.
    const float right = s.widthCells * kCellWidth, top = s.heightCells * kCellHeight;
    if (p.x < 0) {
        p.x = 0;
        if (player->velocity.x < 0) player->velocity.x = 0;
    } else if (p.x >= right) {
        p.x = std::nextafter(right, 0.0f);
        if (player->velocity.x > 0) player->velocity.x = 0;
    } else if (p.y < 0) {
        p.y = 0;
        if (player->velocity.y < 0) player->velocity.y = 0;
    } else {
        p.y = std::nextafter(top, 0.0f);
        if (player->velocity.y > 0) player->velocity.y = 0;
    }
    return false;
}

void World::leaveRoom() {
    const SectionRecord from = sections[currentSection];
    Vector3 p = player->position;
    std::int32_t gridX = 0, gridY = 0;
    if (!exitCell(from, p, gridX, gridY)) return;

    if (p.x < 0) {
        if (!changeRoom(gridX, gridY)) return;
        const SectionRecord& to = sections[currentSection];
        player->setPosition(to.widthCells * kCellWidth + p.x - 4,
                            (from.gridY - to.gridY) * kCellHeight + p.y, 0);
    } else if (p.x >= from.widthCells * kCellWidth) {
        player->setPosition(p.x - from.widthCells * kCellWidth, p.y, 0);
        if (!changeRoom(gridX, gridY)) {
            player->setPosition(p.x, p.y, p.z);
            return;
        }
        const SectionRecord& to = sections[currentSection];
        p = player->position;
        player->setPosition(p.x + 4, (from.gridY - to.gridY) * kCellHeight + p.y, 0);
    } else if (p.y < 0) {
        if (!changeRoom(gridX, gridY)) return;
        const SectionRecord& to = sections[currentSection];
        player->setPosition((from.gridX - to.gridX) * kCellWidth + p.x,
                            to.heightCells * kCellHeight + p.y - 4, 0);
    } else {
        player->setPosition(p.x, p.y - from.heightCells * kCellHeight, 0);
        if (!changeRoom(gridX, gridY)) {
            player->setPosition(p.x, p.y, p.z);
            return;
        }
        const SectionRecord& to = sections[currentSection];
        p = player->position;
        player->setPosition((from.gridX - to.gridX) * kCellWidth + p.x, p.y + 4, 0);
    }
    placeCameraOnPlayer();
}

bool World::changeRoom(std::int32_t gridX, std::int32_t gridY) {
    const int target = findSection(sections, gridX, gridY);
    if (target < 0) return false;
    const std::int32_t previous = currentSection;
    currentSection = target;
    if (!loadSection(mapFolder + sections[target].name)) {
        currentSection = previous;
        roomLoadFailed = true;
        return false;
    }
    player->getProjectiles()->clear();
    particles->clear();
    applyRoomRules();
    return true;
}

void World::applyRoomRules() {
    const RoomRules& here = rules();
    tilesetIndex = here.tileset;

    graphics->setBaseColor(1, 1, 1);
    graphics->setClearColor(0, 0, 0);
    player->inWater = false;
    darkRoom = false;
    if (here.flooded && !waterDrained) {
        graphics->setBaseColor(0.6f, 0.8f, 1.0f);
        graphics->setClearColor(0, 0, 0.4f);
        player->inWater = true;
        if (bridgeCollapsed) {
            graphics->setBaseColor(0.3f, 0.6f, 0.8f);
            graphics->setClearColor(0, 0.1f, 0.2f);
        }
    }
    if (here.dark) {
        darkRoom = true;
        resetFlashlight = true;
    }

    // Once the bridge has come down its track plays on wherever the player
    // goes (musicLocked).
    if (!musicLocked) {
        if (here.musicTrack == kSilence) {
            if (actors->sound) actors->sound->stopMusic();
            musicTrack = -1;
        } else if (here.musicTrack != kKeepMusic && musicTrack != here.musicTrack) {
            playMusicTrack(here.musicTrack);
        }
    }

    wooshPlayed = false;
    crushStage = 0;
    inBridgeRoom = here.bridge;
    inDragonRoom = here.dragonFight;
}

void World::openDoorsNearPlayer() {
    const int column = static_cast<int>(player->position.x) / 16;
    const int row = static_cast<int>(player->position.y) / 16;
    const BlockRecord* door = nullptr;
    for (const BlockRecord& b : blocks) {
        if (b.type == kDoor && b.timer == 0 && std::abs(column - b.column) < 3 &&
            std::abs(row - b.row) < 3) {
            door = &b;
            break;
        }
    }
    if (!door) return;
    actors->playSound("door_open", 30);
    const std::int32_t doorColumn = door->column, doorRow = door->row;
    // Only door records open: a breakable block or the flush target beside an
    // entry door must not go off by itself.
    for (BlockRecord& b : blocks) {
        if (b.type == kDoor && std::abs(b.column - doorColumn) < 3 &&
            std::abs(b.row - doorRow) < 3) {
            b.timer = 1;
            b.autoClose = true;
        }
    }
}
