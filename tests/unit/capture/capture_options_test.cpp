// quorvel-capture's command line and output places: the reason it gives for
// each thing it refuses before anything is written. (What it accepts, the
// end-to-end runs use.)
#include "tests/support/tool_runs.h"
#include "tools/capture/capture_options.h"
#include "tools/capture/capture_outputs.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

int parse(std::vector<const char*> arguments, CaptureOptions* options, std::string* error) {
    arguments.insert(arguments.begin(), "quorvel-capture");
    return parseCaptureOptions(static_cast<int>(arguments.size()), arguments.data(), options, error);
}

}  // namespace

TEST(CaptureOptions, RefusesEachBadArgumentWithItsOwnReason) {
    std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"--frames", "3"}, "unknown option '--frames'"},
        {{"--size", "0x100"}, "has no pixels"},
        {{"--at", "5,3"}, "out of order: 3 s comes after 5 s"},
        {{"--at", "-1"}, "before the demo's first frame"},
        {{"--at", "9000"}, "past the longest capture"},
        {{"--from", "5", "--to", "3"}, "--to comes before --from"},
        {{"--from", "1"}, "--from needs --to, or --quit-at"},
        {{"--out", "o"}, "nothing to capture"},
        {{"--at", "1", "--wav", "s.wav"}, "--at needs --out"},
        {{"--at", "1", "--out", "o", "--video", "v.mp4"}, "--video needs a range"},
        {{"--from", "1", "--to", "2"}, "nowhere to put the capture"},
        {{"--at", "1", "--out"}, "--out needs a value"},
        {{"--at", "1", "--out", ""}, "--out needs a file name"},
    };
    // Sizes, rates and times are plain decimals, as the help says: nothing
    // else that strtod or strtol would take.
    for (const char* size : {"160", "-160x100", "+160x100", " 160x100", "0x10x10", "0xa0x100"}) {
        cases.push_back({{"--size", size}, std::string("'") + size + "' is not WIDTHxHEIGHT"});
    }
    for (const char* rate : {"0", "1001", "29.97", " 60", "+60", "0x3c", "6e1"}) {
        cases.push_back({{"--fps", rate}, std::string("'") + rate + "' is not a whole number of frames per second from 1 to 1000"});
    }
    for (const char* time : {"0x10", "1e1", "inf", "nan", "+1", " 1", "1 ", "1.2.3", ".", "", "-inf", "0X1p3"}) {
        cases.push_back({{"--at", time}, std::string("'") + time + "' is not a time in seconds"});
        cases.push_back({{"--from", time, "--to", "9"}, std::string("'") + time + "' is not a time in seconds"});
    }
    for (const auto& c : cases) {
        // A lone option gets a still and a folder, so that only it is wrong.
        std::vector<const char*> arguments = c.first;
        if (arguments.size() == 2 && arguments[0] != std::string("--out")) {
            arguments.insert(arguments.end(), {"--at", "1", "--out", "o"});
        }
        CaptureOptions options;
        std::string error;
        EXPECT_EQ(parse(arguments, &options, &error), 0) << c.second;
        EXPECT_NE(error.find(c.second), std::string::npos) << c.second << ": gave " << error;
    }
}

TEST(CaptureOutputs, RefusesToReplaceWhatIsNoRegularFileAndCreatesNothing) {
    const ScratchFolder folder;
    const std::string& at = folder.path;
    ASSERT_EQ(shell("cd " + at + " && mkfifo pipe && mkdir folder && ln -s /dev/null link").exitCode, 0);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {at + "/pipe", "--wav: " + at + "/pipe is a named pipe, not a regular file"},
        {at + "/link", "is a symbolic link, not a regular file"},
        {at + "/folder", "is a folder, not a file name"},
        {at + "/missing/s.wav", "cannot write in " + at + "/missing: No such file or directory"},
    };
    for (const auto& c : cases) {
        CaptureOptions options;
        options.wavPath = c.first;
        std::string error;
        EXPECT_EQ(checkOutputPaths(options, &error), 0) << c.second;
        EXPECT_NE(error.find(c.second), std::string::npos) << c.second << ": gave " << error;
    }
    EXPECT_EQ(folderEntries(at).size(), 3u) << "created something";
}
