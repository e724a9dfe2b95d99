#include "gfx/Texture.h"

#include <cstdio>

#include "common/Files.h"

unsigned uploadRgbaTexture(const GlApi& gl, const Image& image, GLint filter) {
    GLuint name = 0;
    gl.genTextures(1, &name);
    gl.bindTexture(GL_TEXTURE_2D, name);
    gl.texEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    gl.texImage2D(GL_TEXTURE_2D, 0, 4, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                  image.rgba.data());
    return name;
}

void reportPictureFailure(const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "picture %s: %s\n", nativePath(path).c_str(), reason.c_str());
}

Texture::~Texture() {
    release();
}

void Texture::release() {
    if (id_ != 0) gl_.deleteTextures(1, &id_);
    id_ = 0;
    width_ = height_ = 0;
    frameBoxes_.clear();
    frameCount_ = 0;
}

bool Texture::load(const std::string& path) {
    release();
    Image image;
    std::vector<FrameBox> boxes;
    std::string error;
    if (!readTargaFile(path, image, &error) || !prepareSpriteSheet(image, boxes, &error)) {
        reportPictureFailure(path, error);
        return false;
    }
    id_ = uploadRgbaTexture(gl_, image, GL_LINEAR);
    width_ = static_cast<float>(image.width);
    height_ = static_cast<float>(image.height);
    frameBoxes_ = std::move(boxes);
    frameCount_ = static_cast<int>(frameBoxes_.size());
    return true;
}

FrameBox Texture::getFrameBox(int frame) const {
    if (frame < 0 || frame >= frameCount_) return FrameBox{0, 0, 0, 0};
    return frameBoxes_[frame];
}

PlainTexture::~PlainTexture() {
    release();
}

void PlainTexture::release() {
    if (id_ != 0) gl_.deleteTextures(1, &id_);
    id_ = 0;
    width_ = height_ = 0;
}

bool PlainTexture::load(const std::string& path) {
    release();
    Image image;
    std::string error;
    if (!readTargaFile(path, image, &error)) {
        reportPictureFailure(path, error);
        return false;
    }
    preparePlainPicture(image);
    upload(image, GL_LINEAR);
    return true;
}

void PlainTexture::upload(const Image& image, GLint filter) {
    release();
    id_ = uploadRgbaTexture(gl_, image, filter);
    width_ = static_cast<float>(image.width);
    height_ = static_cast<float>(image.height);
}
