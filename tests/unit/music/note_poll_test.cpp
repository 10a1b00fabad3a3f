// startMusic and pollMusicNotes against the fake platform: the render thread
// is recorded, not run, and the tests write noteTrace rows themselves.
#include "synth/music.h"
#include "synth/song_render.h"
#include "tests/fake_platform/fake_platform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Music : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakePlatform();
        musicStarted = false;
        frame = FrameNotes();
        for (auto& row : noteTrace)
            for (auto& entry : row) entry.store(0, std::memory_order_relaxed);
    }
    // Blocks [first, last] hold note1 on track 1 and note11 on track 11, the
    // other tracks 0; the odd entries, which the renderer never writes, junk.
    static void notes(int first, int last, int note1, int note11) {
        for (int block = first; block <= last; ++block) {
            for (int t = 0; t < TRACK_COUNT; ++t) {
                noteTrace[block][2 * t].store(t == 1 ? note1 : t == 11 ? note11 : 0, std::memory_order_relaxed);
                noteTrace[block][2 * t + 1].store(-1000 - t, std::memory_order_relaxed);
            }
        }
    }
    void poll(uint32_t position) {
        fake.wavePosition = position;
        pollMusicNotes(&frame);
    }
    // The tracks whose note changed at the last poll.
    std::vector<int> events() const {
        std::vector<int> tracks;
        for (int t = 0; t < NOTE_TRACKS; ++t)
            if (frame.changed[t]) tracks.push_back(t);
        return tracks;
    }
    FrameNotes frame;
};

TEST_F(Music, StartsTheRenderThreadThenPlaysTheWholeBufferAlsoWithoutADevice) {
    for (bool device : {true, false}) {
        SetUp();
        fake.waveOpens = device;
        startMusic();
        EXPECT_EQ(fake.calls, (std::vector<std::string>{"startThread", "openWaveOutput", "playWaveBuffer"}));
        EXPECT_TRUE(fake.lastThreadRoutine == &renderSong && fake.lastThreadArgument == musicBuffer);
        EXPECT_TRUE(fake.playedBuffer == musicBuffer && fake.playedFrames == uint32_t(SONG_FRAMES));
        EXPECT_TRUE(musicStarted);
    }
}

TEST_F(Music, EachPollTurnsTheNotesOfThePositionsBlockIntoEvents) {
    const uint32_t BLOCK = NOTE_TRACE_BLOCK;
    notes(0, 3, 48, 60);
    notes(4, 8, 0, 60);
    notes(9, 999, 46, 60);
    notes(1000, 1000, 53, 60);
    notes(NOTE_TRACE_ROWS - 1, NOTE_TRACE_ROWS - 1, 55, 58);
    for (uint8_t& changed : frame.changed) changed = 1;
    poll(5 * BLOCK);
    EXPECT_EQ(events(), std::vector<int>{}) << "before the music starts";
    startMusic();
    // Position, the tracks with an event, and track 1's note then.
    const struct {
        uint32_t position;
        std::vector<int> events;
        int note1;
    } polls[] = {
        {0, {1, 11}, 48},                         // the first poll sees block 0's notes
        {BLOCK - 1, {}, 48},                      // the same block
        {3 * BLOCK + 100, {}, 48},                // a held note is one event
        {4 * BLOCK, {1}, 0},                      // falling silent is an event
        {9 * BLOCK, {1}, 46},
        {1000 * BLOCK + 255, {1}, 53},
        {SONG_FRAMES, {1, 11}, 55},               // the device stopped at the end
        {SONG_FRAMES, {}, 55},                    // and polls on without events
        {0xFFFFFFFFu, {}, 55},                    // beyond the table: its last block
        {4 * BLOCK, {1, 11}, 0},
    };
    for (const auto& p : polls) {
        poll(p.position);
        EXPECT_EQ(frame.note[1], p.note1) << "position " << p.position;
        EXPECT_EQ(events(), p.events) << "position " << p.position;
        for (int t = TRACK_COUNT; t < NOTE_TRACKS; ++t) EXPECT_EQ(frame.note[t], 0) << "track " << t;
    }
}

}  // namespace
