// The dragon's parts drawn by the game's own sprite code (4 % enlarged
// quads, linear filtering) must join without a see-through seam: lines
// through every join of the body, neck, head, jaw, tail and hind leg meet
// only dragon, never the background.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "characters/DragonParts.h"
#include "gfx/Graphics.h"
#include "input/InputDevice.h"
#include "support/GlTestContext.h"

namespace {

struct Segment {
    float x0, y0, x1, y1;
    const char* what;
};

// Lines through the joins, in dragon units: those common to both poses (the
// body's 2 x 3 grid, the neck and head), then those of each pose.
const std::vector<Segment> kBothPoses = {
    {-12, 20, -12, -55, "body, left column"}, {12, 20, 12, -55, "body, right column"},
    {-20, 12, 20, 12, "body, upper row"},     {-22, -15, 22, -15, "body, middle row"},
    {-18, -42, 18, -42, "body, lower row"},   {16, 10, 28, 34, "neck into the upper neck"},
    {34, 40, 62, 38, "skull into the snout"},
};
const std::vector<Segment> kPose[2] = {
    {{56, 31, 56, 22, "snout onto the shut jaw"},
     {-10, -50, -15, -78, "belly into the hanging tail"},
     {-15, -78, -12, -98, "tail into its tip"},
     {-10, 10, -28, 12, "wing onto the back"}},
    {{46, 30, 46, 20, "head onto the gaping jaw"},
     {-6, -50, -4, -72, "belly into the streaming tail"},
     {-4, -73, -16, -84, "tail bend"},
     {-16, -84, -32, -82, "tail into its far half"},
     {11, -54, 9, -74, "hind leg"},
     {-8, 18, -18, 30, "raised wing onto the back"}},
};

}  // namespace

TEST(DragonJoinGl, NeitherPoseHasASeam) {
    REQUIRE_GL();
    const char* dataDir = std::getenv("QUASARINE_DATA_DIR");
    ASSERT_NE(dataDir, nullptr);
    Graphics graphics(realGl());
    Texture sheet(realGl());
    ASSERT_TRUE(sheet.load(std::string(dataDir) + "/enemy_bossdragon.tga"))
        << "the pictures must be generated before this test runs";
    // The view's y grows downward and the sprites come out upside down there,
    // so dragon point (x, y) lands on view pixel (110 + x, 135 + y).
    const float cx = 110.0f, cy = 135.0f;
    for (int pose = 0; pose < 2; ++pose) {
        GlTestContext::beginView();
        realGl().clearColor(0, 1, 0, 1);  // pure green: no colour of the dragon
        realGl().clear(GL_COLOR_BUFFER_BIT);
        graphics.setScreenSpace();
        graphics.bindTexture(&sheet);
        const std::vector<DragonPart> parts =
            dragonParts(pose, std::string(dataDir) + "/enemy_bossdragon.tga");
        ASSERT_EQ(parts.size(), pose == 0 ? 13u : 15u);
        for (const DragonPart& part : parts) {
            graphics.drawSprite(cx + part.x, cy + part.y, 0, 1.0f, false, part.frame);
        }
        GlTestContext::readView();

        std::vector<Segment> lines = kBothPoses;
        lines.insert(lines.end(), kPose[pose].begin(), kPose[pose].end());
        for (const Segment& s : lines) {
            for (int i = 0; i <= 200; ++i) {
                const float x = s.x0 + (s.x1 - s.x0) * i / 200, y = s.y0 + (s.y1 - s.y0) * i / 200;
                const std::uint8_t* p =
                    GlTestContext::viewPixel(static_cast<int>(cx + x), static_cast<int>(cy + y));
                if (p[1] > 200 && p[0] < 60 && p[2] < 60) {
                    ADD_FAILURE() << "pose " << pose << ", " << s.what << ": gap at dragon (" << x
                                  << ", " << y << ")";
                    GlTestContext::saveView("dragon-pose" + std::to_string(pose) + ".png");
                    break;
                }
            }
        }
    }
}
