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

// Where the dragon's centre goes in the view; view y grows downward and the
// sprites come out upside down there, so dragon point (x, y) lands on view
// pixel (kCentreX + x, kCentreY + y).
constexpr float kCentreX = 110.0f;
constexpr float kCentreY = 135.0f;

struct Segment {
    float x0, y0, x1, y1;
    const char* what;
};

bool isBackground(int x, int y) {
    const std::uint8_t* p = GlTestContext::viewPixel(x, y);
    return p[1] > 200 && p[0] < 60 && p[2] < 60;
}

class DragonJoinGl : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GL();
        const char* dataDir = std::getenv("QUASARINE_DATA_DIR");
        ASSERT_NE(dataDir, nullptr);
        graphics_ = new Graphics(realGl());
        sheet_ = new Texture(realGl());
        ASSERT_TRUE(sheet_->load(std::string(dataDir) + "/enemy_bossdragon.tga"))
            << "the pictures must be generated before this test runs";
    }
    void TearDown() override {
        delete sheet_;
        delete graphics_;
    }

    void drawPose(int pose) {
        GlTestContext::beginView();
        const GlApi& gl = realGl();
        gl.clearColor(0, 1, 0, 1);  // pure green: no colour of the dragon
        gl.clear(GL_COLOR_BUFFER_BIT);
        graphics_->setScreenSpace();
        graphics_->bindTexture(sheet_);
        for (const DragonPart& part : dragonParts(pose)) {
            graphics_->drawSprite(kCentreX + part.x, kCentreY + part.y, 0, 1.0f, false, part.frame);
        }
        GlTestContext::readView();
    }

    // Every pixel along each segment must be dragon.
    void expectSolid(const std::vector<Segment>& segments, const std::string& picture) {
        for (const Segment& s : segments) {
            const int steps = 200;
            for (int i = 0; i <= steps; ++i) {
                const float t = static_cast<float>(i) / steps;
                const float x = s.x0 + (s.x1 - s.x0) * t, y = s.y0 + (s.y1 - s.y0) * t;
                const int vx = static_cast<int>(kCentreX + x), vy = static_cast<int>(kCentreY + y);
                if (isBackground(vx, vy)) {
                    ADD_FAILURE() << s.what << ": gap at dragon (" << x << ", " << y << ")";
                    GlTestContext::saveView(picture);
                    break;
                }
            }
        }
    }

    Graphics* graphics_ = nullptr;
    Texture* sheet_ = nullptr;
};

// Lines through the joins common to both poses: the body's 2 x 3 grid and
// the neck and head.
const std::vector<Segment> kBodyAndHead = {
    {-12, 20, -12, -55, "body, left column"}, {12, 20, 12, -55, "body, right column"},
    {-20, 12, 20, 12, "body, upper row"},     {-22, -15, 22, -15, "body, middle row"},
    {-18, -42, 18, -42, "body, lower row"},   {16, 10, 28, 34, "neck into the upper neck"},
    {34, 40, 62, 38, "skull into the snout"},
};

}  // namespace

TEST_F(DragonJoinGl, HoveringDragonHasNoSeams) {
    drawPose(0);
    std::vector<Segment> lines = kBodyAndHead;
    lines.push_back({56, 31, 56, 22, "snout onto the shut jaw"});
    lines.push_back({-10, -50, -15, -78, "belly into the hanging tail"});
    lines.push_back({-15, -78, -12, -98, "tail into its tip"});
    lines.push_back({-10, 10, -28, 12, "wing onto the back"});
    expectSolid(lines, "dragon-pose0.png");
}

TEST_F(DragonJoinGl, FlyingDragonHasNoSeams) {
    drawPose(1);
    std::vector<Segment> lines = kBodyAndHead;
    lines.push_back({46, 30, 46, 20, "head onto the gaping jaw"});
    lines.push_back({-6, -50, -4, -72, "belly into the streaming tail"});
    lines.push_back({-4, -73, -16, -84, "tail bend"});
    lines.push_back({-16, -84, -32, -82, "tail into its far half"});
    lines.push_back({11, -54, 9, -74, "hind leg"});
    lines.push_back({-8, 18, -18, 30, "raised wing onto the back"});
    expectSolid(lines, "dragon-pose1.png");
}
