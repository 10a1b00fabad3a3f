// quorvel-gpu-sponge-bench [--frames N] [--warmup N] [--time T] [--size W H]
//                          [--twist X Y] [--device N] [--fragment FILE]
//                          [--dump FILE.ppm]
//
// Times the sponge pass as the demo draws it (advanceSponge and drawSpongeRays into sceneTarget, four
// levels of holes, full wobble, the twist at rest unless --twist holds it) on whatever OpenGL driver EGL offers,
// with no window: an EGL device (the way to a headless NVIDIA GPU), else Mesa's
// surfaceless platform, else the default display. Each frame is waited for
// with glFinish, so a frame's time is the whole pass. --fragment draws with
// another fragment program (to compare a variant), --dump writes the last
// frame as a binary PPM.
#include "demo/effect_programs.h"
#include "demo/shell_state.h"
#include "demo/sponge/sponge.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "resources/resource_ids.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <getopt.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

struct Options {
    int frames = 20;
    int warmup = 3;
    float time = 30.0f;
    int width = 1109, height = 693;
    float twistX = 0.0f, twistY = 0.0f;
    int device = -1;  // -1: the first device that opens
    const char* fragmentFile = nullptr;
    const char* dumpFile = nullptr;
};

enum { OPTION_FRAMES = 256, OPTION_WARMUP, OPTION_TIME, OPTION_SIZE, OPTION_TWIST, OPTION_DEVICE, OPTION_FRAGMENT,
       OPTION_DUMP };

// --size and --twist take two values: the one getopt hands over and the word after it.
const option OPTIONS[] = {
    {"frames", required_argument, nullptr, OPTION_FRAMES},
    {"warmup", required_argument, nullptr, OPTION_WARMUP},
    {"time", required_argument, nullptr, OPTION_TIME},
    {"size", required_argument, nullptr, OPTION_SIZE},
    {"twist", required_argument, nullptr, OPTION_TWIST},
    {"device", required_argument, nullptr, OPTION_DEVICE},
    {"fragment", required_argument, nullptr, OPTION_FRAGMENT},
    {"dump", required_argument, nullptr, OPTION_DUMP},
    {nullptr, 0, nullptr, 0},
};

bool parseOptions(int argc, char** argv, Options* options) {
    opterr = 0;
    int code = 0;
    while ((code = getopt_long(argc, argv, "+:", OPTIONS, nullptr)) != -1) {
        const bool pair = code == OPTION_SIZE || code == OPTION_TWIST;
        if (code == ':' || code == '?' || (pair && optind >= argc)) {
            const char* word = pair ? (code == OPTION_SIZE ? "--size" : "--twist") : argv[optind - 1];
            std::fprintf(stderr, "unknown or incomplete option: %s\n", word);
            return false;
        }
        const char* second = pair ? argv[optind++] : nullptr;
        switch (code) {
            case OPTION_FRAMES: options->frames = std::atoi(optarg); break;
            case OPTION_WARMUP: options->warmup = std::atoi(optarg); break;
            case OPTION_TIME: options->time = static_cast<float>(std::atof(optarg)); break;
            case OPTION_SIZE:
                options->width = std::atoi(optarg);
                options->height = std::atoi(second);
                break;
            case OPTION_TWIST:
                options->twistX = static_cast<float>(std::atof(optarg));
                options->twistY = static_cast<float>(std::atof(second));
                break;
            case OPTION_DEVICE: options->device = std::atoi(optarg); break;
            case OPTION_FRAGMENT: options->fragmentFile = optarg; break;
            case OPTION_DUMP: options->dumpFile = optarg; break;
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "unknown or incomplete option: %s\n", argv[optind]);
        return false;
    }
    return options->frames > 0 && options->warmup >= 0 && options->width > 0 && options->height > 0;
}

bool initialized(EGLDisplay display) { return display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr); }

EGLDisplay openDisplay(int wantedDevice) {
    auto queryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    auto platformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (queryDevices && platformDisplay) {
        enum { MAX_DEVICES = 16 };
        EGLDeviceEXT devices[MAX_DEVICES];
        EGLint count = 0;
        if (queryDevices(MAX_DEVICES, devices, &count)) {
            for (EGLint i = 0; i < count; ++i) {
                if (wantedDevice >= 0 && i != wantedDevice) continue;
                EGLDisplay display = platformDisplay(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr);
                if (initialized(display)) {
                    std::printf("EGL device %d of %d\n", i, count);
                    return display;
                }
            }
        }
        if (wantedDevice >= 0) return EGL_NO_DISPLAY;
        EGLDisplay display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (initialized(display)) {
            std::printf("EGL surfaceless platform\n");
            return display;
        }
    }
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (initialized(display)) {
        std::printf("EGL default display\n");
        return display;
    }
    return EGL_NO_DISPLAY;
}

// A current desktop OpenGL context; it draws into framebuffer objects only.
bool makeContextCurrent(int wantedDevice) {
    EGLDisplay display = openDisplay(wantedDevice);
    if (display == EGL_NO_DISPLAY) {
        std::fprintf(stderr, "no EGL display could be opened\n");
        return false;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_NONE};
    EGLConfig config;
    EGLint configCount = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &configCount) || configCount < 1) {
        std::fprintf(stderr, "no EGL configuration renders desktop OpenGL\n");
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) return false;
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) {
        std::fprintf(stderr, "no OpenGL context (EGL error 0x%x)\n", eglGetError());
        return false;
    }
    // Without surfaceless contexts a small pbuffer stands in for the window.
    if (eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) return true;
    const EGLint pbufferAttributes[] = {EGL_WIDTH, 16, EGL_HEIGHT, 16, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, pbufferAttributes);
    return surface != EGL_NO_SURFACE && eglMakeCurrent(display, surface, surface, context);
}

// The file's bytes and a NUL, or an empty vector when it cannot be read.
std::vector<char> readTextFile(const char* path) {
    std::vector<char> text;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return text;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.insert(text.end(), chunk, chunk + got);
    std::fclose(file);
    text.push_back('\0');
    return text;
}

bool buildFractProgram(const Options& options, EffectPrograms* programs) {
    std::vector<char> override;
    const char* fragmentSource = loadFragmentShaderSource(SPONGE_FRAGMENT_SHADER);
    if (options.fragmentFile) {
        override = readTextFile(options.fragmentFile);
        if (override.empty()) {
            std::fprintf(stderr, "cannot read %s\n", options.fragmentFile);
            return false;
        }
        fragmentSource = override.data();
    }
    buildShaderProgram(&programs->fractProgram, loadVertexShaderSource(SPONGE_VERTEX_SHADER), fragmentSource, "Fract");
    GLint linked = 0;
    gl.glGetObjectParameterivARB(programs->fractProgram, GL_OBJECT_LINK_STATUS_ARB, &linked);
    return linked != 0;
}

void dumpPicture(const char* path, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (int row = height - 1; row >= 0; --row)  // PPM rows run top to bottom
        std::fwrite(&pixels[static_cast<size_t>(row) * width * 3], 1, static_cast<size_t>(width) * 3, file);
    std::fclose(file);
}

// The sponge as it looks for most of the demo: all levels cut, the wobble at
// full strength; a twist on its target holds there for the coming frame.
SpongeCues heldSponge(const Options& options) {
    SpongeCues cues = initialSpongeCues();
    cues.spongeIterations = 4;
    cues.boxIterations = 4;
    cues.displace1 = 0.4f;
    cues.twistX = cues.twistTargetX = options.twistX;
    cues.twistY = cues.twistTargetY = options.twistY;
    return cues;
}

struct FrameTime {
    double wallMs;
    double processorMs;  // all threads of the process: the work itself where the driver renders in software
};

double processorMilliseconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

FrameTime timeFrame(const Options& options) {
    SpongeCues cues = heldSponge(options);
    Random random = {};
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = processorMilliseconds();
    advanceSponge(&cues, &random, options.time, FrameNotes());
    drawSpongeRays(cues, options.time);
    glFinish();
    return FrameTime{std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
                     processorMilliseconds() - processorStart};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) return 2;
    if (!makeContextCurrent(options.device) || !initGraphics(nullptr, 0)) {
        std::fprintf(stderr, "no usable OpenGL context\n");
        return 1;
    }
    std::printf("renderer: %s | %s | %s\n", glGetString(GL_RENDERER), glGetString(GL_VENDOR),
                glGetString(GL_VERSION));

    EffectPrograms programs = {};
    if (!buildFractProgram(options, &programs)) return 1;
    effectPrograms = &programs;
    displayConfig.width = options.width;
    displayConfig.height = options.height;
    displayConfig.aspect = static_cast<float>(options.width) / static_cast<float>(options.height);
    createRenderTargets(options.width, options.height);
    bind(sceneTarget, true);
    if (!sceneTarget || gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
        std::fprintf(stderr, "the scene target cannot be drawn into\n");
        return 1;
    }
    glViewport(0, 0, options.width, options.height);

    for (int i = 0; i < options.warmup; ++i) timeFrame(options);
    std::vector<double> wall, processor;
    for (int i = 0; i < options.frames; ++i) {
        const FrameTime frame = timeFrame(options);
        wall.push_back(frame.wallMs);
        processor.push_back(frame.processorMs);
    }
    const GLenum error = glGetError();
    if (options.dumpFile) dumpPicture(options.dumpFile, options.width, options.height);
    if (error != GL_NO_ERROR) {
        std::fprintf(stderr, "the pass raised OpenGL error 0x%x: its times do not count\n", error);
        return 1;
    }

    double total = 0.0;
    for (double ms : wall) total += ms;
    std::printf("sponge pass %d x %d at t = %g s: %d frames, median %.3f ms, mean %.3f ms, min %.3f ms, max %.3f ms"
                " (processor time median %.3f ms)\n",
                options.width, options.height, static_cast<double>(options.time), options.frames, median(wall),
                total / wall.size(), *std::min_element(wall.begin(), wall.end()),
                *std::max_element(wall.begin(), wall.end()), median(processor));
    return 0;
}
