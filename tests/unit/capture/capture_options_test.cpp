// quorvel-capture's command line and output places: what it accepts, and the
// reason it gives for each thing it refuses before anything is written.
#include "tools/capture/capture_options.h"
#include "tools/capture/capture_outputs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

int parse(std::vector<const char*> arguments, CaptureOptions* options, std::string* error) {
    arguments.insert(arguments.begin(), "quorvel-capture");
    return parseCaptureOptions(static_cast<int>(arguments.size()), arguments.data(), options, error);
}

}  // namespace

TEST(CaptureOptions, ReadsEveryOptionItTakes) {
    CaptureOptions o;
    std::string error;
    ASSERT_EQ(parse({"--size", "160x100", "--fps", "25", "--at", "1,2.5", "--from", "4.", "--quit-at", ".5", "--out",
                     "o", "--wav", "s.wav", "--video", "v.mp4"}, &o, &error), 1) << error;
    EXPECT_EQ(o.width * 1000 + o.height, 160100);
    EXPECT_EQ(o.framesPerSecond, 25);
    EXPECT_EQ(o.stills, (std::vector<double>{1.0, 2.5}));
    EXPECT_TRUE(o.hasRange && !o.hasTo && o.hasQuit) << "without --to the range runs to the end of the fade";
    EXPECT_EQ(o.from + o.quitAt, 4.5);
    EXPECT_EQ(o.outDir + o.wavPath + o.videoPath, "os.wavv.mp4");
}

TEST(CaptureOptions, RefusesEachBadArgumentWithItsOwnReason) {
    const struct {
        std::vector<const char*> arguments;
        const char* reason;
    } cases[] = {
        {{"--frames", "3"}, "unknown option '--frames'"},
        {{"--size", "0x100"}, "has no pixels"},
        {{"--size", "160"}, "is not WIDTHxHEIGHT"},
        {{"--size", "-160x100"}, "is not WIDTHxHEIGHT"},
        {{"--size", "+160x100"}, "is not WIDTHxHEIGHT"},
        {{"--size", "0x10x10"}, "is not WIDTHxHEIGHT"},
        {{"--fps", "0"}, "'0' is not a whole number of frames per second"},
        {{"--fps", "29.97"}, "'29.97' is not a whole number"},
        {{"--fps", " 60"}, "' 60' is not a whole number"},
        {{"--fps", "1001"}, "from 1 to 1000"},
        {{"--at", "5,3"}, "out of order: 3 s comes after 5 s"},
        {{"--at", "5,5"}, "out of order"},
        {{"--at", "3,,5"}, "'' is not a time"},
        {{"--at", "-1"}, "before the demo's first frame"},
        {{"--at", "9000"}, "past the longest capture"},
        // Times are plain decimals, as the help says: nothing strtod takes besides.
        {{"--at", "0x10"}, "'0x10' is not a time"},
        {{"--at", "1e1"}, "'1e1' is not a time"},
        {{"--at", "inf"}, "'inf' is not a time"},
        {{"--at", "nan"}, "'nan' is not a time"},
        {{"--at", "+1"}, "'+1' is not a time"},
        {{"--at", " 1"}, "' 1' is not a time"},
        {{"--at", "1.2.3"}, "'1.2.3' is not a time"},
        {{"--at", "."}, "'.' is not a time"},
        {{"--from", "0X1p3", "--to", "9"}, "'0X1p3' is not a time"},
        {{"--quit-at", "-inf", "--from", "0"}, "'-inf' is not a time"},
        {{"--from", "5", "--to", "3"}, "--to comes before --from"},
        {{"--from", "1"}, "--from needs --to, or --quit-at"},
        {{"--out", "o"}, "nothing to capture"},
        {{"--at", "1", "--wav", "s.wav"}, "--at needs --out"},
        {{"--at", "1", "--out", "o", "--video", "v.mp4"}, "--video needs a range"},
        {{"--from", "1", "--to", "2"}, "nowhere to put the capture"},
        {{"--at", "1", "--out"}, "--out needs a value"},
        {{"--at", "1", "--out", ""}, "--out needs a file name"},
    };
    for (const auto& c : cases) {
        // A lone option gets a still and a folder, so that only it is wrong.
        std::vector<const char*> arguments = c.arguments;
        if (arguments.size() == 2 && arguments[0] != std::string("--out")) {
            arguments.insert(arguments.end(), {"--at", "1", "--out", "o"});
        }
        CaptureOptions options;
        std::string error;
        EXPECT_EQ(parse(arguments, &options, &error), 0) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.reason << ": gave " << error;
    }
}

TEST(CaptureOutputs, RefusesToReplaceWhatIsNoRegularFileAndCreatesNothing) {
    char folder[] = "/tmp/quorvel-outputs-test-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string at(folder);
    ASSERT_EQ(mkfifo((at + "/pipe").c_str(), 0600), 0);
    ASSERT_EQ(mkdir((at + "/folder").c_str(), 0700), 0);
    ASSERT_EQ(symlink("/dev/null", (at + "/link").c_str()), 0);
    const struct {
        std::string wav, video, reason;
    } cases[] = {
        {"/dev/full", "", "--wav: /dev/full is a character device, not a regular file"},
        {at + "/pipe", "", "is a named pipe, not a regular file"},
        {"", at + "/link", "--video: " + at + "/link is a symbolic link, not a regular file"},
        {at + "/folder", "", "is a folder, not a file name"},
        {at + "/missing/s.wav", "", "the folder " + at + "/missing does not exist"},
    };
    for (const auto& c : cases) {
        CaptureOptions options;
        options.wavPath = c.wav;
        options.videoPath = c.video;
        std::string error;
        EXPECT_EQ(checkOutputPaths(options, &error), 0) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.reason << ": gave " << error;
    }
    struct stat info;
    EXPECT_TRUE(lstat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode));
    EXPECT_EQ(std::system(("test $(ls -A " + at + " | wc -l) = 3 && rm -r " + at).c_str()), 0) << "something was made";
}
