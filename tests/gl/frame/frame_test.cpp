// startDemo on real GL, the frame it draws, and the "Fx" (old-screen) pass
// against its formula evaluated on the processor in single precision.
#include "demo/demo.h"
#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "demo/logo/logo.h"
#include "demo/music_cues.h"
#include "demo/post/post.h"
#include "demo/scroll/scroll.h"
#include "demo/shell_state.h"
#include "demo/sponge/sponge.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "gfx/textures.h"
#include "resources/resource_ids.h"
#include "tests/gl/frame/start_faults.h"
#include "tests/gl/support/gl_test_window.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const double HALF_HEIGHT = std::tan(15.0 * 3.14159265358979 / 180.0);  // one unit in front of the eye

// The window and the frame's state as at the start of a run; `started` also
// runs startDemo.
template <bool started>
class Demo : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        resetShowState(&show);
        displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0, glWindow.width / float(glWindow.height)};
        if (started) {
            ASSERT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 1);
        }
    }
    ShowState show;
};

struct Fx {
    float w, h, time, flash, spread, deform, distort[3];
    const Picture* scene;
};

// The scene at (u, v) as a linear filter with mirrored repeat reads it;
// outside -1..0 the lens sees no screen.
void scene(const Fx& in, float u, float v, float rgb[3]) {
    for (int c = 0; c < 3; ++c) rgb[c] = 0.0f;
    if (u < -1.0f || u > 0.0f || v < -1.0f || v > 0.0f) return;
    const Picture& p = *in.scene;
    const float x = -u * p.width - 0.5f, y = -v * p.height - 0.5f;  // mirrored: -u reads as u
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    auto mirror = [](int i, int size) { return i < 0 ? -1 - i : (i >= size ? 2 * size - 1 - i : i); };
    const int xs[2] = {mirror(x0, p.width), mirror(x0 + 1, p.width)}, ys[2] = {mirror(y0, p.height), mirror(y0 + 1, p.height)};
    for (int c = 0; c < 3; ++c) {
        float bottom = p.at(xs[0], ys[0])[c] + (p.at(xs[1], ys[0])[c] - p.at(xs[0], ys[0])[c]) * fx;
        float top = p.at(xs[0], ys[1])[c] + (p.at(xs[1], ys[1])[c] - p.at(xs[0], ys[1])[c]) * fx;
        rgb[c] = (bottom + (top - bottom) * fy) / 255.0f;
    }
}

float hash(float x, float y) {
    float v = std::sin(12.9898f * x + 78.233f * y) * 43758.5453f;
    return v - std::floor(v);
}

// The pass at texture coordinate (s, r) of its quad, clamped, in 8-bit levels.
void evaluate(const Fx& in, float s, float r, double out[3]) {
    const float k = in.deform, px = 1.0f - 2.0f * s, py = 1.0f - 2.0f * r + 0.1f;
    float zx[3], zy[3], copies[3][3];
    for (int i = 0; i < 3; ++i) {
        float z = 1.5f - in.distort[i] * (std::cos(k * px) + std::cos(k * py));
        zx[i] = px * z - 0.5f, zy[i] = py * z - 0.5f;
        scene(in, zx[i], zy[i], copies[i]);
    }
    const float edge = 32.0f * (2.0f - std::cos(k / 2.0f + k * zx[0]) - std::cos(k / 2.0f + k * zy[0]));
    const float na = hash(px + in.time, py - in.time), nb = hash(px - in.time, py + in.time), dd = 2.0f * na / in.w;
    float red[3], blue[3];
    scene(in, zx[0] - dd - in.spread * edge, zy[0] - dd, red);   // the red fringe to one side,
    scene(in, zx[0] - dd + in.spread * edge, zy[0] - dd, blue);  // the blue to the other
    const float fringe[3] = {red[0], copies[0][1], blue[2]};
    const float scan = 0.75f + 0.25f * std::sin(10.2f * zx[0] * in.w);
    const float rows = 0.90f + 0.10f * std::cos(10.2f * zy[0] * in.h) * std::sin(0.5f + 10.2f * zx[0] * in.w);
    const float vignette = s * (6.0f - 6.0f * s) * r * (6.0f - 6.0f * r);
    const float flicker = 0.975f + 0.025f * std::sin(77.7f * in.time * std::cos(191.1f * in.time));
    for (int c = 0; c < 3; ++c) {
        float v = copies[0][c] + copies[1][c] * copies[1][c] + 0.1f * copies[2][c] + 0.15f * fringe[c];
        v = (v + in.flash - 0.125f * (na - nb)) * scan * rows * vignette * flicker;
        out[c] = std::fmin(std::fmax(v, 0.0f), 1.0f) * 255.0;
    }
}

float stepped(float value, int steps) {
    for (int i = 0; i < std::abs(steps); ++i) value = std::nextafter(value, steps > 0 ? 2.0f : -2.0f);
    return value;
}

// Every 53rd column of every 37th row, each within 1.5 levels of the formula
// at its texture coordinate or one up to `slack` float steps away (the noise
// hash multiplies by 43758: one step gives another value, and through a
// projection the rasterizer's interpolation is known only to a few steps).
template <typename Coordinate>
void expectFormula(const Picture& window, int width, int height, const Fx& in, int slack, Coordinate coordinate) {
    int pixels = 0, mismatches = 0;
    for (int py = 5; py < height; py += 37) {
        for (int px = 5; px < width; px += 53, ++pixels) {
            float s, r;
            coordinate(px, py, &s, &r);
            double best = 1e9;
            for (int ds = -slack; ds <= slack; ++ds) {
                for (int dr = -slack; dr <= slack; ++dr) {
                    double rgb[3], worst = 0.0;
                    evaluate(in, stepped(s, ds), stepped(r, dr), rgb);
                    for (int c = 0; c < 3; ++c) worst = std::fmax(worst, std::fabs(rgb[c] - window.at(px, py)[c]));
                    best = std::fmin(best, worst);
                }
            }
            if (best > 1.5) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << pixels << " pixels";
}

void recordProgress(void* context, int percent) { static_cast<std::vector<int>*>(context)->push_back(percent); }

using Start = Demo<false>;

TEST_F(Start, BuildsEveryObjectWithoutAnErrorBoxReportingZeroFiftyAndAHundred) {
    std::vector<int> progress;
    displayConfig.height = 0;  // a zero height is raised to one, not divided by
    ASSERT_EQ(startDemo(LoadProgress{&progress, recordProgress}, &displayConfig), 1);
    EXPECT_EQ(displayConfig.height, 1);
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
    EXPECT_TRUE(sceneTarget && scrollText && cubeLogo && effectPrograms && glIsTexture(bannerTexture));
    // (A program that fails to link shows its log in a box.)
    for (GLuint program : {fxProgram, effectPrograms->fractProgram, effectPrograms->plasmaProgram,
                           effectPrograms->tunnelProgram, effectPrograms->mixerProgram, cubeLogo->logoProgram})
        EXPECT_NE(program, 0u);
    for (const RecordedBox& box : recordedBoxes) ADD_FAILURE() << box.kind << " box: " << box.text;
}

// Without one of its pieces start-up reports failure (the entry then says
// so) instead of leaving a frame to draw with nothing.
TEST_F(Start, FailsWithoutAnyOfItsPieces) {
    static const unsigned char NOT_A_PNG[] = "not a PNG";
    const unsigned char* banner = nullptr;  // 700 x 130: the logo's sheet must be 256 x 256
    size_t bannerSize = 0;
    ASSERT_EQ(platformFindResource("PNG", BANNER_IMAGE, &banner, &bannerSize), 1);
    const struct {
        const char* what;
        StartFault fault;
    } cases[] = {
        {"no banner image", {0, false, BANNER_IMAGE, nullptr, 0}},
        {"a banner that is no PNG", {0, false, BANNER_IMAGE, NOT_A_PNG, sizeof NOT_A_PNG}},
        {"no sheet image", {0, false, SHEET_IMAGE, nullptr, 0}},
        {"a sheet of another size", {0, false, SHEET_IMAGE, banner, bannerSize}},
        {"no memory at all", {0, true, 0, nullptr, 0}},
        {"no effect programs record", {sizeof(EffectPrograms), false, 0, nullptr, 0}},
        {"no scroll text", {sizeof(ScrollText), false, 0, nullptr, 0}},
        {"no cube logo record", {sizeof(CubeLogo), false, 0, nullptr, 0}},
    };
    for (const auto& c : cases) {
        renderTargets = createPointerList(10);  // as a fresh run has it
        armStartFault(c.fault);
        EXPECT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 0) << c.what;
        disarmStartFault();
        EXPECT_GT(startFaultHits(), 0) << c.what << ": the fault was never met";
    }
}

using Frame = Demo<true>;

// The show's four targets, in their order, each texture of the size its
// target is made for (the scene's two at the window's size).
TEST_F(Frame, TheRenderTargetsAreOfTheirSizes) {
    const int W = displayConfig.width, H = displayConfig.height;
    const struct {
        const char* label;
        int colours, width, height;
    } targets[] = {{"Fullscreen", 1, 1024, 1024}, {"512_1", 1, 512, 512}, {"512_2", 2, W, H}, {"Fullscreen2", 2, W, H}};
    ASSERT_EQ(renderTargets->count, 4);
    EXPECT_EQ(renderTargetAt(renderTargets, 3), sceneTarget);
    for (int i = 0; i < 4; ++i) {
        const RenderTarget* target = renderTargetAt(renderTargets, i);
        EXPECT_STREQ(target->desc.name, targets[i].label);
        ASSERT_EQ(target->desc.colorCount, targets[i].colours) << targets[i].label;
        for (int n = 0; n <= target->desc.colorCount; ++n) {
            glBindTexture(GL_TEXTURE_2D, n == 0 ? target->depthTexture : target->colorTextures[n - 1]);
            GLint size[2] = {};
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size[0]);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size[1]);
            EXPECT_EQ(size[0], targets[i].width) << targets[i].label << ", texture " << n;
            EXPECT_EQ(size[1], targets[i].height) << targets[i].label << ", texture " << n;
        }
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

// At 20 s, at the window's edges: white lines at 12.7 % and 75.4 % of the
// height (-0.2 and 0.13625 units), black bars below (but for the scroll
// text's rows) and above 0.15 units.
TEST_F(Frame, AtTwentyTheLetterboxLinesAndBarsLieWhereTheyMust) {
    drawFrame(&show, 20.0, FrameNotes(), PICTURE_DRAWN);
    bind(sceneTarget, true);
    const Picture scene = readPixels(0, 0, displayConfig.width, displayConfig.height);
    const int H = scene.height;
    auto rowOf = [&](double y) { return (y / HALF_HEIGHT + 1.0) * 0.5 * H; };
    for (int x : {2, scene.width - 3}) {
        int white = 0;
        for (int y = 0; y < H; ++y) {
            const uint8_t* p = scene.at(x, y);
            const bool bar = (y < rowOf(-0.2) - 1.5 && (y < 0.07 * H || y > 0.105 * H)) || y > rowOf(0.15) + 1.5;
            EXPECT_TRUE(!bar || (p[0] | p[1] | p[2]) == 0) << x << ", " << y;
            const bool line = std::fabs(y + 0.5 - rowOf(-0.2)) < 1.5 || std::fabs(y + 0.5 - rowOf(0.13625)) < 1.5;
            white += line && p[0] == 255 && p[1] == 255 && p[2] == 255;
        }
        EXPECT_GE(white, 2) << "both lines at column " << x;
    }
}

// At 20 s the top bar is black but for the banner, whose quad's top edge is
// 0.1866 units up and whose height is 0.1066: its image's first row that is
// lit over black shows there.
TEST_F(Frame, AtTwentyTheBannerLiesAcrossTheTopBar) {
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, bannerTexture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    Picture image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    auto lit = [](const uint8_t* p, int alpha) { return std::max({p[0], p[1], p[2]}) * alpha >= 32 * 255; };
    int firstRow = height;  // the image's first lit row (its rows count down from the top)
    for (int i = width * height - 1; i >= 0; --i)
        if (lit(&image.rgba[i * 4], image.rgba[i * 4 + 3])) firstRow = i / width;

    drawFrame(&show, 20.0, FrameNotes(), PICTURE_DRAWN);
    bind(sceneTarget, true);
    const Picture scene = readPixels(0, 0, displayConfig.width, displayConfig.height);
    int top = -1;  // the scene's highest lit row (its rows count up from the bottom)
    for (int i = 0; i < scene.width * scene.height; ++i)
        if (lit(&scene.rgba[i * 4], 255)) top = std::max(top, i / scene.width);
    const double y = 0.1866 - 0.1066 * firstRow / height;
    EXPECT_NEAR(top + 1, (y / HALF_HEIGHT + 1.0) * 0.5 * scene.height, 2.0) << "the banner's top edge";
}

// Pixels counted in the rectangle [x0, x1) x [y0, y1) of a picture.
int countPixels(const Picture& p, int x0, int y0, int x1, int y1, bool (*counted)(const uint8_t*)) {
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, p.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, p.width); ++x) n += counted(p.at(x, y));
    return n;
}
int countPixels(const Picture& p, bool (*counted)(const uint8_t*)) {
    return countPixels(p, 0, 0, p.width, p.height, counted);
}
bool isLit(const uint8_t* p) { return std::max({p[0], p[1], p[2]}) >= 32; }
bool isWhite(const uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
bool isGold(const uint8_t* p) { return p[0] > p[2] + 32; }
bool isBlue(const uint8_t* p) { return p[2] > p[0] + 32; }
// The pixel row of a height on the plane one unit in front of the eye.
int rowAt(const Picture& p, double y) { return static_cast<int>((y / HALF_HEIGHT + 1.0) * 0.5 * p.height); }
// White pixels in a column of the scene left of the banner, the dot and the
// scroll text, below the given row.
int whiteOnTheLeft(const Picture& scene, int belowRow) {
    return countPixels(scene, scene.width / 20, 0, scene.width / 20 + 1, belowRow, isWhite);
}

// The show's moments, each by what the frame shows half a frame (at 60 fps)
// before it and half a frame after: a moment a frame early or late shows the
// other picture on one side, whichever side of it its own frame falls.
TEST_F(Frame, EachMomentOfTheShowChangesThePictureWhenItComes) {
    const struct {
        const char* shown;  // on one side of the moment only
        double moment, quitAt;
        bool before;  // the side: just before the moment, or just after it
        bool (*shows)(const Picture& scene, const Picture& window);
    } rows[] = {
        // The logo ends where the banner comes: the cubes are gold, the
        // banner's letters blue above.
        {"the logo alone, gold wherever lit", 10.0, -1.0, true,
         [](const Picture& s, const Picture&) {
             const int lit = countPixels(s, isLit);
             return lit > 0 && countPixels(s, isGold) == lit;
         }},
        {"the banner's blue", 10.0, -1.0, false,
         [](const Picture& s, const Picture&) { return countPixels(s, isBlue) > 0; }},
        // The peak's 6 whitens the whole window; the rise's 2 leaves the
        // darkened edges grey.
        {"the flash's peak, white across the middle row", 10.0, -1.0, false,
         [](const Picture&, const Picture& w) {
             return countPixels(w, 0, w.height / 2, w.width, w.height / 2 + 1, isWhite) == w.width;
         }},
        {"the dot above the centre", 11.0, -1.0, true,
         [](const Picture& s, const Picture&) {
             return countPixels(s, s.width / 2 - 3, rowAt(s, 0.0) + 2, s.width / 2 + 3, rowAt(s, 0.05), isLit) > 0;
         }},
        {"the line at the centre", 11.0, -1.0, false,
         [](const Picture& s, const Picture&) {
             return countPixels(s, 0, rowAt(s, 0.0) - 1, s.width, rowAt(s, 0.0) + 2, isWhite) >= 4;
         }},
        {"the bars' two lines", 12.0, -1.0, false,
         [](const Picture& s, const Picture&) { return whiteOnTheLeft(s, s.height) == 2; }},
        {"the bottom line on the letterbox's row, and none below", 14.0, -1.0, false,
         [](const Picture& s, const Picture&) {
             return whiteOnTheLeft(s, rowAt(s, -0.2) + 1) == 1 && whiteOnTheLeft(s, rowAt(s, -0.2)) == 0;
         }},
        // The closing fade takes a second from a quit at 20 s.
        {"the squeezed picture, wider than the dot the fade ends in", 20.0 + 1.0, 20.0, true,
         [](const Picture&, const Picture& w) {
             int columns = 0;
             for (int x = 0; x < w.width; ++x) columns += countPixels(w, x, 0, x + 1, w.height, isLit) > 0;
             return columns > 4;
         }},
    };
    for (const auto& row : rows) {
        for (int after = 0; after < 2; ++after) {
            show.quitRequested = row.quitAt >= 0.0;
            show.quitTime = show.quitRequested ? row.quitAt : 0.0;
            drawFrame(&show, row.moment + (after ? 0.5 : -0.5) / 60.0, FrameNotes(), PICTURE_DRAWN);
            glReadBuffer(GL_BACK);
            const Picture window = readPixels(0, 0, displayConfig.width, displayConfig.height);
            bind(sceneTarget, true);
            const Picture scene = readPixels(0, 0, displayConfig.width, displayConfig.height);
            bind(sceneTarget, false);
            EXPECT_EQ(row.shows(scene, window), row.before == !after)
                << row.shown << (after ? ", half a frame after " : ", half a frame before ") << row.moment << " s";
        }
    }
}

// The notes as the song plays them (quorvel-render-song --notes): the bass on
// track 1, the lead on track 11, and track 0 with the bass's 43. Each acts in
// the frame in which its track changes to it, and no more while it is held.
TEST_F(Frame, TheSongsCueNotesTwistTheSpongeAddALevelOrKickTheDistortion) {
    const struct {
        int track;
        int32_t note;
        bool twists, addsLevel, kicks;
    } notes[] = {
        {1, 43, true, false, false}, {1, 46, true, false, false}, {1, 48, true, false, false},
        {1, 53, true, false, false}, {1, 55, true, false, false}, {1, 0, false, false, false},
        {0, 43, false, false, false}, {11, 58, false, false, true}, {11, 60, false, true, true},
        {11, 62, false, true, true}, {11, 0, false, false, false},
    };
    auto newTarget = [](float before, float after) { return after != before && after != 0.0f; };
    for (const auto& n : notes) {
        resetShowState(&show);
        FrameNotes notes = {};
        notes.note[n.track] = n.note;
        for (int frame = 0; frame < 2; ++frame) {
            notes.changed[n.track] = frame == 0;
            const SpongeCues sponge = show.sponge;
            const float master = show.post.distortion.master;
            drawFrame(&show, 20.0, notes, PICTURE_SKIPPED);
            SCOPED_TRACE(testing::Message() << "track " << n.track << ", note " << n.note << ", frame " << frame);
            EXPECT_EQ(newTarget(sponge.twistTargetX, show.sponge.twistTargetX) ||
                          newTarget(sponge.twistTargetY, show.sponge.twistTargetY),
                      n.twists && frame == 0);
            EXPECT_EQ(show.sponge.spongeIterations - sponge.spongeIterations, n.addsLevel && frame == 0);
            EXPECT_EQ(show.post.distortion.master > master, n.kicks && frame == 0);
        }
    }
}

// A scene whose red rises and blue falls to the right, uploaded to sceneTarget.
class FxPass : public Demo<true> {
protected:
    void SetUp() override {
        Demo<true>::SetUp();
        if (HasFatalFailure()) return;
        picture = Picture{displayConfig.width, displayConfig.height, std::vector<uint8_t>(displayConfig.width * displayConfig.height * 4, 255)};
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
                const float u = static_cast<float>(x) / picture.width, v = static_cast<float>(y) / picture.height;
                p[0] = static_cast<uint8_t>(std::lround(255.0f * (0.05f + 0.25f * u)));
                p[1] = static_cast<uint8_t>(std::lround(255.0f * (0.05f + 0.25f * v)));
                p[2] = static_cast<uint8_t>(std::lround(255.0f * (0.30f - 0.25f * u)));
            }
        }
        bindTexture(sceneTarget, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    }
    Picture picture;
};

// The program alone on a 1024 x 512 quad, whose pixel centres have exact
// texture coordinates. The fringes spread far (value2 0.02: up to a fifth of
// the picture) and the scene's red and blue run opposite ways, so that a
// fringe on the wrong side shows at most compared pixels.
TEST_F(FxPass, ProgramMatchesTheFormulaWithWideFringes) {
    const int W = 1024, H = 512;
    const Fx in = {W, H, 3.75f, 0.05f, 0.02f, 1.5f, {0.55f, 0.6f, 0.7f}, &picture};
    glViewport(0, 0, W, H);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(fxProgram);
    const char* floats[] = {"time", "value1", "value2", "deform_value", "distort1", "distort2", "distort3"};
    const float values[] = {in.time, in.flash, in.spread, in.deform, in.distort[0], in.distort[1], in.distort[2]};
    for (int i = 0; i < 7; ++i) setUniformFloat(fxProgram, floats[i], values[i]);
    setUniformInt(fxProgram, "screen_w", W);
    setUniformInt(fxProgram, "screen_h", H);
    glBegin(GL_QUADS);
    for (float corner : {0.0f, 1.0f, 2.0f, 3.0f}) {
        const float s = corner == 1.0f || corner == 2.0f ? 1.0f : 0.0f, r = corner >= 2.0f ? 1.0f : 0.0f;
        glTexCoord2f(s, r);
        glVertex2f(2.0f * s - 1.0f, 2.0f * r - 1.0f);
    }
    glEnd();
    gl.glUseProgram(0);
    glReadBuffer(GL_BACK);
    expectFormula(readPixels(0, 0, W, H), W, H, in, 0, [&](int px, int py, float* s, float* r) {
        *s = (px + 0.5f) / W, *r = (py + 0.5f) / H;
    });
}

// The pass as the first frame runs it, through the projection: the values
// drawFxPass sends by name (the first frame's strong lens, settled only after
// the pass; the distortion, here kicked; the fringes at the show's 100).
TEST_F(FxPass, TheFramesPassMatchesTheFormula) {
    PostState post = POST_AT_START;
    post.distortion = DistortionState{1.02f, {0.53f, 0.56f, 0.6f}, 0.0f};
    const float t = 0.0f;
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    drawFxPass(post, t);
    glReadBuffer(GL_BACK);
    const Picture window = readPixels(0, 0, displayConfig.width, displayConfig.height);
    const FadeValues fade = post.screen.fade;
    const DistortionState& d = post.distortion;
    const Fx in = {float(window.width), float(window.height), t, fade.flash, 100.0f, post.screen.deformValue,
                   {d.master * d.values[0], d.master * d.values[1], d.master * d.values[2]}, &picture};
        expectFormula(window, window.width, window.height, in, 4, [&](int px, int py, float* s, float* r) {
        const double xEye = ((px + 0.5) / window.width * 2.0 - 1.0) * HALF_HEIGHT * displayConfig.aspect;
        const double yEye = ((py + 0.5) / window.height * 2.0 - 1.0) * HALF_HEIGHT;
        *s = static_cast<float>((xEye + 0.5 * fade.scaleX) / fade.scaleX);
        *r = static_cast<float>((yEye + 0.33 * fade.scaleY) / (0.66 * fade.scaleY));
    });
}

}  // namespace
