#include "demo/logo/cube_layout.h"

#include "gfx/heap.h"
#include "gfx/pointer_list.h"

namespace {

// The main cubes' start delays run -2.0, -1.9988, -1.9976, ... in scan order.
// The step is the float nearest 0.0012 (bit pattern 0x3A9D4952), added in
// single precision, so the delays come out the same on every machine.
const float FIRST_START_DELAY = -2.0f;
const float START_DELAY_STEP = 0.0012f;

const float WHITE_HEIGHT_CLASS = 4.0f;
const float BRIGHT_HEIGHT_CLASS = 3.0f;  // R = 191, drawn white
const float OTHER_HEIGHT_CLASS = 2.0f;
const float DEPTH_HEIGHT_CLASS = 0.0f;

// The logo's centre: column 54, row 248 of the sheet sit at the origin.
const float CENTRE_COLUMN = 54.0f;
const float CENTRE_ROW_IN_STRIP = 8.0f;

// Corner signs of the six faces, four corners each, and the faces' normals.
const signed char CORNER_SIGNS[CUBE_VERTEX_COUNT][3] = {
    {-1, -1, +1}, {-1, +1, +1}, {+1, +1, +1}, {+1, -1, +1},  // front
    {-1, -1, -1}, {-1, +1, -1}, {+1, +1, -1}, {+1, -1, -1},  // back
    {-1, -1, +1}, {-1, -1, -1}, {+1, -1, -1}, {+1, -1, +1},  // bottom
    {-1, +1, +1}, {-1, +1, -1}, {+1, +1, -1}, {+1, +1, +1},  // top
    {-1, -1, -1}, {-1, +1, -1}, {-1, +1, +1}, {-1, -1, +1},  // left
    {+1, -1, -1}, {+1, +1, -1}, {+1, +1, +1}, {+1, -1, +1},  // right
};
const signed char FACE_NORMALS[6][3] = {
    {0, 0, 1}, {0, 0, -1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0},
};

// Alpha plays no part: a pixel is black only when all of R, G and B are 0.
bool becomesCube(const uint8_t* rgba) { return rgba[0] != 0 || rgba[1] != 0 || rgba[2] > rgba[1]; }

LogoCube* appendCube(PointerList* scratch) {
    LogoCube* cube = static_cast<LogoCube*>(allocZeroed(sizeof(LogoCube)));
    if (cube) pushPointer(scratch, cube);
    return cube;
}

void freeScratchCubes(PointerList* scratch) {
    for (int32_t i = 0; i < scratch->count; ++i) freeBlock(scratch->items[i]);
    scratch->count = 0;
}

// One pixel's cubes: the main cube, and for every red byte other than 255 four
// depth cubes behind and in front of it, which start with the next pixel.
// Returns 0 when a record cannot be allocated.
int appendPixelCubes(PointerList* scratch, int column, int row, const uint8_t* pixel, float h, float* startDelay) {
    uint8_t rgba[4] = {pixel[0], pixel[1], pixel[2], pixel[3]};
    float heightClass = OTHER_HEIGHT_CLASS;
    if (rgba[0] == 255) {
        heightClass = WHITE_HEIGHT_CLASS;
    } else if (rgba[0] == 191) {
        rgba[0] = rgba[1] = rgba[2] = rgba[3] = 255;
        heightClass = BRIGHT_HEIGHT_CLASS;
    }

    LogoCube* main = appendCube(scratch);
    if (!main) return 0;
    float rowInStrip = static_cast<float>(row - LOGO_STRIP_FIRST_ROW);
    main->home = Vec3(column * h * 2.0f - h * (2.0f * CENTRE_COLUMN), rowInStrip * h * 2.0f - h * (2.0f * CENTRE_ROW_IN_STRIP), 0.0f);
    main->colour = Vec4(rgba[0] / 256.0f, rgba[1] / 256.0f, rgba[2] / 256.0f, rgba[3] / 256.0f);
    main->heightClass = heightClass;
    main->startDelay = *startDelay;
    *startDelay += START_DELAY_STEP;

    if (rgba[0] == 255) return 1;
    const float depths[4] = {-h, h, -2.0f * h, 2.0f * h};
    for (float z : depths) {
        LogoCube* depth = appendCube(scratch);
        if (!depth) return 0;
        depth->home = Vec3(main->home.x, main->home.y, z);
        depth->colour = main->colour;
        depth->startDelay = *startDelay;
        depth->heightClass = DEPTH_HEIGHT_CLASS;
    }
    return 1;
}

// Columns outside, rows of the strip inside: this order is the cube order.
int scanStrip(PointerList* scratch, const uint8_t* sheetPixels, float h) {
    float startDelay = FIRST_START_DELAY;
    for (int column = 0; column < SHEET_SIZE; ++column) {
        for (int row = LOGO_STRIP_FIRST_ROW; row < LOGO_STRIP_FIRST_ROW + LOGO_STRIP_ROWS; ++row) {
            const uint8_t* pixel = sheetPixels + (row * SHEET_SIZE + column) * 4;
            if (becomesCube(pixel) && !appendPixelCubes(scratch, column, row, pixel, h, &startDelay)) return 0;
        }
    }
    return 1;
}

int allocateArrays(CubeLogo* logo, int32_t cubeCount) {
    size_t vertexCount = static_cast<size_t>(cubeCount) * CUBE_VERTEX_COUNT;
    logo->cubes = static_cast<LogoCube**>(allocArray(static_cast<size_t>(cubeCount), sizeof(LogoCube*)));
    logo->positions = static_cast<Vec4*>(allocArray(vertexCount, sizeof(Vec4)));
    logo->normals = static_cast<Vec3*>(allocArray(vertexCount, sizeof(Vec3)));
    logo->colours = static_cast<Vec4*>(allocArray(vertexCount, sizeof(Vec4)));
    logo->homes = static_cast<Vec4*>(allocArray(vertexCount, sizeof(Vec4)));
    logo->scatters = static_cast<Vec4*>(allocArray(vertexCount, sizeof(Vec4)));
    logo->crosses = static_cast<Vec4*>(allocArray(vertexCount, sizeof(Vec4)));
    logo->indices = static_cast<uint32_t*>(allocArray(vertexCount, sizeof(uint32_t)));
    return logo->cubes && logo->positions && logo->normals && logo->colours && logo->homes && logo->scatters &&
           logo->crosses && logo->indices;
}

void freeArrays(CubeLogo* logo) {
    freeBlock(logo->cubes);
    freeBlock(logo->positions);
    freeBlock(logo->normals);
    freeBlock(logo->colours);
    freeBlock(logo->homes);
    freeBlock(logo->scatters);
    freeBlock(logo->crosses);
    freeBlock(logo->indices);
    logo->cubes = nullptr;
    logo->positions = logo->colours = logo->homes = logo->scatters = logo->crosses = nullptr;
    logo->normals = nullptr;
    logo->indices = nullptr;
}

// Scatter place and speed, drawn only after all cubes exist: the draws depend on
// the cube order alone, never on the pixels. Seven draws per cube.
void scatterCube(CubeLogo* logo, int cubeNumber) {
    LogoCube* cube = logo->cubes[cubeNumber];
    float u[6];
    for (float& draw : u) draw = nextUnit(&logo->generator);
    cube->scatter = Vec3(u[0] >= 0.5f ? -u[3] : u[3], u[1] >= 0.5f ? -u[4] : u[4], (u[2] >= 0.5f ? -u[5] : u[5]) + 1.0f);
    float speed = nextUnit(&logo->generator) * 0.3f + 1.0f;

    Vec3 crossed;
    cross(&crossed, cube->home, cube->scatter);
    Vec4 home(cube->home.x, cube->home.y, cube->home.z, cube->startDelay);
    Vec4 scatter(cube->scatter.x, cube->scatter.y, cube->scatter.z, cube->heightClass);
    Vec4 crossAndSpeed(crossed.x, crossed.y, crossed.z, speed);
    int vertexBase = cubeNumber * CUBE_VERTEX_COUNT;
    for (int v = vertexBase; v < vertexBase + CUBE_VERTEX_COUNT; ++v) {
        logo->homes[v] = home;
        logo->scatters[v] = scatter;
        logo->crosses[v] = crossAndSpeed;
    }
}

}  // namespace

int appendCubeGeometry(CubeLogo* logo, int vertexBase, int cubeNumber, const Vec4& colour) {
    float h = logo->cubeHalfSize;
    for (int corner = 0; corner < CUBE_VERTEX_COUNT; ++corner) {
        const signed char* sign = CORNER_SIGNS[corner];
        const signed char* normal = FACE_NORMALS[corner / 4];
        logo->positions[vertexBase + corner] = Vec4(sign[0] * h, sign[1] * h, sign[2] * h, static_cast<float>(cubeNumber));
        logo->normals[vertexBase + corner] = Vec3(normal[0], normal[1], normal[2]);
        logo->colours[vertexBase + corner] = colour;
    }
    return vertexBase + CUBE_VERTEX_COUNT;
}

int layOutCubes(CubeLogo* logo, const uint8_t* sheetPixels) {
    logo->cubeHalfSize = 1.0f / 256.0f;
    logo->cubeCount = 0;

    // At most 256 x 16 x 5 = 20480 cubes can arise, so appends never overrun.
    PointerList* scratch = createPointerList(CUBE_SCRATCH_CAPACITY);
    if (!scratch) return 0;

    if (!scanStrip(scratch, sheetPixels, logo->cubeHalfSize) || !allocateArrays(logo, scratch->count)) {
        freeScratchCubes(scratch);
        freePointerList(scratch);
        freeArrays(logo);
        return 0;
    }

    logo->cubeCount = scratch->count;
    int vertexBase = 0;
    for (int32_t n = 0; n < logo->cubeCount; ++n) {
        LogoCube* cube = static_cast<LogoCube*>(scratch->items[n]);
        vertexBase = appendCubeGeometry(logo, vertexBase, n, cube->colour);
        logo->cubes[n] = cube;
    }
    freePointerList(scratch);

    clear(&logo->generator);
    for (int32_t n = 0; n < logo->cubeCount; ++n) scatterCube(logo, n);
    for (int32_t i = 0; i < logo->cubeCount * CUBE_VERTEX_COUNT; ++i) logo->indices[i] = static_cast<uint32_t>(i);
    return 1;
}

void releaseCubeLayout(CubeLogo* logo) {
    for (int32_t n = 0; n < logo->cubeCount; ++n) freeBlock(logo->cubes[n]);
    freeArrays(logo);
    logo->cubeCount = 0;
}
