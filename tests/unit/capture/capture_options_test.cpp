// quorvel-capture's command line: what it accepts, and the reason it gives
// for each thing it refuses.
#include "tools/capture/capture_options.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Parsed {
    int ok;
    CaptureOptions options;
    std::string error;
};

Parsed parse(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv = {"quorvel-capture"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Parsed parsed;
    parsed.ok = parseCaptureOptions(static_cast<int>(argv.size()), argv.data(), &parsed.options, &parsed.error);
    return parsed;
}

}  // namespace

TEST(CaptureOptions, DefaultsAreTheDemoWindowAtSixtyFrames) {
    const Parsed parsed = parse({"--at", "3,11,20", "--out", "stills"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_EQ(parsed.options.width, 1109);
    EXPECT_EQ(parsed.options.height, 693);
    EXPECT_EQ(parsed.options.framesPerSecond, 60);
    EXPECT_EQ(parsed.options.stills, (std::vector<double>{3.0, 11.0, 20.0}));
    EXPECT_FALSE(parsed.options.hasRange);
    EXPECT_EQ(parsed.options.outDir, "stills");
}

TEST(CaptureOptions, ReadsEveryOptionItTakes) {
    const Parsed parsed = parse({"--size", "160x100", "--fps", "25", "--from", "4.5", "--quit-at", "5",
                                 "--out", "o", "--wav", "s.wav", "--video", "v.mp4"});
    ASSERT_EQ(parsed.ok, 1) << parsed.error;
    EXPECT_EQ(parsed.options.width, 160);
    EXPECT_EQ(parsed.options.height, 100);
    EXPECT_EQ(parsed.options.framesPerSecond, 25);
    EXPECT_TRUE(parsed.options.hasRange);
    EXPECT_EQ(parsed.options.from, 4.5);
    EXPECT_FALSE(parsed.options.hasTo) << "without --to the range runs to the end of the fade";
    EXPECT_TRUE(parsed.options.hasQuit);
    EXPECT_EQ(parsed.options.quitAt, 5.0);
    EXPECT_EQ(parsed.options.wavPath, "s.wav");
    EXPECT_EQ(parsed.options.videoPath, "v.mp4");

    const Parsed toOnly = parse({"--to", "2", "--wav", "s.wav"});
    ASSERT_EQ(toOnly.ok, 1) << toOnly.error;
    EXPECT_EQ(toOnly.options.from, 0.0) << "a range given only its end starts at the first frame";
    EXPECT_EQ(parse({"--help"}).options.showHelp, true);
}

TEST(CaptureOptions, RefusesEachBadArgumentWithItsOwnReason) {
    struct Case {
        std::initializer_list<const char*> arguments;
        const char* reason;
    };
    const Case cases[] = {
        {{"--frames", "3"}, "unknown option '--frames'"},
        {{"--size", "0x100", "--at", "1", "--out", "o"}, "has no pixels"},
        {{"--size", "160x0", "--at", "1", "--out", "o"}, "has no pixels"},
        {{"--size", "160", "--at", "1", "--out", "o"}, "is not WIDTHxHEIGHT"},
        {{"--size", "-160x100", "--at", "1", "--out", "o"}, "is not WIDTHxHEIGHT"},
        {{"--fps", "-5", "--at", "1", "--out", "o"}, "'-5' is not a whole number of frames per second"},
        {{"--fps", "0", "--at", "1", "--out", "o"}, "'0' is not a whole number"},
        {{"--fps", "29.97", "--at", "1", "--out", "o"}, "'29.97' is not a whole number"},
        {{"--fps", "1001", "--at", "1", "--out", "o"}, "from 1 to 1000"},
        {{"--at", "5,3", "--out", "o"}, "out of order: 3 s comes after 5 s"},
        {{"--at", "5,5", "--out", "o"}, "out of order"},
        {{"--at", "3,,5", "--out", "o"}, "'' is not a time"},
        {{"--at", "-1", "--out", "o"}, "before the demo's first frame"},
        {{"--at", "1e9", "--out", "o"}, "past the longest capture"},
        {{"--at", "nan", "--out", "o"}, "is not a time"},
        {{"--from", "5", "--to", "3", "--out", "o"}, "--to comes before --from"},
        {{"--from", "two", "--to", "3", "--out", "o"}, "'two' is not a time"},
        {{"--from", "1", "--out", "o"}, "--from needs --to, or --quit-at"},
        {{"--out", "o"}, "nothing to capture"},
        {{"--at", "1"}, "--at needs --out"},
        {{"--at", "1", "--out", "o", "--video", "v.mp4"}, "--video needs a range"},
        {{"--from", "1", "--to", "2"}, "nowhere to put the capture"},
        {{"--at", "1", "--out"}, "--out needs a value"},
        {{"--at", "1", "--out", ""}, "--out needs a file name"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = parse(c.arguments);
        std::string shown;
        for (const char* argument : c.arguments) shown += std::string(argument) + " ";
        EXPECT_EQ(parsed.ok, 0) << shown;
        EXPECT_NE(parsed.error.find(c.reason), std::string::npos) << shown << "gave: " << parsed.error;
    }
}
