#pragma once

#include <memory>
#include <string>

#include "gfx/GlApi.h"
#include "gfx/Targa.h"
#include "gfx/Texture.h"
#include "math/Vector3.h"

// Left and right inked edge of one font glyph, in pixels within its 8-pixel
// cell: the pen advances right - left and the glyph is drawn shifted by left.
struct GlyphEdges {
    int left;
    int right;
};

// First and count of the characters the font holds.
constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 128;

// The one rendering context, handed to everything that draws. Draws sprites from the current sheet
// as textured quads in the 320 x 240 game view (y grows downward there; world y grows upward and
// the final screen pass mirrors the view).
class Graphics {
  public:
    explicit Graphics(const GlApi& gl);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    const GlApi& gl() const { return gl_; }

    // The camera centre, blended for the frame being drawn, that world-space
    // sprites are placed around: it lands at view pixel (160, 120).
    void setDrawCamera(Vector3 camera) { drawCamera_ = camera; }

    void setClearColor(float r, float g, float b);
    // Components above 1 are clamped to 1; lower values are kept as given.
    void setBaseColor(float r, float g, float b);
    float baseRed() const { return colorRed_; }
    float baseGreen() const { return colorGreen_; }
    float baseBlue() const { return colorBlue_; }
    // Restores the base colour after an effect changed the GL colour.
    void setColor();

    // Makes a sheet current for drawSprite and getFrameBox; resets the frame
    // size to 32. A null texture unbinds.
    void bindTexture(Texture* texture);
    void setFrameSize(int size) { frameSize_ = size; }
    int getFrameSize() const { return frameSize_; }
    // The current sheet's box for a frame; all zero without a sheet or for a
    // frame outside it.
    FrameBox getFrameBox(int frame) const;

    void setScreenSpace() { screenSpace_ = true; }
    void setWorldSpace() { screenSpace_ = false; }

    // Clears, turns blending on, restores the base colour and frame size 32.
    void beginFrame();
    void disableBlending();
    void flush();

    // Draws one frame of the current sheet centred at (x, y): world units, or
    // view pixels in screen space. rotation in radians (positive turns +x
    // towards +y); flip mirrors left to right. Frames outside the sheet, or
    // no sheet at all, draw nothing.
    void drawSprite(float x, float y, float rotation, float scale, bool flip, int frame);

    // A new sheet loaded from `path` (the game's backslash paths are
    // accepted). A failed load gives an empty sheet.
    std::unique_ptr<Texture> loadTexture(const std::string& path);
    // An empty width x height texture the frame is copied into each frame.
    void createCaptureTexture(unsigned& out, int width, int height, int components, GLenum format,
                              bool linear);

    // Bitmap-font text: 8 x 8 glyphs, characters 32 to 159; the lower-case row
    // (96 to 127) advances by its measured width, every other character by 8.
    bool loadFont(const std::string& path);
    // Draws text with the pen starting at x; y is the bottom of the glyph
    // quads in view pixels. Characters outside 32..159 are skipped.
    void drawText(int x, int y, const char* text);
    void drawGlyph(float x, float y, unsigned char ch);
    GlyphEdges glyphEdges(unsigned char ch) const;

  private:
    const GlApi& gl_;
    bool screenSpace_ = false;
    Texture* currentTexture_ = nullptr;
    std::unique_ptr<PlainTexture> font_;
    GlyphEdges glyphMetrics_[kGlyphCount];
    Vector3 drawCamera_ = makeVector3(0, 0, 0);
    float colorRed_ = 1.0f;
    float colorGreen_ = 1.0f;
    float colorBlue_ = 1.0f;
    int frameSize_ = 32;
};

// The font's own preparation, with no GL: reads the picture (which must be
// 256 x 32), applies the colour key and measures the lower-case glyph row into
// `metrics`. On failure `metrics` is untouched.
bool prepareFontPicture(const std::string& path, Image& image, GlyphEdges (&metrics)[kGlyphCount],
                        std::string* error);
