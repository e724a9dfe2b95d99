// The dragon's parts, put back together at their offsets, must make one
// piece: no part floating free of the rest in either pose.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Canvas.h"
#include "characters/DragonParts.h"

namespace {

Canvas dragonSheet() {
    for (const SheetDefinition& s : registeredSheets()) {
        if (s.path != "enemy_bossdragon.tga") continue;
        Canvas c(s.width, s.height);
        s.draw(c);
        return c;
    }
    ADD_FAILURE() << "the dragon sheet is not registered";
    return Canvas(32, 32);
}

// Pastes the parts 1:1 (no 4 % enlargement, the stricter case) onto a canvas
// with the dragon's centre at (100, 120), y up as the game places them.
// Marks each pixel with the index of the part that drew it.
std::vector<int> assemble(const Canvas& sheet, int pose, int width, int height) {
    std::vector<int> owner(static_cast<std::size_t>(width) * height, -1);
    const std::vector<DragonPart> parts = dragonParts(pose);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int left = static_cast<int>(std::lround(100 + parts[i].x)) - 16;
        const int top = static_cast<int>(std::lround(120 - parts[i].y)) - 16;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const Rgba p =
                    sheet.get(sheet.cellX(parts[i].frame) + x, sheet.cellY(parts[i].frame) + y);
                if (p == kTransparent) continue;
                owner[static_cast<std::size_t>(top + y) * width + left + x] = static_cast<int>(i);
            }
        }
    }
    return owner;
}

}  // namespace

TEST(DragonParts, EachPoseAssemblesIntoOnePiece) {
    const Canvas sheet = dragonSheet();
    constexpr int kWidth = 220, kHeight = 260;
    for (int pose = 0; pose < 2; ++pose) {
        SCOPED_TRACE("pose " + std::to_string(pose));
        const std::vector<int> owner = assemble(sheet, pose, kWidth, kHeight);
        // Flood the visible pixels from the first one found (4-connected).
        int total = 0, first = -1;
        for (std::size_t i = 0; i < owner.size(); ++i) {
            if (owner[i] < 0) continue;
            ++total;
            if (first < 0) first = static_cast<int>(i);
        }
        ASSERT_GE(first, 0);
        std::vector<char> seen(owner.size(), 0);
        std::vector<int> stack{first};
        seen[first] = 1;
        std::vector<char> reached(dragonParts(pose).size(), 0);
        int count = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++count;
            reached[owner[i]] = 1;
            const int x = i % kWidth, y = i / kWidth;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= kWidth || n[1] >= kHeight) continue;
                const int j = n[1] * kWidth + n[0];
                if (owner[j] < 0 || seen[j]) continue;
                seen[j] = 1;
                stack.push_back(j);
            }
        }
        EXPECT_EQ(count, total) << "some pixels are cut off from the rest";
        for (std::size_t p = 0; p < reached.size(); ++p) {
            EXPECT_TRUE(reached[p]) << "part " << p << " (frame " << dragonParts(pose)[p].frame
                                    << ") is not joined to the dragon";
        }
    }
}

// Every part the game draws carries a real piece of the dragon: a frame
// showing only a sliver would mean it was cut at the wrong offset.
TEST(DragonParts, EveryPartCarriesASubstantialPieceOfTheDragon) {
    const Canvas sheet = dragonSheet();
    for (int pose = 0; pose < 2; ++pose) {
        for (const DragonPart& part : dragonParts(pose)) {
            int n = 0;
            for (int y = 2; y < 30; ++y)
                for (int x = 2; x < 30; ++x)
                    n += sheet.get(sheet.cellX(part.frame) + x, sheet.cellY(part.frame) + y) ==
                                 kTransparent
                             ? 0
                             : 1;
            EXPECT_GT(n, 60) << "frame " << part.frame;
        }
    }
}
