// The dragon's parts, put back together at their offsets, must make one
// piece: no part floating free of the rest in either pose, and none showing
// only a sliver (a frame cut at the wrong offset).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "characters/DragonParts.h"
#include "pictures/Sheets.h"
#include "support/ScratchFolder.h"

TEST(DragonParts, EachPoseAssemblesIntoOnePieceOfSubstantialParts) {
    REQUIRE_GENERATED_DATA();
    const Canvas sheet = drawSheet("enemy_bossdragon.tga");
    constexpr int kWidth = 220, kHeight = 260;
    for (int pose = 0; pose < 2; ++pose) {
        SCOPED_TRACE("pose " + std::to_string(pose));
        const std::vector<DragonPart> parts =
            dragonParts(pose, generatedDataDir() + "/enemy_bossdragon.tga");
        ASSERT_EQ(parts.size(), pose == 0 ? 13u : 15u);
        // Pastes the parts 1:1 (no 4 % enlargement, the stricter case) with
        // the centre at (100, 120), y up as the game places them, marking
        // each pixel with the part that drew it.
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
        // Flood the visible pixels from the first one found (4-connected).
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
                if (nx < 0 || ny < 0 || nx >= kWidth || ny >= kHeight) continue;
                const int j = ny * kWidth + nx;
                if (owner[j] < 0 || seen[j]) continue;
                seen[j] = 1;
                stack.push_back(j);
            }
        }
        EXPECT_EQ(count, total) << "some pixels are cut off from the rest";
        for (std::size_t p = 0; p < parts.size(); ++p) {
            EXPECT_TRUE(reached[p])
                << "part " << p << " (frame " << parts[p].frame << ") is not joined to the dragon";
        }
    }
}
