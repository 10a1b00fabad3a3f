// The SDL wave output on SDL's disk driver, which writes what the device plays
// to a file, one device buffer (512 frames) every SDL_DISKAUDIODELAY ms. The
// audio subsystem is process-wide: one case a process, as ctest runs them.
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
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

// Points SDL's disk driver at a file of this process, named for the case, and
// returns its path.
std::string playIntoFile(const char* name) {
    const std::string path = testing::TempDir() + "quorvel-" + name + "-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    return path;
}

// What the device played, as samples; closes the device and its file.
std::vector<float> playedSamples(const std::string& path) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> played(bytes.size() / 4);
    std::memcpy(played.data(), bytes.data(), played.size() * 4);
    return played;
}

// Every sample distinct from its neighbours and none zero, so that a dropped,
// repeated or shifted frame shows and the song's start is the first non-zero.
float distinctSample(uint32_t i) { return (i & 1 ? -1.0f : 1.0f) * float(i % 4093 + 1) / 4096.0f; }

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
    const std::string path = playIntoFile("wave");
    setenv("SDL_DISKAUDIODELAY", "40", 1);
    const uint32_t frames = 11025;
    std::vector<std::atomic<float>> samples(frames * 2);
    for (uint32_t i = 0; i < frames * 2; ++i) samples[i] = distinctSample(i);
    const std::atomic<int32_t> written(frames);

    ASSERT_EQ(platformOpenWaveOutput(), 1);
    platformPlayWaveBuffer(samples.data(), frames, &written);
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
    EXPECT_EQ(platformWaveUnderruns(), 0u);
    const std::vector<float> played = playedSamples(path);
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

TEST(WaveOutput, PlaysOnlyFinishedFramesAndWaitsForTheRestWithoutMoving) {
    const std::string path = playIntoFile("stall");
    // One second of song, written up to half a second: the rest is still the
    // render's zeros when the device gets there.
    const uint32_t frames = 44100, stall = 22100;
    std::vector<std::atomic<float>> samples(frames * 2);
    for (uint32_t i = 0; i < stall * 2; ++i) samples[i] = distinctSample(i);
    std::atomic<int32_t> written(stall);

    ASSERT_EQ(platformOpenWaveOutput(), 1);
    platformPlayWaveBuffer(samples.data(), frames, &written);
    ASSERT_TRUE(waitFor([] { return platformWaveUnderruns() > 0; })) << "no underrun at the unfinished frames";
    const uint32_t waiting = platformWavePosition();
    const int64_t fileAtStall = fileFrames(path);
    EXPECT_TRUE(waitFor([&] { return fileFrames(path) >= fileAtStall + 4 * DEVICE_BUFFER_FRAMES; }));
    EXPECT_EQ(platformWavePosition(), waiting) << "the position moved while the device waited";
    EXPECT_LE(waiting, stall);
    EXPECT_GT(platformWaveUnderruns(), 1u) << "the wait was not counted";

    for (uint32_t i = stall * 2; i < frames * 2; ++i) samples[i] = distinctSample(i);
    written.store(frames, std::memory_order_release);
    EXPECT_TRUE(waitFor([&] { return platformWavePosition() >= frames; })) << "the position did not reach the end";
    // Without its silences the sound is the song: no frame lost, none twice.
    std::vector<float> heard = playedSamples(path);
    heard.erase(std::remove(heard.begin(), heard.end(), 0.0f), heard.end());
    ASSERT_EQ(heard.size(), size_t(frames * 2));
    for (uint32_t i = 0; i < frames * 2; ++i) ASSERT_EQ(heard[i], samples[i].load()) << "sample " << i;
}

TEST(WaveOutput, WithoutADeviceNothingOpensAndThePositionStaysZero) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::vector<std::atomic<float>> samples(4410 * 2);
    EXPECT_EQ(platformOpenWaveOutput(), 0);
    platformPlayWaveBuffer(samples.data(), 4410, nullptr);
    EXPECT_EQ(platformWavePosition(), 0u);
}

}  // namespace
