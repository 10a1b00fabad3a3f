// What reaches a sound file: the WAV header the tools write, whose format is
// the one every wave output asks its device for (the players and the
// comparisons read it by), and which channel is which, from a song that
// sounds on one side only to the file's first channel.
#include "synth/song_render.h"
#include "tests/unit/synth/test_song_builder.h"
#include "tools/float_wav/float_wav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

float sampleAt(const std::vector<unsigned char>& b, size_t i) {
    const uint32_t bits = b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<uint32_t>(b[i + 3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::vector<unsigned char> wavBytes(const std::atomic<float>* samples, int64_t sampleFrames, int64_t start,
                                    uint32_t frames) {
    std::FILE* file = std::tmpfile();
    EXPECT_EQ(writeFloatWav(file, samples, sampleFrames, start, frames), 1);
    std::vector<unsigned char> bytes(static_cast<size_t>(std::ftell(file)));
    std::rewind(file);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
    return bytes;
}

const size_t DATA = 58;  // RIFF, an 18-byte fmt chunk, a fact chunk, the data chunk's header

}  // namespace

TEST(SoundFile, TheHeaderSaysFloatStereoAt44100WithTheDataLength) {
    const std::vector<unsigned char> wav = wavBytes(nullptr, 0, 0, 1000);
    ASSERT_EQ(wav.size(), DATA + 1000 * 8);
    const unsigned char header[DATA] = {
        'R', 'I', 'F', 'F', 0x72, 0x1f, 0, 0, 'W', 'A', 'V', 'E',  // 50 + 8000 bytes follow
        'f', 'm', 't', ' ', 18, 0, 0, 0, 3, 0, 2, 0,  // 18 bytes: IEEE float, 2 channels,
        0x44, 0xac, 0, 0, 0x20, 0x62, 0x05, 0,       // 44100 frames and 352800 bytes a second,
        8, 0, 32, 0, 0, 0,                           // 8 bytes a frame, 32-bit samples, no extension
        'f', 'a', 'c', 't', 4, 0, 0, 0, 0xe8, 0x03, 0, 0,  // 1000 frames
        'd', 'a', 't', 'a', 0x40, 0x1f, 0, 0,              // 8000 bytes of samples
    };
    EXPECT_TRUE(std::equal(header, header + DATA, wav.begin()));
}

// Track 0 puts silence under a note's envelope: OP_OUTPUT pops the left
// channel first, so the envelope sounds left only; the master mixes it out.
TEST(SoundFile, ASongThatSoundsOnTheLeftOnlyFillsTheFirstChannelOnly) {
    SongBuilder b;
    b.play(0, {60}).add(0, {K(0), K(64), OP_OUTPUT, 128, 0});
    b.add(TRACK_COUNT, {OP_MIX, 0, OP_OUTPUT, 128, 0});
    ASSERT_EQ(renderSongInto(b.song(), musicBuffer, nullptr), 1);
    EXPECT_EQ(musicBuffer[2 * 100].load(), 0.5f) << "the left of frame 100";
    EXPECT_EQ(musicBuffer[2 * 100 + 1].load(), 0.0f) << "the right of frame 100";

    // The same frames written from frame 2 of the file on.
    const std::vector<unsigned char> wav = wavBytes(musicBuffer + 2 * 99, 2, 2, 5);
    const float expected[5][2] = {{0, 0}, {0, 0}, {0.5f, 0}, {0.5f, 0}, {0, 0}};
    for (int frame = 0; frame < 5; ++frame) {
        for (int channel = 0; channel < 2; ++channel)
            EXPECT_EQ(sampleAt(wav, DATA + 8 * frame + 4 * channel), expected[frame][channel]) << frame << ", " << channel;
    }
}
