#pragma once

#include <GL/gl.h>

// The seam between the game and OpenGL. Everything that draws calls GL
// through one of these tables: the real one forwards to the system's OpenGL
// library, the null one does nothing, so the game logic (texture loading,
// frame boxes, even whole frames) runs headless with no display or context.
// Only the calls the game makes are listed; all are OpenGL 1.1.
struct GlApi {
    bool real;  // false for the null table: textures get name 0 and nothing draws

    void (*viewport)(GLint x, GLint y, GLsizei width, GLsizei height);
    void (*matrixMode)(GLenum mode);
    void (*loadIdentity)();
    void (*ortho)(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
                  GLdouble zFar);
    void (*pushMatrix)();
    void (*popMatrix)();
    void (*translatef)(GLfloat x, GLfloat y, GLfloat z);
    void (*rotatef)(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);

    void (*enable)(GLenum cap);
    void (*disable)(GLenum cap);
    void (*blendFunc)(GLenum source, GLenum destination);
    void (*shadeModel)(GLenum mode);
    void (*hint)(GLenum target, GLenum mode);
    void (*polygonMode)(GLenum face, GLenum mode);
    void (*clearColor)(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
    void (*clearDepth)(GLdouble depth);
    void (*clear)(GLbitfield mask);
    void (*flush)();

    void (*genTextures)(GLsizei n, GLuint* names);
    void (*deleteTextures)(GLsizei n, const GLuint* names);
    void (*bindTexture)(GLenum target, GLuint name);
    void (*texParameteri)(GLenum target, GLenum name, GLint value);
    void (*texEnvi)(GLenum target, GLenum name, GLint value);
    void (*texImage2D)(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                       GLsizei height, GLint border, GLenum format, GLenum type,
                       const void* pixels);
    void (*copyTexImage2D)(GLenum target, GLint level, GLenum internalFormat, GLint x, GLint y,
                           GLsizei width, GLsizei height, GLint border);
    void (*readPixels)(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                       void* pixels);
    void (*readBuffer)(GLenum mode);

    void (*begin)(GLenum mode);
    void (*end)();
    void (*color4f)(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
    void (*texCoord2f)(GLfloat s, GLfloat t);
    void (*vertex3f)(GLfloat x, GLfloat y, GLfloat z);
};

const GlApi& realGl();
const GlApi& nullGl();

// Sets the viewport to (0, 0, width, height) pixels of the drawable and maps a
// logical space of logicalWidth x logicalHeight onto it with y growing
// downwards, then selects an identity model-view matrix. Both the window's
// 640 x 480 space and the 512 x 256 off-screen view are set up this way.
void setOrthoView(const GlApi& gl, int width, int height, double logicalWidth,
                  double logicalHeight);
