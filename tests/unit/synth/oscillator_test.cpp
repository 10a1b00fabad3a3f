// OP_OSCILLATOR on both synthesizers: pitch, phase offset, waveforms, the
// shared noise sequence, and a silent voice.
#include "synth/oscillator_unit.h"
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

#include <cmath>

namespace {

class Oscillator : public BothSynths {
protected:
    // Track 0 plays `note` from row 0 with one oscillator, shown as its output.
    Song songWith(int note, std::initializer_list<uint8_t> oscillator) {
        builder.play(0, 0, builder.heldNote(note));
        builder.unit(0, OP_OSCILLATOR, oscillator).showTop(0).unit(0, OP_STACK, {STACK_POP});
        return builder.song();
    }
    // Frequency in Hz from the phase the oscillator advanced in one frame.
    static double frequency(TestSynth& s) {
        s.frame();
        const double before = s.floatWord(0, slotWord(0, 0));
        s.frame();
        return fractionalPart(s.floatWord(0, slotWord(0, 0)) - before + 1.0) * SAMPLE_RATE;
    }

    SongBuilder builder;
};

TEST_P(Oscillator, Note81At64And64SoundsAt440Hz) {
    TestSynth s = synth(songWith(81, {64, 64, 0, 64, 64, 128, OSC_SINE}));
    EXPECT_NEAR(frequency(s), 440.0, 0.01);
}

TEST_P(Oscillator, TransposeMovesWholeSemitonesAndDetuneUpToOne) {
    // Note 69 is 220 Hz; transpose byte 76 is an octave up; detune byte 0 a
    // semitone down.
    TestSynth octave = synth(songWith(69, {76, 64, 0, 64, 64, 128, OSC_SINE}));
    EXPECT_NEAR(frequency(octave), 440.0, 0.01);
    SongBuilder other;
    other.play(0, 0, other.heldNote(69));
    other.unit(0, OP_OSCILLATOR, {64, 0, 0, 64, 64, 128, OSC_SINE}).unit(0, OP_STACK, {STACK_POP});
    TestSynth down = synth(other.song());
    EXPECT_NEAR(frequency(down), 220.0 / std::pow(2.0, 1.0 / 12), 0.01);
}

TEST_P(Oscillator, AnLfoIgnoresTheNoteAndRunsAtAboutOnePointSevenHz) {
    TestSynth s = synth(songWith(99, {64, 64, 0, 64, 64, 128, OSC_LFO | OSC_SINE}));
    EXPECT_NEAR(frequency(s), 1.783, 0.001);
}

TEST_P(Oscillator, ModulationWordsAddSemitonesTransposeTimes128) {
    // A constant 0.5 stored into word 2 (detune, in semitones) and 12/128/64
    // into word 1 (transpose, x 128): the next frames run 12.5 + 12/64
    // semitones higher.
    builder.play(0, 0, builder.heldNote(69));
    builder.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_SINE})
        .unit(0, OP_STACK, {STACK_POP})
        .constant(0, 64)
        .unit(0, OP_STORE, {128, 2})  // slot 0, word 2
        .unit(0, OP_STACK, {STACK_POP})
        .constant(0, 12)
        .unit(0, OP_STORE, {65, 1})  // amount 65 scales by 2 x 65/128 - 1 = 1/64
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    const double semitones = 69 + 0.5 + 128.0 * (12.0 / 128 / 64);
    EXPECT_NEAR(frequency(s), 440.0 * std::pow(2.0, (semitones - 81) / 12), 0.01);
}

TEST_P(Oscillator, APhaseOffsetOf128IsOneWholeCycleLikeZero) {
    TestSynth zero = synth(songWith(60, {64, 64, 0, 64, 64, 128, OSC_SINE}));
    SongBuilder other;
    other.play(0, 0, other.heldNote(60));
    other.unit(0, OP_OSCILLATOR, {64, 64, 128, 64, 64, 128, OSC_SINE}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth whole = synth(other.song());
    for (int i = 0; i < 500; ++i) {
        zero.frame();
        whole.frame();
        ASSERT_EQ(zero.mainLeft(0), whole.mainLeft(0)) << "frame " << i;
    }
    EXPECT_NE(zero.mainLeft(0), 0.0f);
}

TEST_P(Oscillator, APhaseOffsetShiftsTheWaveWithoutTouchingThePhase) {
    // Offset 64 (half a cycle) turns the sine upside down.
    TestSynth plain = synth(songWith(60, {64, 64, 0, 64, 64, 128, OSC_SINE}));
    SongBuilder other;
    other.play(0, 0, other.heldNote(60));
    other.unit(0, OP_OSCILLATOR, {64, 64, 64, 64, 64, 128, OSC_SINE}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth half = synth(other.song());
    for (int i = 0; i < 300; ++i) {
        plain.frame();
        half.frame();
        ASSERT_NEAR(plain.mainLeft(0), -half.mainLeft(0), 1e-6f) << "frame " << i;
    }
    EXPECT_GT(std::fabs(plain.mainLeft(0)), 0.1f);
    EXPECT_EQ(plain.floatWord(0, slotWord(0, 0)), half.floatWord(0, slotWord(0, 0)));
}

// A very slow LFO (transpose byte 0: 64 semitones under 1.78 Hz) barely moves,
// so its phase offset alone places q.
class SlowWave : public BothSynths {
protected:
    float valueAt(uint8_t flags, uint8_t offset, uint8_t width) {
        SongBuilder builder;
        builder.play(0, 0, builder.heldNote(60));
        builder.unit(0, OP_OSCILLATOR, {0, 64, offset, width, 64, 128, static_cast<uint8_t>(OSC_LFO | flags)})
            .showTop(0)
            .unit(0, OP_STACK, {STACK_POP});
        TestSynth s = synth(builder.song());
        s.frame();
        return s.mainLeft(0);
    }
};

TEST_P(SlowWave, TriangleOfWidthHalfRisesToOneAtHalfAndFallsBack) {
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 0, 64), -1.0f, 1e-4f);
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 32, 64), 0.0f, 1e-4f);
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 63, 64), 1.0f - 2.0f / 64, 1e-4f);
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 96, 64), 0.0f, 1e-4f);
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 127, 64), -1.0f + 2.0f / 64, 1e-4f);
}

TEST_P(SlowWave, ANarrowTriangleRisesFastAndFallsSlowly) {
    // Width 32 (0.25): +1 at q = 0.25, back to 0 at q = 0.625.
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 16, 32), 0.0f, 1e-4f);
    EXPECT_NEAR(valueAt(OSC_TRIANGLE, 80, 32), 0.0f, 1e-4f);
}

TEST_P(SlowWave, PulseOfWidthHalfIsHighUpToHalfAndLowAbove) {
    EXPECT_EQ(valueAt(OSC_PULSE, 0, 64), 1.0f);
    EXPECT_EQ(valueAt(OSC_PULSE, 63, 64), 1.0f);
    EXPECT_EQ(valueAt(OSC_PULSE, 65, 64), -1.0f);
    EXPECT_EQ(valueAt(OSC_PULSE, 127, 64), -1.0f);
    EXPECT_EQ(valueAt(OSC_PULSE, 65, 96), 1.0f);
}

TEST(WaveShapes, MeetTheirEndsExactly) {
    EXPECT_EQ(triangleWave(0.0, 0.5), -1.0);
    EXPECT_EQ(triangleWave(0.5, 0.5), 1.0);
    EXPECT_EQ(triangleWave(0.75, 0.5), 0.0);
    EXPECT_EQ(pulseWave(0.5, 0.5), 1.0);
    EXPECT_EQ(pulseWave(std::nextafter(0.5, 1.0), 0.5), -1.0);
    // Width 0 (reachable through the width modulation): a falling saw from +1.
    EXPECT_EQ(triangleWave(0.0, 0.0), 1.0);
    EXPECT_EQ(triangleWave(0.5, 0.0), 0.0);
}

TEST_P(Oscillator, ShapeAndGainApplyToTheWave) {
    // A pulse is +-1; drive 96 keeps +-1 and gain 32 scales it to a quarter.
    TestSynth s = synth(songWith(60, {64, 64, 0, 64, 96, 32, OSC_PULSE}));
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.25f);
}

TEST_P(Oscillator, NoiseOscillatorsShareOneSequenceInRenderingOrder) {
    // Tracks 0 and 1 each draw one value a frame: 0 gets the first and third,
    // 1 the second and fourth.
    const int held = builder.heldNote(60);
    for (int track = 0; track < 2; ++track) {
        builder.play(track, 0, held);
        builder.unit(track, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_NOISE}).showTop(track);
        builder.unit(track, OP_STACK, {STACK_POP});
    }
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_NEAR(s.mainLeft(0), -0.0000074538f, 5e-8f);
    EXPECT_NEAR(s.mainLeft(1), -0.1193136f, 5e-8f);
    s.frame();
    EXPECT_NEAR(s.mainLeft(0), 0.1468767f, 5e-8f);
    EXPECT_NEAR(s.mainLeft(1), -0.9444732f, 5e-8f);
    EXPECT_EQ(s.state().noiseSeed, 2028240737);
    // The phase still advances.
    EXPECT_GT(s.floatWord(0, slotWord(0, 0)), 0.0f);
}

TEST_P(Oscillator, OnASilentVoiceItPushesZeroAndTheNoiseAndPhaseStandStill) {
    builder.unit(0, OP_OSCILLATOR, {64, 64, 32, 64, 64, 128, OSC_SINE}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    builder.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_NOISE}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(10);
    EXPECT_EQ(s.mainLeft(0), 0.0f);
    EXPECT_EQ(s.floatWord(0, slotWord(0, 0)), 0.0f);
    EXPECT_EQ(s.state().noiseSeed, 1);
}

RUN_ON_BOTH_SYNTHS(Oscillator);
RUN_ON_BOTH_SYNTHS(SlowWave);

}  // namespace
