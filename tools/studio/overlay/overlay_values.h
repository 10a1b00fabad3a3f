// What the overlay shows, worked out without GL: the song's position, where
// moments lie on the timeline bar, which moment the show is in, how bright a
// changed note still is, and the name of a still.
#pragma once

#include <cstdint>
#include <string>

struct NamedMoment;

struct SongPosition {
    int order;  // the pattern's place in the order list
    int row;    // 0..ROWS_PER_PATTERN - 1
};

// The position of the sample frame within the song (past its end: the last row).
SongPosition songPositionAt(uint32_t songFrame);

// The show's length in seconds: the music's start and the whole song.
double showSeconds();

// Where the moment lies along the timeline bar, 0 at its left end and 1 at
// its right, clamped.
double timelineFraction(double seconds);

// The latest of the show's named moments at or before seconds; null before
// the first.
const NamedMoment* currentMoment(double seconds);

// How bright a track's note name is drawn: 1 as its note changes, falling to
// 0 over NOTE_FLASH_SECONDS of the show's clock (0 before the change, after a
// seek back).
inline constexpr double NOTE_FLASH_SECONDS = 0.25;
double noteFlash(double seconds, double changedAt);

// The still's file name at that moment of the show: "quorvel-013.500.png".
// Milliseconds tell frames at 60 per second apart, and the fixed width sorts
// the names in the show's order.
std::string stillName(double seconds);
