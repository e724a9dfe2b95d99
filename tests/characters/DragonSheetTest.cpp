// The dragon boss is drawn from parts of its sheet: as the game places them,
// they must make one piece.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "enemies/BossDragon.h"
#include "gfx/Graphics.h"
#include "pictures/Sheets.h"
#include "support/RecordingGl.h"
#include "support/ScratchFolder.h"

namespace {

struct DragonPart {
    float x, y;  // around the dragon's centre, y up, scale 1, facing right
    int frame;
};

// The parts as the game's own BossDragon draws them, read through the
// recording GL, so the test checks the game's table and not a copy of it.
// Pose 0 hovers; pose 1 flies, hind leg down.
std::vector<DragonPart> dragonParts(int pose, const std::string& sheetPath) {
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

// Pasted 1:1 (no 4 % enlargement, the stricter case), the parts of each pose
// must be one 4-connected piece, and none may be a sliver (a frame cut at the
// wrong offset).
TEST(DragonSheet, EachPoseAssemblesIntoOnePieceOfSubstantialParts) {
    REQUIRE_GENERATED_DATA();
    ASSERT_NE(findSheet("enemy_bossdragon.tga"), nullptr);
    const Canvas sheet = drawSheet(*findSheet("enemy_bossdragon.tga"));
    constexpr int kWidth = 220, kHeight = 260;
    for (int pose = 0; pose < 2; ++pose) {
        SCOPED_TRACE("pose " + std::to_string(pose));
        const std::vector<DragonPart> parts =
            dragonParts(pose, generatedDataDir() + "/enemy_bossdragon.tga");
        ASSERT_EQ(parts.size(), pose == 0 ? 13u : 15u);
        // The pixels drawn, with the centre at (100, 120).
        std::vector<char> on(static_cast<std::size_t>(kWidth) * kHeight, 0);
        for (const DragonPart& part : parts) {
            const int left = static_cast<int>(std::lround(100 + part.x)) - 16;
            const int top = static_cast<int>(std::lround(120 - part.y)) - 16;
            int drawn = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    if (!opaque(sheet, part.frame, x, y)) continue;
                    on[static_cast<std::size_t>(top + y) * kWidth + left + x] = 1;
                    drawn += x >= 2 && x < 30 && y >= 2 && y < 30;
                }
            }
            EXPECT_GT(drawn, 60) << "frame " << part.frame << " is a sliver";
        }
        // Flood from the first drawn pixel, clearing what it reaches (the
        // dragon keeps clear of the picture's edges): nothing may be left.
        const long first = std::find(on.begin(), on.end(), 1) - on.begin();
        ASSERT_LT(first, static_cast<long>(on.size()));
        std::vector<long> stack{first};
        on[first] = 0;
        while (!stack.empty()) {
            const long i = stack.back();
            stack.pop_back();
            for (long j : {i - 1, i + 1, i - kWidth, i + kWidth}) {
                if (j < 0 || j >= static_cast<long>(on.size()) || !on[j]) continue;
                on[j] = 0;
                stack.push_back(j);
            }
        }
        EXPECT_EQ(std::count(on.begin(), on.end(), 1), 0) << "parts cut off from the rest";
    }
}

}  // namespace
