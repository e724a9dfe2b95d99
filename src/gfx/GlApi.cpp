#include "gfx/GlApi.h"

namespace {

// Null side: every call does nothing; a generated texture name is 0, which
// GL treats as "no texture", so a headless run can bind and delete freely.
void nullGenTextures(GLsizei n, GLuint* names) {
    for (GLsizei i = 0; i < n; ++i) names[i] = 0;
}

template <typename... Args>
void ignore(Args...) {}

void nullReadPixels(GLint, GLint, GLsizei width, GLsizei height, GLenum format, GLenum,
                    void* pixels) {
    // Reads give black so that a headless screenshot is well defined.
    const int components = (format == GL_RGBA) ? 4 : 3;
    auto* out = static_cast<unsigned char*>(pixels);
    for (long i = 0; i < static_cast<long>(width) * height * components; ++i) out[i] = 0;
}

const GlApi kRealGl = {
    true,         glViewport,       glMatrixMode,     glLoadIdentity, glOrtho,         glPushMatrix,
    glPopMatrix,  glTranslatef,     glRotatef,        glEnable,       glDisable,       glBlendFunc,
    glShadeModel, glHint,           glPolygonMode,    glClearColor,   glClearDepth,    glClear,
    glFlush,      glGenTextures,    glDeleteTextures, glBindTexture,  glTexParameteri, glTexEnvi,
    glTexImage2D, glCopyTexImage2D, glReadPixels,     glReadBuffer,   glBegin,         glEnd,
    glColor4f,    glTexCoord2f,     glVertex3f,
};

const GlApi kNullGl = {
    false,
    ignore<GLint, GLint, GLsizei, GLsizei>,
    ignore<GLenum>,
    ignore<>,
    ignore<GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble>,
    ignore<>,
    ignore<>,
    ignore<GLfloat, GLfloat, GLfloat>,
    ignore<GLfloat, GLfloat, GLfloat, GLfloat>,
    ignore<GLenum>,
    ignore<GLenum>,
    ignore<GLenum, GLenum>,
    ignore<GLenum>,
    ignore<GLenum, GLenum>,
    ignore<GLenum, GLenum>,
    ignore<GLfloat, GLfloat, GLfloat, GLfloat>,
    ignore<GLdouble>,
    ignore<GLbitfield>,
    ignore<>,
    nullGenTextures,
    ignore<GLsizei, const GLuint*>,
    ignore<GLenum, GLuint>,
    ignore<GLenum, GLenum, GLint>,
    ignore<GLenum, GLenum, GLint>,
    ignore<GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*>,
    ignore<GLenum, GLint, GLenum, GLint, GLint, GLsizei, GLsizei, GLint>,
    nullReadPixels,
    ignore<GLenum>,
    ignore<GLenum>,
    ignore<>,
    ignore<GLfloat, GLfloat, GLfloat, GLfloat>,
    ignore<GLfloat, GLfloat>,
    ignore<GLfloat, GLfloat, GLfloat>,
};

}  // namespace

const GlApi& realGl() {
    return kRealGl;
}
const GlApi& nullGl() {
    return kNullGl;
}

void setOrthoView(const GlApi& gl, int width, int height, double logicalWidth,
                  double logicalHeight) {
    gl.viewport(0, 0, width, height);
    gl.matrixMode(GL_PROJECTION);
    gl.loadIdentity();
    // Near 0.5 and far -100 bracket the z of 1 every quad is drawn at.
    gl.ortho(0, logicalWidth, logicalHeight, 0, 0.5, -100);
    gl.matrixMode(GL_MODELVIEW);
    gl.loadIdentity();
}
