#include "gfx/Graphics.h"

#include <vector>

Graphics::Graphics(const GlApi& gl) : gl_(gl) {
    // Until a font loads every character advances a fixed 8 pixels.
    for (GlyphEdges& edges : glyphMetrics_) edges = GlyphEdges{0, 8};
}

Graphics::~Graphics() = default;

void Graphics::setClearColor(float r, float g, float b) {
    gl_.clearColor(r, g, b, 0.0f);
}

void Graphics::setBaseColor(float r, float g, float b) {
    colorRed_ = r > 1.0f ? 1.0f : r;
    colorGreen_ = g > 1.0f ? 1.0f : g;
    colorBlue_ = b > 1.0f ? 1.0f : b;
}

void Graphics::setColor() {
    gl_.color4f(colorRed_, colorGreen_, colorBlue_, 1.0f);
}

void Graphics::bindTexture(Texture* texture) {
    currentTexture_ = texture;
    gl_.bindTexture(GL_TEXTURE_2D, texture ? texture->getId() : 0);
    frameSize_ = 32;
}

FrameBox Graphics::getFrameBox(int frame) const {
    if (!currentTexture_) return FrameBox{0, 0, 0, 0};
    return currentTexture_->getFrameBox(frame);
}

void Graphics::beginFrame() {
    gl_.clear(GL_COLOR_BUFFER_BIT);
    gl_.loadIdentity();
    gl_.enable(GL_BLEND);
    gl_.blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    setColor();
    frameSize_ = 32;
}

void Graphics::disableBlending() {
    gl_.disable(GL_BLEND);
}

void Graphics::flush() {
    gl_.flush();
}

void Graphics::drawSprite(float x, float y, float rotation, float scale, bool flip, int frame) {
    if (!currentTexture_ || frame < 0 || frame >= currentTexture_->getFrameCount()) return;
    const float w = currentTexture_->getWidth();
    const float h = currentTexture_->getHeight();
    const int wi = static_cast<int>(w);

    // Frame centre in texture coordinates; frames always sit on a 32 grid.
    const int cx = (frame * 32) % wi + 16;
    const int ry = (frame * 32) / wi;
    const float s0 = cx / w;
    const float t0 = 1.0f - (ry * 32 + 16) / h;

    gl_.pushMatrix();
    if (screenSpace_) {
        gl_.translatef(x, y, 0.0f);
    } else {
        gl_.translatef(x - drawCamera_.x + 160.0f, y - drawCamera_.y + 120.0f, 0.0f);
    }
    gl_.rotatef(rotation * 360.0f / 6.2831855f, 0.0f, 0.0f, 1.0f);

    const float hs = (frameSize_ / 2.0f) / w;
    const float ht = (frameSize_ / 2.0f) / h;
    // The quad is 4 % larger than the sampled square so neighbouring tiles
    // overlap instead of leaving hairline gaps.
    const float k = scale * 0.52f;
    const float kx = flip ? -k : k;
    const float size = static_cast<float>(frameSize_);

    gl_.begin(GL_QUADS);
    gl_.texCoord2f(s0 - hs, t0 - ht);
    gl_.vertex3f(-size * kx, -size * k, 1.0f);
    gl_.texCoord2f(s0 + hs, t0 - ht);
    gl_.vertex3f(size * kx, -size * k, 1.0f);
    gl_.texCoord2f(s0 + hs, t0 + ht);
    gl_.vertex3f(size * kx, size * k, 1.0f);
    gl_.texCoord2f(s0 - hs, t0 + ht);
    gl_.vertex3f(-size * kx, size * k, 1.0f);
    gl_.end();
    gl_.popMatrix();
}

std::unique_ptr<Texture> Graphics::loadTexture(const std::string& path) {
    auto sheet = std::make_unique<Texture>(gl_);
    sheet->load(path);
    return sheet;
}

void Graphics::createCaptureTexture(unsigned& out, int width, int height, int components,
                                    GLenum format, bool linear) {
    const std::vector<unsigned char> zeros(static_cast<std::size_t>(width) * height * components *
                                           4);
    GLuint name = 0;
    gl_.genTextures(1, &name);
    out = name;
    gl_.bindTexture(GL_TEXTURE_2D, name);
    gl_.texImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_INT,
                   zeros.data());
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    gl_.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    gl_.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    gl_.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl_.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
}
