// quorvel-render-song: its WAV header and samples, the note events, the level
// figures, and the binary itself (arguments, errors, one whole render).
#include "tools/render_song/note_events.h"
#include "tools/render_song/sample_stats.h"
#include "tools/render_song/wav_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

uint32_t le32(const uint8_t* at) { return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24; }
uint16_t le16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

TEST(WavFile, TheHeaderDescribesStereoFloatAt44100) {
    uint8_t h[WAV_HEADER_BYTES];
    wavHeader(h, 1000, 44100);
    EXPECT_EQ(std::memcmp(h, "RIFF", 4), 0);
    EXPECT_EQ(le32(h + 4), WAV_HEADER_BYTES - 8 + 8000u);
    EXPECT_EQ(std::memcmp(h + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(le32(h + 16), 18u);
    EXPECT_EQ(le16(h + 20), 3);  // WAVE_FORMAT_IEEE_FLOAT
    EXPECT_EQ(le16(h + 22), 2);
    EXPECT_EQ(le32(h + 24), 44100u);
    EXPECT_EQ(le32(h + 28), 44100u * 8);
    EXPECT_EQ(le16(h + 32), 8);
    EXPECT_EQ(le16(h + 34), 32);
    EXPECT_EQ(std::memcmp(h + 38, "fact", 4), 0);
    EXPECT_EQ(le32(h + 46), 1000u);
    EXPECT_EQ(std::memcmp(h + 50, "data", 4), 0);
    EXPECT_EQ(le32(h + 54), 8000u);
}

TEST(WavFile, WritesTheSamplesInOrderAsLittleEndianFloats) {
    // More samples than one write block, so the blocks must join up.
    const uint32_t frames = 20000;
    std::vector<std::atomic<float>> samples(2 * frames);
    for (uint32_t i = 0; i < 2 * frames; ++i) samples[i].store(static_cast<float>(i) * 0.5f - 3.0f);
    std::FILE* file = std::tmpfile();
    ASSERT_TRUE(file);
    ASSERT_EQ(writeWav(file, samples.data(), frames, 44100), 1);
    std::rewind(file);
    std::vector<uint8_t> bytes(WAV_HEADER_BYTES + 8 * frames + 1);
    ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size() - 1);
    std::fclose(file);
    for (uint32_t i : {0u, 1u, 16383u, 16384u, 2 * frames - 1}) {
        const uint32_t bits = le32(&bytes[WAV_HEADER_BYTES + 4 * i]);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        EXPECT_EQ(value, static_cast<float>(i) * 0.5f - 3.0f) << i;
    }
}

TEST(NoteEvents, ListEachChangeOnceFromSilenceAndIgnoreTheOtherEntries) {
    static std::atomic<int32_t> trace[4][NOTE_TRACE_ENTRIES];
    for (auto& row : trace)
        for (auto& entry : row) entry.store(0);
    trace[0][2 * 3].store(60);  // track 3 from block 0
    trace[1][2 * 3].store(60);  // unchanged
    trace[2][2 * 3].store(0);   // released
    trace[2][2 * 11].store(-5);
    trace[3][2 * 11].store(-5);
    trace[1][1].store(99);                      // an odd entry: no track
    trace[3][2 * TRACK_COUNT].store(77);        // track 12: none
    std::vector<NoteEvent> events;
    const int32_t count = forEachNoteChange(trace, 4, [&](const NoteEvent& e) { events.push_back(e); });
    ASSERT_EQ(count, 3);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].block, 0);
    EXPECT_EQ(events[0].track, 3);
    EXPECT_EQ(events[0].note, 60);
    EXPECT_EQ(events[1].block, 2);
    EXPECT_EQ(events[1].track, 3);
    EXPECT_EQ(events[1].note, 0);
    EXPECT_EQ(events[2].track, 11);
    EXPECT_EQ(events[2].note, -5);

    std::FILE* file = std::tmpfile();
    ASSERT_EQ(writeNoteEvents(file, trace, 4), 3);
    std::rewind(file);
    char text[256] = {};
    EXPECT_GT(std::fread(text, 1, sizeof text - 1, file), 0u);
    std::fclose(file);
    EXPECT_STREQ(text, "block,track,note\n0,3,60\n2,3,0\n2,11,-5\n");
}

TEST(SampleStats, PeakRmsAndClampedSamplesPerChannel) {
    // Left: 0.5, -1, 0.5, 1; right: 0.25 throughout.
    const float values[] = {0.5f, 0.25f, -1.0f, 0.25f, 0.5f, 0.25f, 1.0f, 0.25f};
    std::atomic<float> samples[8];
    for (int i = 0; i < 8; ++i) samples[i].store(values[i]);
    const ChannelStats left = channelStats(samples, 4, 0);
    const ChannelStats right = channelStats(samples, 4, 1);
    EXPECT_EQ(left.peak, 1.0);
    EXPECT_DOUBLE_EQ(left.rms, std::sqrt((0.25 + 1 + 0.25 + 1) / 4));
    EXPECT_EQ(left.clamped, 2);
    EXPECT_EQ(right.peak, 0.25);
    EXPECT_DOUBLE_EQ(right.rms, 0.25);
    EXPECT_EQ(right.clamped, 0);
    EXPECT_DOUBLE_EQ(decibels(0.1), -20.0);
}

// The binary, run as a user would.
class RenderSongTool : public ::testing::Test {
protected:
    void SetUp() override {
        tool = RENDER_SONG_TOOL;  // the path the build gave it
        char pattern[] = "/tmp/render-song-test-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        dir = pattern;
    }
    void TearDown() override {
        if (!dir.empty()) {
            EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
        }
    }
    // Runs the tool with `arguments`; returns its exit status, output in `out`.
    int run(const std::string& arguments) {
        const std::string log = dir + "/log.txt";
        const int status = std::system((tool + " " + arguments + " >'" + log + "' 2>&1").c_str());
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        out = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static long long sizeOf(const std::string& path) {
        struct stat info;
        return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
    }
    std::string tool, dir, out;
};

TEST_F(RenderSongTool, RejectsMissingUnknownAndRepeatedArgumentsWithUsage) {
    for (const char* arguments : {"", "--bogus out.wav", "a.wav b.wav", "a.wav --notes", "a.wav --notes x --notes y"}) {
        EXPECT_EQ(run(arguments), 2) << arguments;
        EXPECT_NE(out.find("usage: quorvel-render-song OUT.wav [--notes NOTES.csv]"), std::string::npos) << out;
    }
}

TEST_F(RenderSongTool, FailsBeforeRenderingWhenTheOutputCannotBeWritten) {
    EXPECT_EQ(run(dir + "/missing/song.wav"), 1);
    EXPECT_NE(out.find("cannot write"), std::string::npos) << out;
    EXPECT_EQ(out.find("rendered"), std::string::npos) << out;
}

TEST_F(RenderSongTool, WritesTheWholeSongAndItsNoteEventsAndReportsTheFigures) {
    const std::string wav = dir + "/song.wav", notes = dir + "/notes.csv";
    ASSERT_EQ(run("'" + wav + "' --notes '" + notes + "'"), 0) << out;
    EXPECT_EQ(sizeOf(wav), WAV_HEADER_BYTES + 7517312LL * 8);
    std::ifstream csv(notes);
    std::string header, first;
    std::getline(csv, header);
    std::getline(csv, first);
    EXPECT_EQ(header, "block,track,note");
    EXPECT_NE(first, "");
    for (const char* figure : {"real time", "left ", "right ", "peak", "RMS", "clamped samples", "note changes"}) {
        EXPECT_NE(out.find(figure), std::string::npos) << figure << " in:\n" << out;
    }
    // Output to a file is no terminal: no progress line.
    EXPECT_EQ(out.find("rendering"), std::string::npos);
}

}  // namespace
