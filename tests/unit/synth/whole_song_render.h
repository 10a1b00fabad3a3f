// A whole song rendered as the demo renders it (renderSongInto, into a buffer
// and noteTrace), copied out for the checks. Each test that needs one renders
// it once; the render takes seconds.
#pragma once

#include "synth/song_render.h"
#include "tests/support/tool_runs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

// SHA-256 of a block of bytes as sha256sum prints it (coreutils does the sums).
inline std::string sha256Hex(const void* data, size_t size) {
    const std::string file = testing::TempDir() + "quorvel-sha256-" + std::to_string(getpid());
    std::ofstream(file, std::ios::binary).write(static_cast<const char*>(data), std::streamsize(size));
    const ShellRun run = shell("sha256sum '" + file + "' && rm '" + file + "'");
    return run.exitCode == 0 && run.out.size() >= 64 ? run.out.substr(0, 64) : "sha256sum failed: " + run.out;
}

struct WholeRender {
    std::vector<float> samples;  // SONG_FRAMES x 2, then GUARD samples the render must not touch
    std::vector<int32_t> trace;  // NOTE_TRACE_ROWS x NOTE_TRACE_ENTRIES
    int32_t framesCounted;
    int32_t note(int block, int track) const { return trace[NOTE_TRACE_ENTRIES * block + 2 * track]; }
    // The bytes as a little-endian machine holds them: the samples as the
    // data of the render tool's WAV file.
    std::string samplesSha256() const { return sha256Hex(samples.data(), 4 * size_t(SONG_FRAMES) * 2); }
};

inline WholeRender renderWholeSong(const Song& song) {
    enum { GUARD = 64 };
    static std::atomic<float> buffer[SONG_FRAMES * 2 + GUARD];
    // NaN, which a clamped sample never is, shows what was not written.
    for (auto& sample : buffer) sample.store(std::nanf(""), std::memory_order_relaxed);
    for (auto& row : noteTrace)
        for (auto& entry : row) entry.store(0, std::memory_order_relaxed);
    SongFault fault{};
    EXPECT_EQ(renderSongInto(song, buffer, &fault), 1) << fault.message;
    WholeRender r{{}, {}, renderedFrames.load(std::memory_order_acquire)};
    for (auto& sample : buffer) r.samples.push_back(sample.load(std::memory_order_relaxed));
    for (auto& row : noteTrace)
        for (auto& entry : row) r.trace.push_back(entry.load(std::memory_order_relaxed));
    return r;
}
