#include "demo/scroll/scroll_message.h"

namespace {

// The words run in four passages. The blank runs between them set the timing:
// the line stays empty for 180 characters before the first word, pauses
// briefly after the welcome, and empties for long stretches before the
// greeting and before the farewell.
struct Passage {
    const char* words;
    int blanksAfter;
};

constexpr int LEADING_BLANKS = 180;

constexpr Passage PASSAGES[] = {
    {// What is on the screen.
     "Hello, and welcome to QUORVEL, a small show that carries everything it needs inside "
     "itself. What you just watched were some three thousand tiny cubes, each one thrown to a "
     "random place and then called home, spinning and shrinking as it flew, until at last they "
     "all spelled out our name while the whole logo turned once around and rose a little. "
     "Every cube knows its own way: its start, its speed and its home travel with its corners, "
     "so one single draw moves the whole swarm, frame after frame. Then the screen went dark "
     "and came back like an old picture tube being switched on: a falling dot, a line that "
     "grows from the middle, and black bars that open up into a wide band. Inside that band a "
     "sponge fractal is turning, a cube with holes in its holes in their holes, twisting to "
     "the notes of one track and growing one more level of holes when another calls for it. "
     "And all of it reaches you through a filter that pretends to be a tired old screen: a "
     "curved glass that bends the picture, soft reflections, colours that drift apart at the "
     "edges, a little noise, scan lines, a dark rim and a flicker now and then. Nothing of "
     "this was painted or recorded beforehand. The pictures are worked out while you watch, "
     "and they look exactly the same on every run.",
     20},
    {// How the music and the fractal are made.
     "A word about the music. There is no recording in here at all: a tiny software "
     "synthesizer renders the whole song while it plays, from a few kilobytes of note and "
     "instrument bytes. Each instrument is a short list of units, oscillators, envelopes, "
     "filters, delays and mixers, and each track reads its patterns from an order list, row by "
     "row. The rendering runs on its own thread and stays far ahead of the sound card, which "
     "plays the buffer while it is being filled. And the fractal? It is a distance function: "
     "for every point in space it tells how far the nearest surface is. For every pixel a ray "
     "starts at the eye and marches along, each step as long as that distance, until it "
     "touches the sponge or gives up. Light and shadow come from more marches.",
     500},
    {// To the audience.
     "Warm greetings to everyone in the audience tonight, to all who make things for screens "
     "and speakers, and to you for watching.",
     375},
    {"Thanks! See you next time.", 33},
};

struct ScrollChars {
    char chars[SCROLL_TEXT_LENGTH + 1];  // the last one stays NUL
    int length;                           // as assembled; must equal SCROLL_TEXT_LENGTH
};

constexpr ScrollChars assemble() {
    ScrollChars text{};
    int length = 0;
    auto put = [&text, &length](char c) {
        if (length < SCROLL_TEXT_LENGTH) text.chars[length] = c;
        ++length;
    };
    for (int i = 0; i < LEADING_BLANKS; ++i) put(' ');
    for (const Passage& passage : PASSAGES) {
        for (const char* c = passage.words; *c; ++c) put(*c);
        for (int i = 0; i < passage.blanksAfter; ++i) put(' ');
    }
    text.length = length;
    return text;
}

constexpr ScrollChars SCROLL_TEXT = assemble();

// --- What the timing rests on, checked while compiling -----------------------

constexpr bool isBlank(int position) { return SCROLL_TEXT.chars[position] == ' '; }

// A run of exactly `length` blanks begins at `start`: non-blank (or the text's
// end) on either side.
constexpr bool blankRunAt(int start, int length) {
    if (start > 0 && isBlank(start - 1)) return false;
    for (int i = start; i < start + length; ++i) {
        if (!isBlank(i)) return false;
    }
    return start + length == SCROLL_TEXT_LENGTH || !isBlank(start + length);
}

// Runs of two or more blanks; all others are the single blanks between words.
constexpr int longBlankRunCount() {
    int runs = 0;
    for (int i = 0; i < SCROLL_TEXT_LENGTH; ++i) {
        bool startsRun = isBlank(i) && (i == 0 || !isBlank(i - 1));
        if (startsRun && i + 1 < SCROLL_TEXT_LENGTH && isBlank(i + 1)) ++runs;
    }
    return runs;
}

// Space to 'z': every code has a cell in the sheet's glyph grid.
constexpr bool onlyGridCharacters() {
    for (int i = 0; i < SCROLL_TEXT_LENGTH; ++i) {
        if (SCROLL_TEXT.chars[i] < 32 || SCROLL_TEXT.chars[i] > 122) return false;
    }
    return true;
}

static_assert(SCROLL_TEXT.length == SCROLL_TEXT_LENGTH, "the text is 3263 characters long");
static_assert(onlyGridCharacters(), "only codes 32 to 122");
static_assert(blankRunAt(0, 180), "180 blanks before the first word");
static_assert(blankRunAt(1433, 20), "a pause of 20 blanks at 1433");
static_assert(blankRunAt(2204, 500), "500 blanks at 2204");
static_assert(blankRunAt(2829, 375), "375 blanks at 2829");
static_assert(blankRunAt(3230, 33), "the last word ends at 3229, then 33 blanks");
static_assert(longBlankRunCount() == 5, "no other run of blanks than those five");

}  // namespace

const char* scrollTextString = SCROLL_TEXT.chars;
