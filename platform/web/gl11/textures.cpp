// Texture uploads as WebGL 2 takes them: BGRA bytes swizzled to RGBA (WebGL
// reads no BGRA), and a 24-bit depth texture typed as unsigned integers (it
// refuses floats for it). The active unit is kept for GL_TEXTURE_2D's enable.
#include "platform/web/gl11/gl11_entry_points.h"
#include "platform/web/gl11/gl11_state.h"
#include "platform/web/gl11/webgl_calls.h"

#include <cstdlib>
#include <cstring>

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const GLvoid* pixels) {
    if (internalFormat == GL_DEPTH_COMPONENT24 && type == GL_FLOAT) type = GL_UNSIGNED_INT;
    if (format != GL_BGRA) {
        emscripten_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
        return;
    }
    const size_t bytes = static_cast<size_t>(width) * height * 4;
    uint8_t* rgba = pixels ? static_cast<uint8_t*>(std::malloc(bytes)) : nullptr;
    if (rgba) {
        std::memcpy(rgba, pixels, bytes);
        for (size_t i = 0; i < bytes; i += 4) {
            const uint8_t blue = rgba[i];
            rgba[i] = rgba[i + 2];
            rgba[i + 2] = blue;
        }
    }
    // Pixels that could not be swizzled leave the texture's contents undefined,
    // as an upload of none does.
    emscripten_glTexImage2D(target, level, internalFormat, width, height, border, GL_RGBA, type, rgba);
    std::free(rgba);
}

void glActiveTextureARB(GLenum unit) {
    const unsigned index = unit - GL_TEXTURE0;
    if (index < FF_TEXTURE_UNITS) gl11.activeTextureUnit = static_cast<int>(index);
    emscripten_glActiveTexture(unit);
}

void layerFramebufferTexture3D(GLenum target, GLenum attachment, GLenum, GLuint texture, GLint level, GLint layer) {
    emscripten_glFramebufferTextureLayer(target, attachment, texture, level, layer);
}

void layerIgnoreProgramsCall(GLenum, GLuint) {}
void layerIgnoreDeletePrograms(GLsizei, const GLuint*) {}
void layerIgnoreProgramString(GLenum, GLenum, GLsizei, const void*) {}
void layerIgnoreProgramParameter(GLenum, GLuint, const GLfloat*) {}
void layerIgnoreFramebufferTexture1D(GLenum, GLenum, GLenum, GLuint, GLint) {}
