// The studio's song stream, one device buffer at a time, without a device.
#include "platform/common/song_stream_copy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int32_t SONG = 20, BUFFER = 8;
const int32_t SILENT = INT32_MIN;  // an expected frame that is silence

// Every sample distinct: the render's number, the frame and the channel show.
float sampleOf(int render, int32_t frame, int channel) { return float(render * 1000 + frame * 2 + channel + 1); }

struct Render {
    std::vector<std::atomic<float>> samples;
    std::atomic<int32_t> written;
    SongStreamSource source;
    explicit Render(int number) : samples(2 * SONG), written(SONG), source{samples.data(), SONG, &written} {
        for (int32_t i = 0; i < 2 * SONG; ++i) samples[i].store(sampleOf(number, i / 2, i % 2));
    }
};

struct Case {
    const char* what;
    int render;  // 0: no source
    int32_t position;
    bool paused;
    int32_t written;
    int32_t firstFrame;  // the song frame the buffer should start with, or SILENT for silence throughout
    int32_t positionAfter;
    uint32_t underruns;
};

TEST(SongStreamCopy, PlaysFinishedFramesFromThePositionAndMovesOn) {
    const Case cases[] = {
        {"inside the song", 1, 4, false, SONG, 4, 12, 0},
        {"the other render at the same position", 2, 4, false, SONG, 4, 12, 0},
        {"rendered just far enough", 1, 4, false, 12, 4, 12, 0},
        {"one frame short: silence, the position waits", 1, 4, false, 11, SILENT, 4, 1},
        {"paused", 1, 4, true, SONG, SILENT, 4, 0},
        {"no source", 0, 4, false, SONG, SILENT, 4, 0},
        {"wholly before the song, nothing rendered", 1, -10, false, 0, SILENT, -2, 0},
        {"into the song's start", 1, -3, false, SONG, -3, 5, 0},
        {"into the song's start, not rendered", 1, -3, false, 4, SILENT, -3, 1},
        {"over the song's end", 1, 16, false, SONG, 16, 24, 0},
        {"past the end", 1, 30, false, SONG, 30, 38, 0},
    };
    Render renders[] = {Render(1), Render(2)};
    for (const Case& c : cases) {
        Render* render = c.render ? &renders[c.render - 1] : nullptr;
        if (render) render->written.store(c.written);
        SongStreamCursor cursor = {render ? &render->source : nullptr, c.position, c.paused, 0};
        std::vector<float> out(2 * BUFFER, -99.0f), expected(2 * BUFFER, 0.0f);
        for (int32_t i = 0; c.firstFrame != SILENT && i < BUFFER; ++i) {
            const int32_t frame = c.firstFrame + i;
            for (int channel = 0; channel < 2 && frame >= 0 && frame < SONG; ++channel)
                expected[2 * i + channel] = sampleOf(c.render, frame, channel);
        }
        copySongStream(&cursor, out.data(), BUFFER);
        EXPECT_EQ(out, expected) << c.what;
        EXPECT_EQ(cursor.position, c.positionAfter) << c.what;
        EXPECT_EQ(cursor.underruns, c.underruns) << c.what;
    }
}

}  // namespace
