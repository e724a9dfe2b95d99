// The dragon boss is drawn from parts of its sheet: as the game places them,
// they must make one piece.
#include <gtest/gtest.h>

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
    const Canvas sheet = drawSheet("enemy_bossdragon.tga");
    constexpr int kWidth = 220, kHeight = 260;
    for (int pose = 0; pose < 2; ++pose) {
        SCOPED_TRACE("pose " + std::to_string(pose));
        const std::vector<DragonPart> parts =
            dragonParts(pose, generatedDataDir() + "/enemy_bossdragon.tga");
        ASSERT_EQ(parts.size(), pose == 0 ? 13u : 15u);
        // Each pixel marked with the part that drew it; the centre at (100, 120).
        std::vector<int> owner(static_cast<std::size_t>(kWidth) * kHeight, -1);
        int total = 0;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const int left = static_cast<int>(std::lround(100 + parts[i].x)) - 16;
            const int top = static_cast<int>(std::lround(120 - parts[i].y)) - 16;
            int drawn = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    if (!opaque(sheet, parts[i].frame, x, y)) continue;
                    int& cell = owner[static_cast<std::size_t>(top + y) * kWidth + left + x];
                    total += cell < 0;
                    cell = static_cast<int>(i);
                    drawn += x >= 2 && x < 30 && y >= 2 && y < 30;
                }
            }
            EXPECT_GT(drawn, 60) << "frame " << parts[i].frame << " is a sliver";
        }
        // Flood the visible pixels from the first one found.
        std::size_t first = 0;
        while (first < owner.size() && owner[first] < 0) ++first;
        ASSERT_LT(first, owner.size());
        std::vector<char> seen(owner.size(), 0), reached(parts.size(), 0);
        std::vector<int> stack{static_cast<int>(first)};
        seen[first] = 1;
        int count = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++count;
            reached[owner[i]] = 1;
            const int x = i % kWidth, y = i / kWidth;
            for (const auto& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
                const int j = ny * kWidth + nx;
                if (nx < 0 || ny < 0 || nx >= kWidth || ny >= kHeight || owner[j] < 0 || seen[j])
                    continue;
                seen[j] = 1;
                stack.push_back(j);
            }
        }
        EXPECT_EQ(count, total) << "some pixels are cut off from the rest";
        for (std::size_t p = 0; p < parts.size(); ++p)
            EXPECT_TRUE(reached[p]) << "part " << p << " (frame " << parts[p].frame << ") floats";
    }
}

}  // namespace
