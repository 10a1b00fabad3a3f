// The live song against the interpreter's own render of the source as saved,
// over the song's first bars (the hit of its first row is the note edited).
#include "tools/studio/live_song/live_song.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int32_t COMPARED = 32 * SAMPLES_PER_ROW;  // two bars, 4.5 s

struct Heard {
    std::vector<float> samples;
    std::vector<int32_t> notes;  // the note trace's rows, whole blocks
    bool operator==(const Heard& other) const { return samples == other.samples && notes == other.notes; }
};

Heard heardFrom(const std::atomic<float>* samples, const std::atomic<int32_t> (*trace)[NOTE_TRACE_ENTRIES]) {
    Heard heard;
    for (int32_t i = 0; i < 2 * COMPARED; ++i) heard.samples.push_back(samples[i].load());
    for (int32_t row = 0; row < COMPARED / NOTE_TRACE_BLOCK; ++row)
        for (int32_t entry = 0; entry < NOTE_TRACE_ENTRIES; ++entry) heard.notes.push_back(trace[row][entry].load());
    return heard;
}

// The interpreter's render of text, as the demo renders its song.
Heard interpreted(const std::string& text) {
    CompiledSong song;
    std::string errors;
    EXPECT_TRUE(compileSongSource(text, "song", &song, &errors)) << errors;
    EXPECT_EQ(startSongRender(interpretedSong(song), musicBuffer, nullptr), 1);
    continueSongRender(COMPARED);
    return heardFrom(musicBuffer, noteTrace);
}

// The song with its first row's hit replaced by pattern.
const std::string FIRST_ROW = "\n00      --        --        --          --       tieAs3   padD4    on    --      --     tieG4    --    hitC3";
std::string withFirstHit(std::string song, const std::string& pattern) {
    return song.replace(song.find(FIRST_ROW) + FIRST_ROW.size() - 5, 5, pattern);
}

struct Case {
    const char* what;
    std::vector<const char*> saves;  // the first row's hit in each save, polled in turn
    LiveSongNews lastNews;
    const char* heard;  // the hit of the save heard at the end, or null: none taken
};

TEST(LiveSong, PlaysTheLastSaveThatCompilesAsTheInterpreterRendersIt) {
    std::string song;
    ASSERT_TRUE(readWholeFile(std::string(getenv("QUORVEL_SOURCE_DIR")) + "/synth/song/quorvel_song.txt", &song));
    ASSERT_NE(song.find(FIRST_ROW), std::string::npos);
    const int firstRowLine = 2 + static_cast<int>(std::count(song.begin(), song.begin() + song.find(FIRST_ROW), '\n'));
    const Case cases[] = {
        {"an edit", {"hitD3"}, LIVE_SONG_RENDERING, "hitD3"},
        {"an edit during the render of another: the later wins", {"hitD3", "hitAs2"}, LIVE_SONG_RENDERING, "hitAs2"},
        {"a broken edit", {"hitX9"}, LIVE_SONG_REFUSED, nullptr},
        {"a broken edit after a good one", {"hitD3", "hitX9"}, LIVE_SONG_REFUSED, "hitD3"},
    };
    char folder[] = "/tmp/quorvel-live-song-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/quorvel_song.txt";
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary) << song;
        LiveSong live;
        ASSERT_EQ(startLiveSong(&live, path), 1);
        std::string message;
        LiveSongNews news = LIVE_SONG_UNCHANGED;
        for (const char* hit : c.saves) {
            std::ofstream(path, std::ios::binary) << withFirstHit(song, hit);
            news = pollLiveSong(&live, &message);
        }
        EXPECT_EQ(news, c.lastNews) << c.what;
        if (news == LIVE_SONG_REFUSED) {
            EXPECT_EQ(message.rfind(path + ":" + std::to_string(firstRowLine) + ":", 0), 0u)
                << c.what << ": " << message;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (c.heard && liveSongProgress(&live) <= COMPARED && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        // A moment the render cannot have passed (its last frame is the
        // song's last): the old song plays on.
        EXPECT_EQ(switchLiveSongIfPast(&live, SONG_FRAMES), nullptr) << c.what;
        LiveSongRender* render = switchLiveSongIfPast(&live, COMPARED);
        EXPECT_EQ(render != nullptr, c.heard != nullptr) << c.what << ": taken (or not) after waiting 60 s for the render";
        if (render && c.heard) {
            EXPECT_TRUE(heardFrom(render->samples.get(), render->noteTrace.get()) ==
                        interpreted(withFirstHit(song, c.heard)))
                << c.what;
        }
        stopLiveSong(&live);
    }
    std::remove(path.c_str());
    rmdir(folder);
}

}  // namespace
