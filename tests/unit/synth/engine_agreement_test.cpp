// Songs that push values where no sane song goes: the engine must still agree
// with the reference interpreter bit for bit, frame by frame, and the output
// stays a number within [-1, 1].
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

#include <cmath>
#include <cstring>

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void expectAgreementOver(const Song& song, int frames) {
    TestSynth engine(SynthKind::Engine, song);
    TestSynth reference(SynthKind::Reference, song);
    for (int frame = 0; frame < frames; ++frame) {
        const StereoFrame a = engine.frame();
        const StereoFrame b = reference.frame();
        ASSERT_EQ(bitsOf(a.left), bitsOf(b.left)) << "frame " << frame;
        ASSERT_EQ(bitsOf(a.right), bitsOf(b.right)) << "frame " << frame;
        ASSERT_TRUE(a.left >= -1.0f && a.left <= 1.0f) << "frame " << frame;
        for (int track = 0; track < TRACK_COUNT; ++track) {
            ASSERT_EQ(engine.trackNote(track), reference.trackNote(track)) << "frame " << frame;
        }
    }
    EXPECT_EQ(std::memcmp(engine.state().voiceArea, reference.state().voiceArea, sizeof engine.state().voiceArea), 0);
}

TEST(EngineAgreement, WhenAStoreFillsANoteWordWithFloatBits) {
    // Track 0 writes +-0.5 (a huge positive or negative integer as note) into
    // track 1's note word: pitches far out of range, an infinite increment
    // and a NaN phase, which the master passes on to the clamp.
    SongBuilder b;
    b.play(0, 0, b.heldNote(60)).play(1, 0, b.heldNote(60));
    b.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 64, OSC_LFO | OSC_PULSE})
        .unit(0, OP_OSCILLATOR, {127, 64, 0, 64, 64, 128, OSC_LFO | OSC_SINE})
        .unit(0, OP_STACK, {STACK_ADD_POP})
        .storeRemote(0, 128, voiceByte(1, WORD_NOTE))
        .unit(0, OP_STACK, {STACK_POP});
    b.unit(1, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_SINE}).showTop(1).unit(1, OP_STACK, {STACK_POP});
    b.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_OUTPUT, {128, 0});
    expectAgreementOver(b.song(), 30000);
}

TEST(EngineAgreement, WhenAStoreOverwritesAnEnvelopesStageWord) {
    SongBuilder b;
    b.play(0, 0, b.pattern({60, 1, 1, 1, 0, 1, 1, 61, 1, 0}));
    b.unit(0, OP_ENVELOPE, {4, 16, 64, 8, 128})
        .unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_SINE})
        .unit(0, OP_STACK, {STACK_MUL_POP})
        .unit(0, OP_STORE, {100, 0})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    b.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_OUTPUT, {128, 0});
    expectAgreementOver(b.song(), 12 * SAMPLES_PER_ROW);
}

TEST(EngineAgreement, WhenATrianglesModulatedWidthCrossesZeroAndOne) {
    SongBuilder b;
    b.play(0, 0, b.heldNote(70));
    b.unit(0, OP_OSCILLATOR, {90, 64, 0, 64, 64, 128, OSC_LFO | OSC_SINE})
        .unit(0, OP_STORE, {127, 5 + 8})  // slot 1, word 5: +-0.98 around 0.5
        .unit(0, OP_STACK, {STACK_POP})
        .unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_TRIANGLE})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    b.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_OUTPUT, {128, 0});
    expectAgreementOver(b.song(), 40000);
}

TEST(EngineAgreement, WhenAFilterRunsAwayToInfinityAndNaN) {
    SongBuilder b;
    b.play(0, 0, b.heldNote(60));
    b.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_NOISE})
        .unit(0, OP_FILTER, {255, 0, FILTER_LOW | FILTER_HIGH})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    b.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_OUTPUT, {128, 0});
    const Song song = b.song();
    expectAgreementOver(song, 3000);
    TestSynth s(SynthKind::Engine, song);
    s.frames(3000);
    EXPECT_TRUE(std::isnan(s.mainLeft(0)));  // the filter did run away
    EXPECT_EQ(s.frame().left, 0.0f);         // and the clamp silenced it
}

}  // namespace
