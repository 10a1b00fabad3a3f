// startMusic: the render thread, then the device, then the whole buffer, then
// the flag the poll waits for.
#include "tests/unit/music/music_test_support.h"

namespace {

using MusicStart = MusicTest;

TEST_F(MusicStart, StartsTheRenderThreadBeforeOpeningTheDeviceAndPlayingTheWholeBuffer) {
    startMusic();

    EXPECT_EQ(fake.calls, (std::vector<std::string>{"startThread", "openWaveOutput", "playWaveBuffer"}));
    EXPECT_EQ(fake.threadsStarted, 1);
    EXPECT_EQ(fake.lastThreadRoutine, &renderSong);
    EXPECT_EQ(fake.lastThreadArgument, static_cast<void*>(musicBuffer));
    EXPECT_EQ(fake.playedBuffer, musicBuffer);
    EXPECT_EQ(fake.playedFrames, static_cast<uint32_t>(SONG_FRAMES));
    EXPECT_TRUE(musicStarted);
}

TEST_F(MusicStart, DeviceThatDoesNotOpenStillLeavesTheRenderRunningAndTheMusicStarted) {
    fake.waveOpens = false;
    startMusic();

    EXPECT_EQ(fake.threadsStarted, 1);
    EXPECT_EQ(fake.count("playWaveBuffer"), 1);  // its failure is the platform's to swallow
    EXPECT_TRUE(musicStarted);

    // The position stays 0: the poll sees the song's first block and nothing else.
    writeNotes(0, 0, {0, 48});
    writeNotes(1, 1, {0, 55});
    pollAt(0);
    pollAt(0);
    EXPECT_EQ(trackNote[1], 48);
}

}  // namespace
