#pragma once

#include <memory>
#include <string>
#include <vector>

#include "enemies/BossDragon.h"
#include "gfx/Graphics.h"
#include "support/RecordingGl.h"

// Where the dragon boss draws its 15 parts around its centre (x right, y up,
// at scale 1, facing right) and with which sheet frame, in drawing order.
struct DragonPart {
    float x;
    float y;
    int frame;
};

// The parts as the game's own BossDragon draws them, read through the
// recording GL, so the picture tests check the game's table and not a copy
// of it. Pose 0: hovering (head, tail and wing at rest); pose 1: in flight,
// with the hind leg drawn first. `sheetPath` is the dragon's sheet,
// enemy_bossdragon.tga.
inline std::vector<DragonPart> dragonParts(int pose, const std::string& sheetPath) {
    Graphics recording(recgl::recordingGl());
    const std::unique_ptr<Texture> sheet = recording.loadTexture(sheetPath);
    recording.bindTexture(sheet.get());
    BossDragon dragon(&recording, makeVector3(0, 0, 0), kBossDragon, 0);
    dragon.state = pose == 0 ? BossDragon::kHovering : BossDragon::kSwoopingIn;
    dragon.headPose = dragon.lowerPose = dragon.wingPose = pose;
    dragon.scale = dragon.previousScale = 1.0f;
    dragon.facing = 0;
    recgl::calls().clear();
    dragon.draw(1.0f);
    std::vector<DragonPart> parts;
    for (const recgl::Call& call : recgl::sprites()) {
        parts.push_back(
            {call.worldX(), call.worldY(), call.frame(sheet->getWidth(), sheet->getHeight())});
    }
    return parts;
}
