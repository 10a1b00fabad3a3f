// The SDL wave output on SDL's disk driver, which writes what the device plays
// to a file, one device buffer (512 frames) every SDL_DISKAUDIODELAY ms. The
// audio subsystem is process-wide: one case a process, as ctest runs them.
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int64_t DEVICE_BUFFER_FRAMES = 512;

int64_t fileFrames(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_size / 8 : 0;
}

// Polls `done` every 3 ms until it holds or 20 s have passed.
template <typename Condition>
bool waitFor(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    return true;
}

TEST(WaveOutput, PlaysTheBufferOnceFromItsStartAndCountsWhatTheDeviceTook) {
    // 40 ms a device buffer: the device takes sound at 29 % of real time, so a
    // position counted on the clock would run far ahead of the file.
    const std::string path = testing::TempDir() + "quorvel-wave-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "40", 1);
    // Every sample distinct from its neighbours and none zero, so that a
    // dropped, repeated or shifted frame shows and the start is the first non-zero.
    const uint32_t frames = 11025;
    std::vector<std::atomic<float>> samples(frames * 2);
    for (uint32_t i = 0; i < frames * 2; ++i) samples[i] = (i & 1 ? -1.0f : 1.0f) * float(i % 4093 + 1) / 4096.0f;

    ASSERT_EQ(platformOpenWaveOutput(), 1);
    platformPlayWaveBuffer(samples.data(), frames, nullptr);
    // Readings before the end that the device did not move under: the
    // position, and the frames in the file.
    std::vector<std::pair<int64_t, int64_t>> readings;
    EXPECT_TRUE(waitFor([&] {
        const int64_t before = fileFrames(path);
        const uint32_t position = platformWavePosition();
        if (position < frames && fileFrames(path) == before) readings.push_back({position, before});
        return position >= frames;
    })) << "the position did not reach the end";
    // The device goes on with silence: the position stays at the end.
    const int64_t atEnd = fileFrames(path);
    EXPECT_TRUE(waitFor([&] { return fileFrames(path) >= atEnd + 4 * DEVICE_BUFFER_FRAMES; }));
    EXPECT_EQ(platformWavePosition(), frames) << "the position went on past the end";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // closes the device and its file

    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> played(bytes.size() / 4);
    std::memcpy(played.data(), bytes.data(), played.size() * 4);
    size_t start = 0;
    while (start < played.size() && played[start] == 0.0f) ++start;
    // Before the buffer came the device played whole buffers of silence.
    EXPECT_EQ(start % (DEVICE_BUFFER_FRAMES * 2), 0u);
    ASSERT_GE(played.size(), start + frames * 2);
    for (uint32_t i = 0; i < frames * 2; ++i) ASSERT_EQ(played[start + i], samples[i].load()) << "sample " << i;
    for (size_t i = start + frames * 2; i < played.size(); ++i) ASSERT_EQ(played[i], 0.0f) << "after the end, " << i;
    // Each position within a device buffer of what the file held then beyond
    // the silence (stdio may hold the latest device buffer back a while).
    ASSERT_GE(readings.size(), 20u);
    int64_t previous = 0;
    for (const auto& [position, written] : readings) {
        EXPECT_GE(position, previous) << "the position went back";
        previous = position;
        const int64_t apart = std::max<int64_t>(0, written - int64_t(start / 2)) - position;
        EXPECT_LE(std::abs(apart), DEVICE_BUFFER_FRAMES) << "position " << position << ", in the file " << written;
    }
}

TEST(WaveOutput, WithoutADeviceNothingOpensAndThePositionStaysZero) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::vector<std::atomic<float>> samples(4410 * 2);
    EXPECT_EQ(platformOpenWaveOutput(), 0);
    platformPlayWaveBuffer(samples.data(), 4410, nullptr);
    EXPECT_EQ(platformWavePosition(), 0u);
}

}  // namespace
