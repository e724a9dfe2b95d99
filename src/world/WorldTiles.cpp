// The tile queries every mover uses: push a box out of the solid layer, and
// test a box against it (a weapon hit also opens doors, breaks blocks and
// sets off the flush target).
#include <cmath>
#include <cstdlib>

#include "gfx/Graphics.h"
#include "player/BoundingBox.h"
#include "world/ActorContext.h"
#include "world/RoomRules.h"
#include "world/World.h"

template <typename TileVisitor>
bool World::scanTiles(const BoundingBox& box, TileVisitor visit) {
    // Frame boxes are read from the current texture.
    graphics->bindTexture(tilesets[tilesetIndex].get());
    bool any = false;
    // The window reaches the box's width plus height beyond its centre, and
    // is recomputed from the box's current position at every step, so a push
    // by an earlier tile shifts it for the later ones.
    auto reach = [&]() { return box.width / 16 + box.height / 16; };
    for (int r = static_cast<int>(box.position.y / 16 - reach()) - 1;
         r < static_cast<int>(box.position.y / 16 + reach()) + 1; ++r) {
        for (int c = static_cast<int>(box.position.x / 16 - reach()) - 1;
             c < static_cast<int>(box.position.x / 16 + reach()) + 1; ++c) {
            const std::int32_t code = tileAt(kSolidLayer, c, r);
            if (code <= 0) continue;
            const FrameBox frame = graphics->getFrameBox(code - 1);
            BoundingBox tile;
            tile.set(makeVector3(16.0f * c + 8 + frame.centerX, 16.0f * r + 8 + frame.centerY, 0),
                     makeVector3(0, 0, 0), frame.width, frame.height);
            if (visit(tile, c, r)) any = true;
        }
    }
    return any;
}

bool World::pushBoxOutOfTiles(BoundingBox& box) {
    return scanTiles(box, [&](const BoundingBox& tile, int, int) { return box.pushOutOf(tile); });
}

bool World::boxHitsTiles(const BoundingBox& box, std::int32_t hitKind) {
    return scanTiles(box, [&](const BoundingBox& tile, int column, int row) {
        if (!box.overlaps(tile)) return false;
        if (hitKind == kWeaponHit) hitBlockAt(column, row);
        return true;
    });
}

void World::hitBlockAt(int column, int row) {
    for (BlockRecord& b : blocks) {
        if (b.timer != 0 || b.column != column || b.row != row) continue;
        if (b.type == kDoor) {
            actors->playSound("door_open", 30);
            const std::int32_t doorColumn = b.column, doorRow = b.row;
            // A door of several tiles opens as one.
            for (BlockRecord& door : blocks) {
                if (door.type == kDoor && std::abs(door.column - doorColumn) < 3 &&
                    std::abs(door.row - doorRow) < 3) {
                    door.timer = 1;
                }
            }
        } else if (b.type == kBreakableBlock) {
            actors->playSound("gearboy_enemyhurt", 20);
            b.timer = 1;
        } else if (b.type == kFlushTarget) {
            if (rules().drainsTheFlood && !waterDrained) {
                actors->playSound("flush", 100);
                freezeTimer = kDrainFreezeSteps;
                resumeMusic = false;
                setTile(kSolidLayer, b.column, b.row, kDrainedFlushTile);
                waterDrained = true;
            }
        }
        return;
    }
}
