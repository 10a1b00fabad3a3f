// Shared set-up for the music tests: fresh fake platform, music not started,
// notes cleared, an empty note trace.
#pragma once

#include "synth/music.h"
#include "synth/song_render.h"
#include "tests/fake_platform/fake_platform.h"

#include <gtest/gtest.h>

#include <array>

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakePlatform();
        musicStarted = false;
        clearMusicNotes();
        for (auto& row : noteTrace)
            for (auto& entry : row) entry.store(0, std::memory_order_relaxed);
    }

    // Writes the rows [first, last] as the renderer would: track t's note in
    // entry 2t, the other entries left as they are.
    static void writeNotes(int first, int last, const std::array<int32_t, TRACK_COUNT>& notes) {
        for (int block = first; block <= last; ++block)
            for (int t = 0; t < TRACK_COUNT; ++t) noteTrace[block][2 * t].store(notes[t], std::memory_order_relaxed);
    }

    // What the end of a frame does: every change acknowledged.
    static void acknowledgeAll() {
        for (uint8_t& seen : noteSeen) seen = 1;
    }

    static void pollAt(uint32_t position) {
        fake.wavePosition = position;
        pollMusicNotes();
    }

    // Tracks whose flag says "changed, not yet acknowledged".
    static std::vector<int> changedTracks() {
        std::vector<int> tracks;
        for (int t = 0; t < NOTE_TRACKS; ++t)
            if (noteSeen[t] == 0) tracks.push_back(t);
        return tracks;
    }
};
