#pragma once

#include <string>
#include <vector>

#include "gfx/GlApi.h"
#include "gfx/Targa.h"

// A sprite sheet: a picture cut into 32 x 32 frames, each with a hit box
// measured from its visible pixels. Uploaded with linear filtering. A texture
// whose load failed has GL name 0 and no frames: binding it, drawing with it
// (nothing shows) and deleting it are all safe.
class Texture {
  public:
    explicit Texture(const GlApi& gl) : gl_(gl) {}
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Loads and uploads a sheet; on failure the texture stays empty and the
    // reason is written to stderr (a missing picture is not fatal).
    bool load(const std::string& path);

    unsigned getId() const { return id_; }
    float getWidth() const { return width_; }
    float getHeight() const { return height_; }
    int getFrameCount() const { return frameCount_; }
    // The frame's hit box; a frame outside the sheet gives an all-zero box.
    FrameBox getFrameBox(int frame) const;

  private:
    void release();

    const GlApi& gl_;
    unsigned id_ = 0;
    float width_ = 0;
    float height_ = 0;
    std::vector<FrameBox> frameBoxes_;
    int frameCount_ = 0;
};

// A picture with no frame grid (the flashlight spot): colour key and bleed,
// linear filtering, clamped edges. Same safety rules as Texture.
class PlainTexture {
  public:
    explicit PlainTexture(const GlApi& gl) : gl_(gl) {}
    ~PlainTexture();
    PlainTexture(const PlainTexture&) = delete;
    PlainTexture& operator=(const PlainTexture&) = delete;

    bool load(const std::string& path);
    // Uploads an already prepared picture with the given filter (GL_LINEAR or
    // GL_NEAREST); used by the font, which has its own preparation.
    void upload(const Image& image, GLint filter);

    unsigned getId() const { return id_; }
    float getWidth() const { return width_; }
    float getHeight() const { return height_; }

  private:
    void release();

    const GlApi& gl_;
    unsigned id_ = 0;
    float width_ = 0;
    float height_ = 0;
};

// Creates a GL texture from RGBA pixels: modulate, clamped, `filter` for both
// minification and magnification. Returns the name (0 with the null GL).
unsigned uploadRgbaTexture(const GlApi& gl, const Image& image, GLint filter);

// Writes "picture <path>: <reason>" to stderr for a picture that failed to load.
void reportPictureFailure(const std::string& path, const std::string& reason);
