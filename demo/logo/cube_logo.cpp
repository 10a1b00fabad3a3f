#include "demo/logo/logo.h"

#include "demo/logo/cube_layout.h"
#include "demo/show_programs.h"
#include "gfx/gl_entry_points.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"
#include "resources/resource_ids.h"

GLuint sheetTexture = 0;

namespace {

enum { ENVIRONMENT_TARGET_INDEX = 1 };  // "512_1"

void uploadSheetTexture(const uint8_t* pixels, int32_t width, int32_t height) {
    glGenTextures(1, &sheetTexture);
    glBindTexture(GL_TEXTURE_2D, sheetTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_REPEAT));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_REPEAT));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void uploadBuffer(GLuint buffer, const void* data, size_t byteCount) {
    gl.glBindBufferARB(GL_ARRAY_BUFFER, buffer);
    gl.glBufferDataARB(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(byteCount), data, GL_STATIC_DRAW);
    gl.glBindBufferARB(GL_ARRAY_BUFFER, 0);
}

void uploadCubeBuffers(const CubeLogo* logo) {
    size_t vertexCount = static_cast<size_t>(logo->cubeCount) * CUBE_VERTEX_COUNT;
    uploadBuffer(logo->buffers[POSITION_BUFFER], logo->positions, vertexCount * sizeof(Vec4));
    uploadBuffer(logo->buffers[NORMAL_BUFFER], logo->normals, vertexCount * sizeof(Vec3));
    uploadBuffer(logo->buffers[COLOUR_BUFFER], logo->colours, vertexCount * sizeof(Vec4));
    uploadBuffer(logo->buffers[HOME_BUFFER], logo->homes, vertexCount * sizeof(Vec4));
    uploadBuffer(logo->buffers[SCATTER_BUFFER], logo->scatters, vertexCount * sizeof(Vec4));
    uploadBuffer(logo->buffers[CROSS_BUFFER], logo->crosses, vertexCount * sizeof(Vec4));
}

void buildPrograms(CubeLogo* logo) {
    buildShowProgram(LOGO_PROGRAM, &logo->logoProgram);
    buildShowProgram(RAYS_PROGRAM, &logo->raysProgram);
}

}  // namespace

int buildCubes(CubeLogo* logo, const uint8_t* sheetPixels) {
    if (!layOutCubes(logo, sheetPixels)) return 0;
    uploadCubeBuffers(logo);
    return 1;
}

CubeLogo* buildCubeLogo(CubeLogo* logo) {
    for (GLuint& buffer : logo->buffers) gl.glGenBuffersARB(1, &buffer);

    int32_t width = 0, height = 0;
    GLenum internalFormat = 0, format = 0;
    uint8_t* pixels = loadPngResource(SHEET_IMAGE, &width, &height, &internalFormat, &format);
    // The strip is read at fixed byte positions: any other size would read
    // past the pixels or pick the wrong rows.
    if (!pixels || width != SHEET_SIZE || height != SHEET_SIZE) {
        freeBlock(pixels);
        return nullptr;
    }

    uploadSheetTexture(pixels, width, height);
    if (!buildCubes(logo, pixels)) {
        freeBlock(pixels);
        return nullptr;
    }
    buildPrograms(logo);
    // The draw samples this target; without it (its allocation failed) the
    // logo cannot be drawn.
    if (renderTargets && renderTargets->count > ENVIRONMENT_TARGET_INDEX)
        logo->environmentTarget = renderTargetAt(renderTargets, ENVIRONMENT_TARGET_INDEX);
    freeBlock(pixels);
    return logo->environmentTarget ? logo : nullptr;
}
