#include "tools/png_writer/png_writer.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

// The encoder asserts that its buffers grew and would write past them when
// they did not (out of memory): such an encode is abandoned instead.
thread_local std::jmp_buf* encoderEscape = nullptr;

[[noreturn]] void abandonEncode() { std::longjmp(*encoderEscape, 1); }

}  // namespace

#define STBIW_ASSERT(condition) ((condition) ? (void)0 : abandonEncode())

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

struct PngSink {
    FILE* file;
    bool failed;
    int writeError;  // errno of the first failed write
};

void writeToSink(void* context, void* data, int size) {
    PngSink* sink = static_cast<PngSink*>(context);
    if (sink->failed) return;
    if (std::fwrite(data, 1, static_cast<size_t>(size), sink->file) != static_cast<size_t>(size)) {
        sink->failed = true;
        sink->writeError = errno;
    }
}

// 1 when the whole picture was encoded into the sink; 0 when the encoder ran
// out of memory. The encoder's own frames hold nothing that needs unwinding.
int encodeGuarded(PngSink* sink, int width, int height, int channels, const uint8_t* pixels) {
    std::jmp_buf escape;
    encoderEscape = &escape;
    if (setjmp(escape) != 0) {
        encoderEscape = nullptr;
        return 0;
    }
    const int encoded = stbi_write_png_to_func(writeToSink, sink, width, height, channels, pixels, width * channels);
    encoderEscape = nullptr;
    return encoded;
}

}  // namespace

int writePng(const char* path, int width, int height, int channels, const uint8_t* pixels, std::string* error) {
    // The encoder's settings, stated: the bytes depend on them.
    stbi_write_png_compression_level = 8;
    stbi_write_force_png_filter = -1;  // its own per-row filter choice, itself deterministic

    FILE* file = std::fopen(path, "wb");
    if (!file) {
        *error = std::string(path) + ": cannot create: " + std::strerror(errno);
        return 0;
    }
    PngSink sink = {file, false, 0};
    const int encoded = encodeGuarded(&sink, width, height, channels, pixels);
    const int writeError = sink.failed ? sink.writeError : 0;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    if (!encoded) {
        *error = std::string(path) + ": not enough memory to encode the PNG";
        return 0;
    }
    if (sink.failed || !closed) {
        *error = std::string(path) + ": cannot write the PNG: " + std::strerror(sink.failed ? writeError : closeError);
        return 0;
    }
    return 1;
}
