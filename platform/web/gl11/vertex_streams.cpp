// How vertices reach WebGL 2: immediate mode (glBegin ... glEnd, glRectf)
// streamed through a buffer of the layer's own, client arrays in the demo's
// buffers fed to the attributes of fixed_function_names.h, and quads turned
// into triangles (WebGL draws no GL_QUADS).
#include "platform/web/gl11/gl11_entry_points.h"
#include "platform/web/gl11/gl11_state.h"
#include "platform/web/gl11/webgl_calls.h"

#include <cstdlib>
#include <cstring>

namespace {

// One vertex as immediate mode streams it.
struct StreamVertex {
    float position[3];  // at float 0, colour at 3, coordinates at 7
    float color[4];
    float texCoord[4];
};

// The scroll text is the longest immediate-mode draw: some tens of quads.
enum { STREAM_CAPACITY = 6 * 1024 };

struct Streams {
    GLuint vertexBuffer;  // immediate mode's vertices
    GLuint indexBuffer;   // the triangles of an indexed draw
    GLenum primitive;     // of the glBegin in progress
    StreamVertex quad[4];
    int quadCorners;
    StreamVertex vertices[STREAM_CAPACITY];
    int vertexCount;
    GLuint* triangleIndices;  // grown to the largest indexed draw, kept
    size_t triangleCapacity;
};

Streams streams;

void ensureBuffers() {
    if (streams.vertexBuffer) return;
    emscripten_glGenBuffers(1, &streams.vertexBuffer);
    emscripten_glGenBuffers(1, &streams.indexBuffer);
}

void emit(const StreamVertex& vertex) {
    if (streams.vertexCount < STREAM_CAPACITY) streams.vertices[streams.vertexCount++] = vertex;
}

// Attribute i from an array in a buffer, or, without one, the current value.
void feedAttribute(int i, bool fromArray, GLuint buffer, GLint size, GLenum type, GLsizei stride, const void* offset) {
    if (!fromArray) {
        emscripten_glDisableVertexAttribArray(i);
        emscripten_glVertexAttrib4fv(i, gl11.current[i]);
        return;
    }
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer);
    // Colours in bytes are fractions of 255, as OpenGL reads them.
    const GLboolean normalized = i == FF_COLOR && type != GL_FLOAT ? GL_TRUE : GL_FALSE;
    emscripten_glVertexAttribPointer(i, size, type, normalized, stride, offset);
    emscripten_glEnableVertexAttribArray(i);
}

// The demo's client arrays; one without a buffer (memory of the program's
// own) is not something the demo draws from, and gives the current value.
void feedClientArrays() {
    for (int i = 0; i < FF_ATTRIBUTE_COUNT; ++i) {
        const ClientArray& array = gl11.arrays[i];
        feedAttribute(i, array.enabled && array.buffer != 0, array.buffer, array.size, array.type, array.stride,
                      array.pointer);
    }
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, gl11.arrayBuffer);
}

// Where each part of a StreamVertex starts, in bytes.
const void* streamOffset(int floats) { return reinterpret_cast<const void*>(floats * sizeof(float)); }

void feedStream() {
    const GLsizei stride = sizeof(StreamVertex);
    for (int i = 0; i < FF_ATTRIBUTE_COUNT; ++i) feedAttribute(i, false, 0, 0, 0, 0, nullptr);
    const GLuint buffer = streams.vertexBuffer;
    feedAttribute(FF_VERTEX, true, buffer, 3, GL_FLOAT, stride, streamOffset(0));
    feedAttribute(FF_COLOR, true, buffer, 4, GL_FLOAT, stride, streamOffset(3));
    feedAttribute(FF_MULTI_TEX_COORD0, true, buffer, 4, GL_FLOAT, stride, streamOffset(7));
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, gl11.arrayBuffer);
}

ClientArray* clientArrayOf(GLenum kind) {
    switch (kind) {
        case GL_VERTEX_ARRAY: return &gl11.arrays[FF_VERTEX];
        case GL_NORMAL_ARRAY: return &gl11.arrays[FF_NORMAL];
        case GL_COLOR_ARRAY: return &gl11.arrays[FF_COLOR];
        case GL_TEXTURE_COORD_ARRAY: return &gl11.arrays[FF_MULTI_TEX_COORD0 + gl11.clientTextureUnit];
        default: return nullptr;
    }
}

void describeArray(ClientArray* array, GLint size, GLenum type, GLsizei stride, const void* pointer) {
    array->size = size;
    array->type = type;
    array->stride = stride;
    array->buffer = gl11.arrayBuffer;
    array->pointer = pointer;
}

// Room for n triangle indices; false if it cannot be had.
bool reserveTriangleIndices(size_t n) {
    if (n <= streams.triangleCapacity) return true;
    GLuint* grown = static_cast<GLuint*>(std::realloc(streams.triangleIndices, n * sizeof(GLuint)));
    if (!grown) return false;
    streams.triangleIndices = grown;
    streams.triangleCapacity = n;
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Immediate mode
// ---------------------------------------------------------------------------

void glBegin(GLenum primitive) {
    streams.primitive = primitive;
    streams.quadCorners = 0;
    streams.vertexCount = 0;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    StreamVertex vertex = {{x, y, z}, {}, {}};
    std::memcpy(vertex.color, gl11.current[FF_COLOR], sizeof vertex.color);
    std::memcpy(vertex.texCoord, gl11.current[FF_MULTI_TEX_COORD0], sizeof vertex.texCoord);
    if (streams.primitive != GL_QUADS) {
        emit(vertex);
        return;
    }
    // A quad a b c d is drawn as the triangles a b c and a c d.
    streams.quad[streams.quadCorners++] = vertex;
    if (streams.quadCorners < 4) return;
    const int corners[6] = {0, 1, 2, 0, 2, 3};
    for (int corner : corners) emit(streams.quad[corner]);
    streams.quadCorners = 0;
}

void glEnd() {
    if (streams.vertexCount == 0) return;
    ensureBuffers();
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, streams.vertexBuffer);
    emscripten_glBufferData(GL_ARRAY_BUFFER, streams.vertexCount * sizeof(StreamVertex), streams.vertices,
                            GL_STREAM_DRAW);
    feedStream();
    prepareProgramForDraw();
    emscripten_glDrawArrays(streams.primitive == GL_QUADS ? GL_TRIANGLES : streams.primitive, 0, streams.vertexCount);
    streams.vertexCount = 0;
}

void glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    glBegin(GL_QUADS);
    glVertex3f(x1, y1, 0.0f);
    glVertex3f(x2, y1, 0.0f);
    glVertex3f(x2, y2, 0.0f);
    glVertex3f(x1, y2, 0.0f);
    glEnd();
}

// ---------------------------------------------------------------------------
// Client arrays
// ---------------------------------------------------------------------------

void glEnableClientState(GLenum kind) {
    if (ClientArray* array = clientArrayOf(kind)) array->enabled = true;
}

void glDisableClientState(GLenum kind) {
    if (ClientArray* array = clientArrayOf(kind)) array->enabled = false;
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    describeArray(&gl11.arrays[FF_VERTEX], size, type, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const void* pointer) {
    describeArray(&gl11.arrays[FF_NORMAL], 3, type, stride, pointer);
}

void glColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    describeArray(&gl11.arrays[FF_COLOR], size, type, stride, pointer);
}

void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    describeArray(&gl11.arrays[FF_MULTI_TEX_COORD0 + gl11.clientTextureUnit], size, type, stride, pointer);
}

void glClientActiveTextureARB(GLenum unit) {
    const unsigned index = unit - GL_TEXTURE0;
    if (index < FF_TEXTURE_UNITS) gl11.clientTextureUnit = static_cast<int>(index);
}

void layerBindBuffer(GLenum target, GLuint buffer) {
    if (target == GL_ARRAY_BUFFER) gl11.arrayBuffer = buffer;
    emscripten_glBindBuffer(target, buffer);
}

// The demo's indices are in its own memory (the logo's, every frame): they
// travel through the layer's index buffer, quads as two triangles each.
void glDrawElements(GLenum primitive, GLsizei count, GLenum type, const void* indices) {
    if (type != GL_UNSIGNED_INT || count <= 0) return;
    const GLuint* from = static_cast<const GLuint*>(indices);
    const bool quads = primitive == GL_QUADS;
    const size_t n = quads ? static_cast<size_t>(count / 4) * 6 : static_cast<size_t>(count);
    if (!reserveTriangleIndices(n)) return;
    if (quads) {
        GLuint* to = streams.triangleIndices;
        for (GLsizei q = 0; q + 3 < count; q += 4) {
            const GLuint a = from[q], b = from[q + 1], c = from[q + 2], d = from[q + 3];
            *to++ = a, *to++ = b, *to++ = c, *to++ = a, *to++ = c, *to++ = d;
        }
    } else {
        std::memcpy(streams.triangleIndices, from, n * sizeof(GLuint));
    }
    ensureBuffers();
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, streams.indexBuffer);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER, n * sizeof(GLuint), streams.triangleIndices, GL_STREAM_DRAW);
    feedClientArrays();
    prepareProgramForDraw();
    emscripten_glDrawElements(quads ? GL_TRIANGLES : primitive, static_cast<GLsizei>(n), GL_UNSIGNED_INT, nullptr);
}
