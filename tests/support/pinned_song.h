// The song's render, pinned: the SHA-256 of its samples, as sha256sum prints
// it. Pinned from the engine at commit 53db600, whose render of this song
// agreed bit for bit, in every sample and noteTrace entry, with a plain
// reference interpreter written separately from the unit formulas. It is also
// the digest of the data of quorvel-render-song's WAV file
// (tail -c +59 song.wav | sha256sum), natively and built for WebAssembly.
// A change of the song, or of the tables the song compiler writes for it,
// changes it: pin the new value only when the unit tests pass and the change
// is meant.
#pragma once

inline constexpr const char* PINNED_SONG_SAMPLES_SHA256 =
    "1c386716e75c84734e4bc9998cb30120fab87fe87b4fe6dfa478b997b3a7d90b";
