// One World step: camera, room feature, doors and blocks, the scripted rooms,
// enemies and particles.
#include <cmath>
#include <cstdlib>

#include "audio/SoundSystem.h"
#include "enemies/EnemyList.h"
#include "gfx/Graphics.h"
#include "math/Random.h"
#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "player/Player.h"
#include "world/ActorContext.h"
#include "world/World.h"

namespace {

constexpr std::int32_t kDoorHalfOpen = 22;
constexpr std::int32_t kDoorOpen = 30;
constexpr std::int32_t kDoorHeldOpen = 249;
constexpr std::int32_t kDoorClosing = 250;
constexpr std::int32_t kDoorHalfClosed = 272;
constexpr std::int32_t kDoorClosed = 280;

}  // namespace

void World::update() {
    updateCamera();
    updateFeature();
    updateBlocks();
    runRoomEvents();
    enemies->updateAll();
    particles->update();
}

void World::updateCamera() {
    prevCamera = camera;
    const Vector3 lookAhead = vectorAdd(camera, vectorScale(cameraVelocity, 5));
    Vector3 target = vectorAdd(player->position, makeVector3(0, 20, 0));
    target.x = std::trunc(target.x);
    // Vertical dead zone: small up and down moves leave the camera still.
    // A target held by the dead zone is the camera itself, not truncated:
    // truncating it would pull the camera down out of the zone, back up again,
    // and so on for ever, a shimmer of the whole view.
    if (std::fabs(target.y - camera.y) < 3.0f) {
        target.y = camera.y;
    } else {
        target.y = std::trunc(target.y);
    }
    cameraVelocity = vectorScale(
        vectorAdd(cameraVelocity, vectorScale(vectorSubtract(target, lookAhead), 0.4f)), 0.3f);
    camera = vectorAdd(camera, cameraVelocity);

    // The lower bound last: a room one cell across keeps the camera centred.
    const SectionRecord& s = sections[currentSection];
    const float maxX = s.widthCells * 320.0f - 160.0f, maxY = s.heightCells * 240.0f - 120.0f;
    if (camera.x > maxX) camera.x = maxX;
    if (camera.x < 160.0f) camera.x = 160.0f;
    if (camera.y > maxY) camera.y = maxY;
    if (camera.y < 120.0f) camera.y = 120.0f;
}

void World::updateFeature() {
    player->formChangeAllowed = false;
    if (!featurePresent) return;
    if (featureState == 1 && freezeTimer == 0) featureState = 2;
    if (featureState != 0) return;

    featureAnim = (featureAnim + 1) % 100;
    BoundingBox touch;
    touch.set(featurePos, makeVector3(0, 0, 0), 5, 5);
    if (!player->bodyBox.overlaps(touch)) return;
    if (featureKind == kFeatureBallItem) {
        if (actors->sound) actors->sound->stopMusic();
        actors->playSound("voidlet_item", 40);
        freezeTimer = kFanfareFreezeSteps;
        resumeMusic = true;
        player->hasBall = true;
        featureState = 1;
        featureTaken[currentSection] = true;
    } else if (featureKind == kFeatureFormStation) {
        // Never used up: true exactly in the steps the player touches it.
        player->formChangeAllowed = true;
    }
}

void World::updateBlocks() {
    bool closingSoundDue = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        BlockRecord& b = blocks[i];
        if (b.timer <= 0) continue;
        b.timer += 1;

        if (b.autoClose && b.timer > kDoorOpen) {
            const int column = static_cast<int>(player->position.x) / 16;
            const int row = static_cast<int>(player->position.y) / 16;
            b.timer = kDoorHeldOpen;
            const bool inDoorway = std::abs(b.column - column) < 2 && std::abs(b.row - row) < 3;
            if (!inDoorway) {
                // The player has walked away: every held door closes together.
                bool changed = false;
                for (BlockRecord& door : blocks) {
                    if (door.type == kDoor && door.autoClose) {
                        door.timer = kDoorClosing;
                        door.autoClose = false;
                        changed = true;
                    }
                }
                closingSoundDue = true;
                if (changed) {
                    i = static_cast<std::size_t>(-1);  // rescan from the first record
                    continue;
                }
            }
            if (!b.autoClose) continue;
        }

        if (b.type == kBreakableBlock) {
            setTile(kSolidLayer, b.column, b.row, 0);
            b.timer = 0;
            particles->spawnBurst(makeVector3(16.0f * b.column + 8, 16.0f * b.row + 8, 0),
                                  kBurstSmall);
        } else if (b.type == kDoor) {
            if (b.timer == kDoorHalfClosed && playerInCell(b.column, b.row)) {
                // Closing on the player would shut it inside the rock: the
                // tile waits, open, until the player has stepped out of it.
                b.timer = kDoorHalfClosed - 1;
                continue;
            }
            if (b.timer == kDoorClosing) closingSoundDue = true;
            if (b.timer == kDoorHalfOpen || b.timer == kDoorHalfClosed) {
                setTile(kSolidLayer, b.column, b.row, b.savedTile + 1);
            }
            if (b.timer == kDoorOpen) setTile(kSolidLayer, b.column, b.row, 0);
            if (b.timer == kDoorClosed) {
                setTile(kSolidLayer, b.column, b.row, b.savedTile);
                b.timer = 0;
            }
        }
    }
    if (closingSoundDue) actors->playSound("door_open", 30);
}

bool World::playerInCell(int column, int row) const {
    BoundingBox cell;
    // A quarter unit inside the cell, so a body merely touching it from the
    // next cell does not count.
    cell.set(makeVector3(16.0f * column + 8, 16.0f * row + 8, 0), makeVector3(0, 0, 0), 15.5f,
             15.5f);
    return player->bodyBox.overlaps(cell);
}

void World::runRoomEvents() {
    // Bubbles rise through the flooded room about once in 101 steps.
    if (player->inWater && actors->random->below(101) == 0) {
        const Vector3 velocity = makeVector3(0, actors->random->below(11) / 20.0f + 0.5f, 0);
        const float y = camera.y - 180 + actors->random->below(271);
        const float x = camera.x - 160 + actors->random->below(321);
        const std::int32_t life = 300 + actors->random->below(201);
        particles->emit(makeVector3(x, y, 0), velocity, 0, 0, kParticleBubble, life);
    }
    if (!bossMusicStarted && inDragonRoom && player->position.x > 640) {
        bossMusicStarted = true;
        playMusicTrack(3);
    }
    // The dragon's fly-past: the player stands still while the world moves.
    if (!wooshPlayed && inBridgeRoom && player->position.x > 160 && player->position.y > 720 &&
        !bridgeCollapsed) {
        actors->playSound("dragon_woosh", 40);
        wooshPlayed = true;
        freezeTimer = kFlyPastFreezeSteps;
        resumeMusic = false;
        updateDuringFreeze = true;
    }
    if (crushStage == 1) {
        actors->playSound("big_crush", 100);
        playMusicTrack(2);
        musicLocked = true;
        for (const BlockRecord& b : blocks) {
            if (b.type == kBreakableBlock) crushBlock(b);
        }
        crushStage = 2;
        bridgeCollapsed = true;
        player->onGround = false;
    }
    if (crushStage == 3) {
        actors->playSound("big_crush", 100);
        for (const BlockRecord& b : blocks) {
            if (b.type == kFlushTarget) crushBlock(b);
        }
        crushStage = 4;
        bridgeCollapsed = true;
        player->onGround = false;
    }
}

void World::crushBlock(const BlockRecord& block) {
    setTile(kSolidLayer, block.column, block.row, 0);
    setTile(kFrontLayer, block.column, block.row, 0);
    for (int piece = 0; piece < 3; ++piece) {
        const float vy = actors->random->below(21) / 3.0f + 0.5f;
        const float vx = actors->random->below(11) / 10.0f - 0.5f;
        const float py = static_cast<float>(actors->random->below(17));
        const float px = static_cast<float>(actors->random->below(17));
        const std::int32_t life = 300 + actors->random->below(101);
        const float spin = actors->random->below(11) / 10.0f - 0.5f;
        particles->emit(makeVector3(16.0f * block.column - 8 + px, 16.0f * block.row - 8 + py, 0),
                        makeVector3(vx, vy, 0), spin, 2, kParticleDebris, life);
    }
    const std::int32_t preset = actors->random->below(2) == 0 ? kBurstSmall : kBurstExplosion;
    particles->spawnBurst(makeVector3(16.0f * block.column + 8, 16.0f * block.row + 8, 0), preset);
}
