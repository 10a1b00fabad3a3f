// quorvel-render-song run as a user would: what it refuses before it renders,
// and that a write that fails leaves what was there before and nothing else.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Scratch {
    Scratch() {
        char pattern[] = "/tmp/render-song-test-XXXXXX";
        dir = mkdtemp(pattern) ? pattern : "/nonexistent";
        // An earlier WAV, a pipe and a folder where outputs could be asked for.
        shell("echo old > old.wav && mkfifo pipe && mkdir folder");
    }
    ~Scratch() { std::system(("rm -rf '" + dir + "'").c_str()); }

    // Runs the command in the folder ($TOOL: the tool); its exit code, and its
    // output in `out`.
    int shell(const std::string& command) {
        const std::string line = "cd '" + dir + "' && TOOL='" RENDER_SONG_TOOL "' sh -c '" + command + "' >../" +
                                 name() + ".log 2>&1";
        const int status = std::system(line.c_str());
        std::ifstream in(dir + "/../" + name() + ".log");
        std::stringstream text;
        text << in.rdbuf();
        out = text.str();
        std::remove((dir + "/../" + name() + ".log").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string name() const { return dir.substr(dir.find_last_of('/') + 1); }
    // The folder as it was made, with the earlier WAV's bytes.
    bool untouched() {
        shell("ls -A | tr \"\\n\" \" \"; cat old.wav");
        return out == "folder old.wav pipe old\n";
    }

    std::string dir, out;
};

TEST(RenderSong, RefusesBadArgumentsAndPlacesBeforeTouchingAnything) {
    const struct {
        const char* command;
        int exitCode;
        const char* reason;
    } cases[] = {
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
    Scratch scratch;
    for (const auto& c : cases) {
        EXPECT_EQ(scratch.shell(c.command), c.exitCode) << c.command << ": " << scratch.out;
        EXPECT_NE(scratch.out.find(c.reason), std::string::npos) << c.command << ": " << scratch.out;
        EXPECT_EQ(scratch.out.find("rendered"), std::string::npos) << c.command << " rendered the song first";
        EXPECT_TRUE(scratch.untouched()) << c.command << " left: " << scratch.out;
    }
}

TEST(RenderSong, AFullDiskLeavesTheEarlierWavAndNoPartialFile) {
    // A file size limit stands in for a full disk: the writes fail with a reason.
    Scratch scratch;
    EXPECT_EQ(scratch.shell("ulimit -f 1000; $TOOL old.wav --notes notes.csv"), 1) << scratch.out;
    EXPECT_NE(scratch.out.find("cannot write old.wav: File too large"), std::string::npos) << scratch.out;
    EXPECT_TRUE(scratch.untouched()) << "left: " << scratch.out;
}

}  // namespace
