// One of the two synthesizers, the engine or the reference interpreter, over a
// song of the test, frame by frame. Unit and sequencer tests run on both: the
// reference shows the text is read right, the engine that it is built right.
#pragma once

#include "synth/song.h"
#include "synth/synth_engine.h"
#include "tests/unit/synth/reference_synth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

enum class SynthKind { Engine, Reference };

std::string synthKindName(const ::testing::TestParamInfo<SynthKind>& info);

class TestSynth {
public:
    // The song must be valid; a rejected one fails the test.
    TestSynth(SynthKind kind, const Song& song);

    StereoFrame frame();
    // Renders n frames and returns the last one.
    StereoFrame frames(int n);

    float floatWord(int voice, int word) const { return wordFloat(state().voiceArea[VOICE_WORDS * voice + word]); }
    int32_t intWord(int voice, int word) const { return wordInt(state().voiceArea[VOICE_WORDS * voice + word]); }
    float mainLeft(int voice) const { return floatWord(voice, WORD_MAIN_LEFT); }
    float mainRight(int voice) const { return floatWord(voice, WORD_MAIN_RIGHT); }
    // The track's note word as the last frame's bookkeeping left it.
    int32_t trackNote(int track) const;
    const SynthState& state() const;

private:
    struct FreeDeleter {
        void operator()(void* block) const { std::free(block); }
    };
    SynthKind kind_;
    // calloc: the 122 MB of delay pool are only touched where a test uses them.
    std::unique_ptr<SynthEngine, FreeDeleter> engine_;
    std::unique_ptr<SynthState, FreeDeleter> referenceState_;
    ReferenceSynth reference_{};
    int32_t trace_[NOTE_TRACE_ENTRIES] = {};
};

// A test run on both synthesizers.
class BothSynths : public ::testing::TestWithParam<SynthKind> {
protected:
    TestSynth synth(const Song& song) const { return TestSynth(GetParam(), song); }
};

#define RUN_ON_BOTH_SYNTHS(suite)                                                                      \
    INSTANTIATE_TEST_SUITE_P(, suite, ::testing::Values(SynthKind::Engine, SynthKind::Reference), \
                             synthKindName)
