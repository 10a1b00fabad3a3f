// The entry points of gfx/gl_entry_points.h that the layer makes its own and
// that have no OpenGL 1.1 name to stand under (those that have, such as
// glClientActiveTextureARB, are defined under it). entry_points.cpp hands
// them out by their OpenGL names.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

void layerLinkProgram(GLuint program);
void layerUseProgram(GLuint program);
GLint layerGetUniformLocation(GLhandleARB program, const GLcharARB* name);
void layerGetObjectParameteriv(GLhandleARB object, GLenum name, GLint* value);
void layerGetInfoLog(GLhandleARB object, GLsizei size, GLsizei* length, GLcharARB* log);
void layerBindBuffer(GLenum target, GLuint buffer);
void layerFramebufferTexture3D(GLenum target, GLenum attachment, GLenum textureTarget, GLuint texture, GLint level,
                               GLint layer);
// The ARB assembly programs and one-dimensional framebuffer textures that the
// table fetches and the demo never calls have no WebGL counterpart: these
// take their arguments and do nothing.
void layerIgnoreProgramsCall(GLenum, GLuint);
void layerIgnoreDeletePrograms(GLsizei, const GLuint*);
void layerIgnoreProgramString(GLenum, GLenum, GLsizei, const void*);
void layerIgnoreProgramParameter(GLenum, GLuint, const GLfloat*);
void layerIgnoreFramebufferTexture1D(GLenum, GLenum, GLenum, GLuint, GLint);

// Back to the initial state, for a new context.
void resetGl11Programs();
