// The SDL wave output on SDL's disk driver, which writes what the device plays
// to a file and paces itself by sleeping one device buffer's worth between
// callbacks (SDL_DISKAUDIODELAY milliseconds when set). The audio subsystem is
// process-wide, so every case needs a process of its own, as ctest runs them.
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const uint32_t DEVICE_BUFFER_FRAMES = 512;

struct Buffer {
    std::unique_ptr<std::atomic<float>[]> samples;
    uint32_t frames;
};

// Every sample distinct from its neighbours and none zero, so that a dropped,
// repeated or shifted frame shows and the music's start is its first non-zero.
Buffer makeBuffer(uint32_t frames) {
    Buffer buffer{std::unique_ptr<std::atomic<float>[]>(new std::atomic<float>[frames * 2]), frames};
    for (uint32_t i = 0; i < frames * 2; ++i) {
        float value = static_cast<float>(i % 4093 + 1) / 4096.0f;
        buffer.samples[i].store(i & 1 ? -value : value, std::memory_order_relaxed);
    }
    return buffer;
}

std::string capturePath(const char* name) {
    return testing::TempDir() + "quorvel-" + name + "-" + std::to_string(getpid()) + ".raw";
}

// Selects the disk driver; call before the first platformOpenWaveOutput.
void useDiskDriver(const std::string& path, const char* delayMilliseconds) {
    ASSERT_FALSE(SDL_WasInit(SDL_INIT_AUDIO)) << "audio already up: run one case per process";
    std::remove(path.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    if (delayMilliseconds) setenv("SDL_DISKAUDIODELAY", delayMilliseconds, 1);
}

uint64_t fileFrames(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<uint64_t>(info.st_size) / 8 : 0;
}

std::vector<float> readSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
    return samples;
}

size_t leadingZeros(const std::vector<float>& samples) {
    size_t n = 0;
    while (n < samples.size() && samples[n] == 0.0f) ++n;
    return n;
}

void sleepMs(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Waits until the position reaches target; returns the last position read.
uint32_t waitForPosition(uint32_t target, int timeoutMs) {
    uint32_t position = 0;
    for (int waited = 0; waited < timeoutMs; waited += 5) {
        position = platformWavePosition();
        if (position >= target) break;
        sleepMs(5);
    }
    return position;
}

TEST(WaveOutput, PlaysTheWholeBufferOnceFromItsStartThenSilence) {
    const std::string path = capturePath("once");
    useDiskDriver(path, nullptr);
    Buffer buffer = makeBuffer(11025);  // 0.25 s

    ASSERT_EQ(platformOpenWaveOutput(), 1);
    platformPlayWaveBuffer(buffer.samples.get(), buffer.frames);
    EXPECT_EQ(waitForPosition(buffer.frames, 5000), buffer.frames);
    sleepMs(100);
    EXPECT_EQ(platformWavePosition(), buffer.frames) << "the position went on past the end";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // closes the device and its file

    std::vector<float> played = readSamples(path);
    size_t start = leadingZeros(played);
    // Before the buffer was handed over the device played whole buffers of silence.
    EXPECT_EQ(start % (DEVICE_BUFFER_FRAMES * 2), 0u);
    ASSERT_GE(played.size(), start + buffer.frames * 2 + DEVICE_BUFFER_FRAMES * 2);
    for (uint32_t i = 0; i < buffer.frames * 2; ++i)
        ASSERT_EQ(played[start + i], buffer.samples[i].load()) << "sample " << i;
    for (size_t i = start + buffer.frames * 2; i < played.size(); ++i)
        ASSERT_EQ(played[i], 0.0f) << "after the end, sample " << i;
}

TEST(WaveOutput, PositionIsWhatTheDeviceConsumedNotTheWallClock) {
    // 40 ms a 512-frame buffer: the device takes sound at 29 % of real time.
    const std::string path = capturePath("slow");
    useDiskDriver(path, "40");
    Buffer buffer = makeBuffer(44100);

    ASSERT_EQ(platformOpenWaveOutput(), 1);
    platformPlayWaveBuffer(buffer.samples.get(), buffer.frames);

    struct Reading {
        uint32_t position;
        uint64_t written;  // frames in the file, silence before the start included
    };
    // Two seconds of readings, and at least 50 of them on a busy machine. Only
    // readings the device did not move under count.
    std::vector<Reading> readings;
    auto begin = std::chrono::steady_clock::now();
    double seconds = 0.0;
    while (seconds < 2.0 || (readings.size() < 50 && seconds < 6.0)) {
        uint64_t before = fileFrames(path);
        uint32_t position = platformWavePosition();
        if (fileFrames(path) == before) readings.push_back({position, before});
        sleepMs(3);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    uint32_t last = platformWavePosition();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);

    size_t silenceFrames = leadingZeros(readSamples(path)) / 2;
    ASSERT_GE(readings.size(), 50u);
    uint32_t previous = 0;
    for (const Reading& r : readings) {
        ASSERT_GE(r.position, previous) << "the position went back";
        previous = r.position;
        // Silence first: the device's start-up silence and whatever it played
        // before the buffer came.
        int64_t playedFrames = std::max<int64_t>(0, static_cast<int64_t>(r.written) - static_cast<int64_t>(silenceFrames));
        // Within one device buffer of what the device wrote out. (The driver
        // writes through stdio, whose buffer can hold the latest device buffer
        // back from the file for a while, so the file may trail too.)
        int64_t apart = playedFrames - static_cast<int64_t>(r.position);
        ASSERT_LE(std::abs(apart), static_cast<int64_t>(DEVICE_BUFFER_FRAMES))
            << "position " << r.position << ", in the file " << playedFrames;
    }
    EXPECT_GT(last, 0u) << "the position never moved";
    // A clock-based estimate would stand near 44,100 frames a second.
    EXPECT_LT(last, 0.5 * 44100 * seconds);
}

TEST(WaveOutput, WithoutADeviceNothingPlaysAndThePositionStaysZero) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Buffer buffer = makeBuffer(4410);

    EXPECT_EQ(platformOpenWaveOutput(), 0);
    platformPlayWaveBuffer(buffer.samples.get(), buffer.frames);
    sleepMs(100);
    EXPECT_EQ(platformWavePosition(), 0u);
}

}  // namespace
