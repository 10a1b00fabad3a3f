// quorvel-render-song built for WebAssembly (scripts/build-web), run under
// node: its samples are the native render's, bit for bit (the pinned digest).
#include "tests/support/pinned_song.h"
#include "tests/support/tool_runs.h"

#include <gtest/gtest.h>

TEST(SongInNode, RendersThePinnedSamples) {
    const std::string tool = QUORVEL_WEB_BUILD_DIR "/quorvel-render-song.js";
    ASSERT_EQ(shell("test -f '" + tool + "'").exitCode, 0) << tool << " is missing: run scripts/build-web";
    ScratchFolder folder;
    // node 18 and later fetch the .wasm with their own fetch, which takes no
    // file path: the flag turns it off, and the file is read from disk.
    const ShellRun run = shell("node --no-experimental-fetch '" + tool + "' '" + folder / "song.wav" + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const ShellRun digest = shell("tail -c +59 '" + folder / "song.wav" + "' | sha256sum");
    ASSERT_EQ(digest.exitCode, 0) << digest.out;
    EXPECT_EQ(digest.out.substr(0, 64), PINNED_SONG_SAMPLES_SHA256);
}
