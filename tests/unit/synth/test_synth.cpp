#include "tests/unit/synth/test_synth.h"

std::string synthKindName(const ::testing::TestParamInfo<SynthKind>& info) {
    return info.param == SynthKind::Engine ? "Engine" : "Reference";
}

TestSynth::TestSynth(SynthKind kind, const Song& song) : kind_(kind) {
    SongFault fault{};
    EXPECT_TRUE(validateSong(song, &fault)) << fault.message;
    if (kind == SynthKind::Engine) {
        engine_.reset(static_cast<SynthEngine*>(std::calloc(1, sizeof(SynthEngine))));
        startEngine(*engine_, song, &fault);
    } else {
        referenceState_.reset(static_cast<SynthState*>(std::calloc(1, sizeof(SynthState))));
        startReference(reference_, song, *referenceState_);
    }
}

StereoFrame TestSynth::frame() {
    return kind_ == SynthKind::Engine ? renderFrame(*engine_) : referenceFrame(reference_, trace_);
}

StereoFrame TestSynth::frames(int n) {
    StereoFrame last{};
    for (int i = 0; i < n; ++i) last = frame();
    return last;
}

int32_t TestSynth::trackNote(int track) const {
    return kind_ == SynthKind::Engine ? engine_->trackNotes[track] : trace_[2 * track];
}

const SynthState& TestSynth::state() const { return kind_ == SynthKind::Engine ? engine_->state : *referenceState_; }
