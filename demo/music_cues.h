// The music cues: which notes of which track the picture follows, and what
// each cues. A cue is heard in the one frame in which its track's note changed
// to one of its notes.
#pragma once

#include "synth/frame_notes.h"

#include <cstdint>

enum { MUSIC_CUE_MAX_NOTES = 5 };

struct MusicCue {
    int track;
    int noteCount;
    int32_t notes[MUSIC_CUE_MAX_NOTES];
};

enum { BASS_TRACK = 1, LEAD_TRACK = 11 };

// The sponge's twists swing out to new random targets.
inline constexpr MusicCue SPONGE_TWIST_CUE = {BASS_TRACK, 5, {43, 46, 48, 53, 55}};
// The sponge cuts one more level of holes.
inline constexpr MusicCue SPONGE_LEVEL_CUE = {LEAD_TRACK, 2, {60, 62}};
// The old-screen pass's distortion kicks up, then decays.
inline constexpr MusicCue DISTORTION_CUE = {LEAD_TRACK, 3, {58, 60, 62}};

inline constexpr MusicCue MUSIC_CUES[] = {SPONGE_TWIST_CUE, SPONGE_LEVEL_CUE, DISTORTION_CUE};

// Whether this frame brings the cue.
inline bool cueHeard(const MusicCue& cue, const FrameNotes& notes) {
    if (!notes.changed[cue.track]) return false;
    for (int i = 0; i < cue.noteCount; ++i) {
        if (notes.note[cue.track] == cue.notes[i]) return true;
    }
    return false;
}
