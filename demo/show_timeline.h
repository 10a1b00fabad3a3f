// The show's timeline: its moments in seconds of the demo clock (demoTime),
// read by every room and by the shell. Everything of the transition follows
// LOGO_END, so moving the transition is a change of that one line.
#pragma once

// The cube logo is drawn up to and including this moment, the sponge after it.
inline constexpr double LOGO_END = 10.0;

// The transition, like a picture tube switching on, in windows that meet
// (where two meet, both draw): black with a dot falling to the centre, a line
// growing from it, bars opening from the line into the letterbox. The fixed
// letterbox stays from LETTERBOX_START (exclusive) to the end of the run.
inline constexpr double DOT_START = LOGO_END;
inline constexpr double DOT_SECONDS = 1.0;
inline constexpr double LINE_START = DOT_START + DOT_SECONDS;
inline constexpr double LINE_SECONDS = 1.0;
inline constexpr double BARS_START = LINE_START + LINE_SECONDS;
inline constexpr double BARS_SECONDS = 2.0;
inline constexpr double LETTERBOX_START = BARS_START + BARS_SECONDS;

// The banner shows from just after this moment on.
inline constexpr double BANNER_START = LOGO_END;

// The old-screen pass flashes at the switch: it brightens over the rise up to
// the peak, then jumps up and fades out over the fall.
inline constexpr double FLASH_PEAK = LOGO_END;
inline constexpr double FLASH_RISE_SECONDS = 0.1;
inline constexpr double FLASH_FALL_SECONDS = 0.3;

// The music starts in the first frame past this moment.
inline constexpr double MUSIC_START = 12.0;

// How long the closing fade takes to squeeze the picture to a dot after the
// quit request.
inline constexpr double CLOSING_FADE_SECONDS = 1.0;

// The moments by name, in the show's order, for the tools that show them.
struct NamedMoment {
    const char* name;
    double seconds;
};

inline constexpr NamedMoment SHOW_MOMENTS[] = {
    {"logo", 0.0},          {"dot", DOT_START},     {"line", LINE_START},
    {"bars", BARS_START},   {"music", MUSIC_START}, {"letterbox", LETTERBOX_START},
};
