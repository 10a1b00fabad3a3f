#include "demo/show_timeline.h"
#include "synth/song.h"
#include "tools/song_compiler/note_names.h"
#include "tools/studio/overlay/frame_times.h"
#include "tools/studio/overlay/overlay_values.h"

#include <gtest/gtest.h>

namespace {

TEST(OverlayValues, NoteNamesAreTheSourcesAndReadBack) {
    const struct { int32_t note; const char* name; } cases[] = {
        {0, "---"}, {5, "???"}, {128, "???"}, {24, "C-0"}, {70, "A#3"}, {72, "C-4"}, {127, "G-8"}};
    char name[4];
    for (const auto& c : cases) {
        noteName(c.note, name);
        EXPECT_STREQ(name, c.name) << c.note;
    }
    for (int32_t note = 24; note <= 127; ++note) {
        noteName(note, name);
        EXPECT_EQ(noteNumber(name), note) << name;
    }
}

TEST(OverlayValues, FrameTimePercentilesOfTheNewestWindow) {
    FrameTimes times = {};
    EXPECT_EQ(frameTimePercentile(times, 50.0), 0.0);
    // 1..130 ms, every seventh first: the window keeps 11..130 in any order.
    for (int i = 0; i < 130; ++i) recordFrameTime(&times, ((i * 7) % 130 + 1) / 1000.0);
    for (int i = 0; i < 130; ++i) recordFrameTime(&times, (i + 1) / 1000.0);
    EXPECT_DOUBLE_EQ(frameTimePercentile(times, 50.0), 0.070);
    EXPECT_DOUBLE_EQ(frameTimePercentile(times, 99.0), 0.129);
    EXPECT_DOUBLE_EQ(frameTimePercentile(times, 100.0), 0.130);
}

TEST(OverlayValues, SongPositionMomentsTimelineAndFlash) {
    const struct { uint32_t frame; int order, row; } positions[] = {
        {0, 0, 0}, {SAMPLES_PER_ROW - 1, 0, 0}, {SAMPLES_PER_ROW * 17, 1, 1}, {SONG_FRAMES, 75, 15}};
    for (const auto& p : positions) {
        EXPECT_EQ(songPositionAt(p.frame).order, p.order) << p.frame;
        EXPECT_EQ(songPositionAt(p.frame).row, p.row) << p.frame;
    }
    EXPECT_EQ(currentMoment(-0.5), nullptr);
    EXPECT_STREQ(currentMoment(LINE_START + 0.5)->name, "line");
    EXPECT_DOUBLE_EQ(timelineFraction(showSeconds() / 4), 0.25);
    EXPECT_EQ(timelineFraction(showSeconds() + 1.0), 1.0);
    EXPECT_EQ(noteFlash(5.0, 5.0), 1.0);
    EXPECT_EQ(noteFlash(5.0 + NOTE_FLASH_SECONDS, 5.0), 0.0);
    EXPECT_EQ(noteFlash(4.9, 5.0), 0.0) << "after a seek back";
}

TEST(OverlayValues, StillNamesAreDistinctAndSortedAcrossTheShowsFrames) {
    EXPECT_EQ(stillName(13.5), "quorvel-013.500.png");
    std::string previous = stillName(0.0);
    for (int frame = 1; frame <= showSeconds() * 60; ++frame) {
        const std::string name = stillName(frame / 60.0);
        ASSERT_LT(previous, name) << frame;
        previous = name;
    }
}

}  // namespace
