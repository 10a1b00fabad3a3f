// The player's seek on real GL: after any series of seeks, the picture of a
// frame is the one a straight run from frame 0 draws, bit for bit.
#include "app/show_player.h"
#include "tests/gl/support/gl_test_window.h"

#include <GL/gl.h>

#include <map>
#include <vector>

namespace {

const int W = 160, H = 100, FPS = 10;  // the music starts in frame 121

// A song of cues alone, 2 s into it (from frame 142, in the open letterbox):
// the bass twists the sponge twice, the lead kicks the distortion three times
// and cuts two levels.
std::atomic<int32_t> cueTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];
std::atomic<int32_t> silentTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];

void writeCues() {
    const struct {
        double from;
        int track, note;
    } cues[] = {{2.05, 1, 43}, {2.15, 11, 58}, {2.25, 11, 60}, {2.35, 1, 46}, {2.45, 11, 62}, {2.6, 1, 0}};
    for (int block = 0; block < NOTE_TRACE_ROWS; ++block) {
        for (const auto& cue : cues) {
            if (block * double(NOTE_TRACE_BLOCK) / SAMPLE_RATE >= cue.from) cueTrace[block][2 * cue.track] = cue.note;
        }
    }
}

class ShowPlayerSeek : public ::testing::Test {
protected:
    void SetUp() override {
        clearRecordedBoxes();
        ASSERT_TRUE(openGlTestWindow(W, H, &window));
        displayConfig = DisplayConfig{W, H, 0, float(W) / H};
        ASSERT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 1);
        writeCues();
    }
    void TearDown() override { closeGlTestWindow(&window); }
    static Picture play(ShowPlayer* player) {
        playShowFrame(player, PICTURE_DRAWN);
        glReadBuffer(GL_BACK);
        return readPixels(0, 0, W, H);
    }
    GlTestWindow window;
};

// Frame 95 lies in the logo, 119 in the opening letterbox before the music,
// 146 after the first twist, two kicks and a level, 160 after them all; at
// 200 the second twist has swung out to its (drawn) target and back again.
TEST_F(ShowPlayerSeek, EveryFrameAfterAnySeeksIsTheStraightRunsPicture) {
    const struct {
        const char* history;
        std::vector<int64_t> seeks;  // each followed by a drawn frame
        bool silentFirst;            // the seeks played on a song without notes, then the cues' song
        int64_t target;
    } rows[] = {
        {"forward from the start", {}, false, 146},
        {"back across the cues", {160}, false, 146},
        {"the same frame twice", {200}, false, 200},
        {"back across the music's start", {150, 130}, false, 119},
        {"back into the logo", {160}, false, 95},
        {"back after the song changed", {150}, true, 146},
    };
    std::map<int64_t, Picture> straight;
    ShowPlayer player;
    startShowPlayer(&player, FPS, cueTrace);
    for (int64_t frame = 0; frame <= 200; ++frame) {
        const Picture picture = play(&player);
        for (const auto& row : rows)
            if (row.target == frame) straight[frame] = picture;
    }
    for (const auto& row : rows) {
        startShowPlayer(&player, FPS, row.silentFirst ? silentTrace : cueTrace);
        for (int64_t frame : row.seeks) {
            seekShow(&player, frame);
            play(&player);
        }
        switchNoteTrace(&player, cueTrace);
        seekShow(&player, row.target);
        EXPECT_TRUE(play(&player).rgba == straight[row.target].rgba) << row.history << ", frame " << row.target;
    }
}

}  // namespace
