// quorvel-render-song run as a user would: what it refuses before it renders,
// and that a write that fails leaves what was there before and nothing else.
// (A whole render that succeeds is the sanitizer run's and the capture's.)
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <tuple>

namespace {

// Runs the command in the folder ($TOOL: the tool); its exit code, and its
// output in `out`.
int shell(const std::string& folder, const std::string& command, std::string* out) {
    FILE* pipe = popen(("cd '" + folder + "' && TOOL='" RENDER_SONG_TOOL "' sh -c '" + command + "' 2>&1").c_str(), "r");
    char buffer[4096];
    out->clear();
    while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) out->append(buffer, got);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A fresh folder with an earlier WAV, a pipe and a folder where outputs could be asked for.
std::string scratchFolder() {
    std::string made;
    shell("/tmp", "cd $(mktemp -d) && echo old > old.wav && mkfifo pipe && mkdir folder && printf %s \"$PWD\"", &made);
    return made;
}

// Whether the folder is as it was made, with the earlier WAV's bytes.
bool untouched(const std::string& folder) {
    std::string out;
    return shell(folder, "ls -A | tr \"\\n\" \" \"; cat old.wav", &out) == 0 && out == "folder old.wav pipe old\n";
}

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
        {"$TOOL old.wav --notes folder/", 1, "cannot write folder/: Is a directory"},
        {"$TOOL old.wav --notes old.wav", 1, "the WAV and the notes cannot both be old.wav"},
        {"$TOOL folder", 1, "folder is a folder, not a regular file"},
        {"$TOOL pipe", 1, "pipe is a named pipe, not a regular file"},
        {"$TOOL /dev/full", 1, "/dev/full is a character device, not a regular file"},
    };
    const std::string folder = scratchFolder();
    std::string out;
    for (const auto& [command, exitCode, reason] : cases) {
        EXPECT_EQ(shell(folder, command, &out), exitCode) << command << ": " << out;
        EXPECT_NE(out.find(reason), std::string::npos) << command << ": " << out;
        EXPECT_EQ(out.find("rendered"), std::string::npos) << command << " rendered the song first";
        EXPECT_TRUE(untouched(folder)) << command;
    }
    shell(folder, "rm -rf \"$PWD\"", &out);
}

TEST(RenderSong, AFullDiskLeavesTheEarlierWavAndNoPartialFile) {
    // A file size limit stands in for a full disk: the writes fail with a reason.
    const std::string folder = scratchFolder();
    std::string out;
    EXPECT_EQ(shell(folder, "ulimit -f 1000; $TOOL old.wav --notes notes.csv", &out), 1) << out;
    EXPECT_NE(out.find("cannot write old.wav: File too large"), std::string::npos) << out;
    EXPECT_TRUE(untouched(folder));
    shell(folder, "rm -rf \"$PWD\"", &out);
}
