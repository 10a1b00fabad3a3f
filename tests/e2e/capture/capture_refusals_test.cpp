// What quorvel-capture refuses once it runs: each ends with its reason, its
// exit code and nothing written (the command line's own refusals are the unit
// tests'; this is one of them end to end).
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

TEST(CaptureRefusals, EachGivesItsReasonAndLeavesNothingBehind) {
    // The arguments, the shell's settings before the run, the reason, the exit code.
    const std::tuple<std::vector<std::string>, const char*, const char*, int> cases[] = {
        {{"--shots", "3"}, "", "unknown option '--shots'", 2},
        {{"--size", "100000x100", "--at", "1"}, "", "is beyond what this OpenGL draws", 2},
        {{"--from", "0.001", "--to", "0.002"}, "", "no frame lies between", 2},
        {{"--from", "1", "--to", "2", "--video", "v.mp4"}, "PATH=/nonexistent", "--video needs ffmpeg", 2},
        // The frame buffers of a picture that the memory allowed cannot hold.
        {{"--size", "16384x16384", "--at", "1"}, "ulimit -v 3000000;", "not enough memory", 1},
        // The first still is staged before the fade ends the demo short of the second.
        {{"--size", "32x20", "--at", "4.9,7", "--quit-at", "5"}, "", "the closing fade ended the demo in frame 360", 1},
    };
    for (auto [arguments, prefix, reason, exitCode] : cases) {
        ScratchFolder scratch;
        arguments.insert(arguments.end(), {"--out", scratch / "stills", "--wav", scratch / "sound.wav"});
        const ShellRun run = runCapture(arguments, prefix);
        EXPECT_EQ(run.exitCode, exitCode) << reason << ": " << run.out;
        EXPECT_NE(run.out.find(reason), std::string::npos) << reason << ": said " << run.out;
        EXPECT_TRUE(folderEntries(scratch.path).empty()) << reason << ": left files behind";
    }
}

TEST(OutputNames, BothToolsRefuseTwoNamesForOneFile) {
    // The command, its exit code; in a folder with old.wav, a second name
    // (a hard link) for it, and a folder beside.
    const std::pair<std::string, int> cases[] = {
        {"quorvel-render-song same.wav --notes ./same.wav", 1},
        {"quorvel-render-song old.wav --notes hard.wav", 1},
        {"quorvel-render-song old.wav --notes beside/../old.wav", 1},
        {"quorvel-capture --from 0 --to 0.1 --wav same.mp4 --video ./same.mp4", 2},
        {"quorvel-capture --from 0 --to 0.1 --wav old.wav --video beside/../hard.wav", 2},
    };
    for (const auto& [command, exitCode] : cases) {
        const ScratchFolder scratch;
        const std::string inFolder = "cd '" + scratch.path + "' && ";
        ASSERT_EQ(shell(inFolder + "echo old > old.wav && ln old.wav hard.wav && mkdir beside").exitCode, 0);
        const ShellRun run = shell(inFolder + "'" + buildProgram("") + "'" + command);  // the build's program
        EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.out;
        EXPECT_EQ(shell(inFolder + "ls -A | tr \"\\n\" \" \"; cat hard.wav").out, "beside hard.wav old.wav old\n")
            << command;
    }
}
