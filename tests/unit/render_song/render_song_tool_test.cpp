// quorvel-render-song run as a user would: what it refuses before it renders,
// that a write that fails or an interruption leaves what was there before and
// nothing else, the longest name, and the demo's song compiled from its source
// in the tool. (Other whole renders are the sanitizer run's and the capture's;
// two names for one file, the capture test's.)
#include "tests/support/tool_runs.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A fresh folder with an earlier WAV, a pipe and a folder where outputs could be asked for.
struct ToolFolder : ScratchFolder {
    ToolFolder() { run("echo old > old.wav && mkfifo pipe && mkdir folder"); }
    // Runs the command in the folder ($TOOL: the tool).
    ShellRun run(const std::string& command) const {
        return shell("cd '" + path + "' && TOOL='" RENDER_SONG_TOOL "' sh -c '" + command + "'");
    }
    // Whether the folder is as it was made, with the earlier WAV's bytes.
    bool untouched() const {
        const ShellRun listed = run("ls -A | tr \"\\n\" \" \"; cat old.wav");
        return listed.exitCode == 0 && listed.out == "folder old.wav pipe old\n";
    }
};

}  // namespace

TEST(RenderSong, RefusesBadArgumentsAndPlacesBeforeTouchingAnything) {
    // The command, its exit code, its reason.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"$TOOL", 2, "no output file"},
        {"$TOOL --bogus a.wav", 2, "unknown option"},
        {"$TOOL a.wav b.wav", 2, "more than one output file"},
        {"$TOOL a.wav --notes", 2, "--notes needs a file name"},
        {"$TOOL a.wav --notes x --notes y", 2, "--notes given twice"},
        // A bad notes place is found before the WAV is touched.
        {"$TOOL old.wav --notes missing/n.csv", 1, "cannot write in missing: No such file or directory"},
        {"$TOOL old.wav --notes folder/", 1, "folder/ is a folder, not a file name"},
        {"$TOOL folder", 1, "folder is a folder, not a file name"},
        {"$TOOL pipe", 1, "pipe is a named pipe, not a regular file"},
    };
    const ToolFolder folder;
    for (const auto& [command, exitCode, reason] : cases) {
        const ShellRun run = folder.run(command);
        EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.out;
        EXPECT_NE(run.out.find(reason), std::string::npos) << command << ": " << run.out;
        EXPECT_EQ(run.out.find("rendered"), std::string::npos) << command << " rendered the song first";
        EXPECT_TRUE(folder.untouched()) << command;
    }
}

TEST(RenderSong, AFullDiskLeavesTheEarlierWavAndNoPartialFile) {
    // A file size limit stands in for a full disk: the writes fail with a reason.
    const ToolFolder folder;
    const ShellRun run = folder.run("ulimit -f 1000; $TOOL old.wav --notes notes.csv");
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_NE(run.out.find("cannot write old.wav: File too large"), std::string::npos) << run.out;
    EXPECT_TRUE(folder.untouched());
}

TEST(RenderSong, AnInterruptionLeavesTheEarlierWavAndNoPartialFile) {
    // The signal goes once the staged WAV is there, seconds before the render ends.
    const std::string waitForStaging =
        "for tick in $(seq 200); do ls -A | grep -q ^[.] && break; sleep 0.05; done;"
        "ls -A | grep -q ^[.] || echo no staged WAV within 10 s;";
    for (const std::string signal : {"INT", "TERM", "HUP"}) {
        const ToolFolder folder;
        const ShellRun run = folder.run("env --default-signal=INT $TOOL old.wav --notes notes.csv & tool=$!;" +
                                        waitForStaging + "kill -" + signal + " $tool; wait $tool");
        EXPECT_EQ(run.exitCode, 1) << "SIG" << signal << ": " << run.out;
        EXPECT_TRUE(folder.untouched()) << "SIG" << signal;
    }
}

TEST(RenderSong, WritesUnderTheLongestNamesAFileMayHave) {
    const ToolFolder folder;
    const std::string stem(251, 'n');  // with the extension, the 255 bytes a name may have
    const ShellRun run = folder.run("$TOOL " + stem + ".wav --notes " + stem + ".csv");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(folderEntries(folder.path),
              (std::vector<std::string>{"folder", stem + ".csv", stem + ".wav", "old.wav", "pipe"}));
}

// The demo's source compiled in the tool gives the built-in render bit for bit,
// and the same source with its first output's gain changed does not.
TEST(RenderSong, PlaysTheSongOfTheSourceItIsGiven) {
    const ToolFolder folder;
    const ShellRun run = folder.run("$TOOL a.wav --notes a.csv && $TOOL b.wav --song \"" DEMO_SONG_SOURCE
                                    "\" --notes b.csv && cmp a.wav b.wav && cmp a.csv b.csv && "
                                    "sed \"0,/gain=187/s//gain=186/\" \"" DEMO_SONG_SOURCE "\" > edited.txt && "
                                    "$TOOL c.wav --song edited.txt && ! cmp -s a.wav c.wav");
    EXPECT_EQ(run.exitCode, 0) << run.out;
}
