// Bitmap-font text: Graphics::loadFont, drawText and drawGlyph.
#include "gfx/Graphics.h"

namespace {

constexpr int kFontWidth = 256;  // 32 glyph columns of 8 pixels
constexpr int kFontHeight = 32;  // 4 glyph rows of 8 pixels
constexpr int kGlyph = 8;
// Stored rows 8..15 hold glyph row 2, the lower-case letters 96..127, whose
// advances are measured; metrics entry 64 is character 96.
constexpr int kMeasuredFirstRow = 8;
constexpr int kMeasuredFirstEntry = 64;

}  // namespace

bool prepareFontPicture(const std::string& path, Image& image, GlyphEdges (&metrics)[kGlyphCount],
                        std::string* error) {
    if (!readTargaFile(path, image, error)) return false;
    if (image.width != kFontWidth || image.height != kFontHeight) {
        if (error) *error = "a font picture must be 256x32 (32 x 4 glyphs of 8 x 8)";
        image = Image{};
        return false;
    }
    applyColorKey(image);

    for (GlyphEdges& edges : metrics) edges = GlyphEdges{0, 8};
    for (int k = 0; k * kGlyph < image.width; ++k) {
        const int x0 = k * kGlyph;
        int minColumn = 8, maxColumn = 0;
        for (int c = 0; c < kGlyph; ++c) {
            for (int r = kMeasuredFirstRow; r < kMeasuredFirstRow + kGlyph; ++r) {
                if (image.pixel(r, x0 + c)[3] != 0) {
                    if (c < minColumn) minColumn = c;
                    if (c > maxColumn) maxColumn = c;
                    break;
                }
            }
        }
        if (minColumn == 8 && maxColumn == 0) {
            // An empty cell reads as a space-like glyph 5 pixels wide.
            minColumn = 2;
            maxColumn = 5;
        }
        // One pixel of spacing on each side of the inked columns.
        metrics[kMeasuredFirstEntry + k] = GlyphEdges{minColumn - 1, maxColumn + 1};
    }
    return true;
}

bool Graphics::loadFont(const std::string& path) {
    font_ = std::make_unique<PlainTexture>(gl_);
    Image image;
    std::string error;
    if (!prepareFontPicture(path, image, glyphMetrics_, &error)) {
        reportPictureFailure(path, error);
        return false;
    }
    font_->upload(image, GL_NEAREST);
    return true;
}

GlyphEdges Graphics::glyphEdges(unsigned char ch) const {
    if (ch < kFirstGlyph || ch >= kFirstGlyph + kGlyphCount) return GlyphEdges{0, 0};
    return glyphMetrics_[ch - kFirstGlyph];
}

void Graphics::drawGlyph(float x, float y, unsigned char ch) {
    if (ch < kFirstGlyph || ch >= kFirstGlyph + kGlyphCount) return;
    const int i = ch - kFirstGlyph;
    const float s = (i % 32) / 32.0f;
    const float t = 1.0f - (i / 32) / 4.0f;
    gl_.begin(GL_QUADS);
    gl_.texCoord2f(s, t);
    gl_.vertex3f(x, y + 8, 1.0f);
    gl_.texCoord2f(s + 0.03125f, t);
    gl_.vertex3f(x + 8, y + 8, 1.0f);
    gl_.texCoord2f(s + 0.03125f, t - 0.25f);
    gl_.vertex3f(x + 8, y, 1.0f);
    gl_.texCoord2f(s, t - 0.25f);
    gl_.vertex3f(x, y, 1.0f);
    gl_.end();
}

void Graphics::drawText(int x, int y, const char* text) {
    gl_.bindTexture(GL_TEXTURE_2D, font_ ? font_->getId() : 0);
    int pen = x;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto ch = static_cast<unsigned char>(*p);
        if (ch < kFirstGlyph || ch >= kFirstGlyph + kGlyphCount) continue;
        const GlyphEdges edges = glyphMetrics_[ch - kFirstGlyph];
        drawGlyph(static_cast<float>(pen - edges.left), static_cast<float>(y), ch);
        pen += edges.right - edges.left;
    }
}
