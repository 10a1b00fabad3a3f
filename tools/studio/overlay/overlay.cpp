#include "tools/studio/overlay/overlay.h"

#include "demo/logo/logo.h"
#include "demo/scroll/scroll_layout.h"
#include "demo/show_timeline.h"
#include "gfx/gl_entry_points.h"
#include "tools/song_compiler/note_names.h"
#include "tools/studio/overlay/frame_times.h"
#include "tools/studio/overlay/overlay_values.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cstdint>
#include <limits>

namespace {

// The sheet's 9-texel glyphs at twice their size: crisp, and 60 characters
// across the studio's 1109-pixel window.
const float GLYPH_PIXELS = 18.0f;
const float LINE_PIXELS = 22.0f;
const float MARGIN = 12.0f;
const float BAR_PIXELS = 10.0f;
const int FIXED_LINES = 6;  // the clock, the bar, the moment, the notes, the frame times, the sound
const int ERROR_LINES = 2;

struct Colour {
    float r, g, b, a;
};

const Colour PANEL = {0.0f, 0.0f, 0.0f, 0.6f};
const Colour TEXT = {0.8f, 0.8f, 0.8f, 1.0f};
const Colour FLASH = {1.0f, 1.0f, 0.3f, 1.0f};
const Colour ERROR_TEXT = {1.0f, 0.4f, 0.4f, 1.0f};
const Colour BAR = {0.3f, 0.3f, 0.3f, 1.0f};
const Colour MOMENT_TICK = {0.8f, 0.8f, 0.8f, 1.0f};
const Colour NOW = {1.0f, 1.0f, 0.3f, 1.0f};
const Colour LOOP = {0.2f, 0.8f, 1.0f, 1.0f};

void setColour(const Colour& c) { glColor4f(c.r, c.g, c.b, c.a); }

Colour mix(const Colour& from, const Colour& to, float amount) {
    return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount, from.b + (to.b - from.b) * amount,
            from.a + (to.a - from.a) * amount};
}

void fillRect(float x0, float y0, float x1, float y1, const Colour& colour) {
    glDisable(GL_TEXTURE_2D);
    setColour(colour);
    glRectf(x0, y0, x1, y1);
}

// The text up to its NUL or `length` characters from (x, baseline y)
// rightwards, as many as fit before maxX; the sheet holds the printable ASCII
// characters.
void drawText(float x, float y, const char* text, const Colour& colour, float maxX, size_t length = SIZE_MAX) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, sheetTexture);
    setColour(colour);
    glBegin(GL_QUADS);
    for (size_t i = 0; i < length && text[i] != '\0'; ++i) {
        const char ch = text[i];
        if (x + GLYPH_PIXELS > maxX) break;
        const signed char shown = ch >= 32 && ch < 127 ? static_cast<signed char>(ch) : '?';
        const GlyphQuad quad = layOutGlyph(shown, x, y, 0.0f, GLYPH_PIXELS / glyphCell);
        for (int corner = 0; corner < 4; ++corner) {
            glTexCoord2f(quad.u[corner], quad.v[corner]);
            glVertex2f(quad.x[corner], quad.y[corner]);
        }
        x += GLYPH_PIXELS;
    }
    glEnd();
}

// A line of the panel, formatted without touching the heap: the overlay is
// drawn every frame.
struct Text {
    char chars[128];
};

__attribute__((format(printf, 1, 2))) Text printed(const char* pattern, ...) {
    Text text;
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text.chars, sizeof text.chars, pattern, arguments);
    va_end(arguments);
    return text;
}

Text loopMark(bool set, double seconds) { return set ? printed("%.3f", seconds) : printed("?"); }

// The length of the text's first line, and where the next begins (null after
// the last).
const char* nextLine(const char* line, size_t* length) {
    const char* end = std::strchr(line, '\n');
    *length = end ? static_cast<size_t>(end - line) : std::strlen(line);
    return end ? end + 1 : nullptr;
}

void drawTimeline(const OverlayInfo& info, float left, float right, float y) {
    const auto xOf = [&](double seconds) { return left + (right - left) * static_cast<float>(timelineFraction(seconds)); };
    fillRect(left, y, right, y + BAR_PIXELS, BAR);
    if (info.loopStartSet && info.loopEndSet) {
        Colour span = LOOP;
        span.a = info.loopOn ? 0.6f : 0.2f;
        fillRect(xOf(info.loopStart), y, xOf(info.loopEnd), y + BAR_PIXELS, span);
    }
    for (const NamedMoment& moment : SHOW_MOMENTS) {
        const float x = xOf(moment.seconds);
        fillRect(x, y - 3.0f, x + 1.0f, y + BAR_PIXELS + 3.0f, MOMENT_TICK);
    }
    if (info.loopStartSet) fillRect(xOf(info.loopStart) - 1.0f, y - 5.0f, xOf(info.loopStart) + 1.0f, y, LOOP);
    if (info.loopEndSet) fillRect(xOf(info.loopEnd) - 1.0f, y - 5.0f, xOf(info.loopEnd) + 1.0f, y, LOOP);
    const float now = xOf(info.seconds);
    fillRect(now - 1.0f, y - 5.0f, now + 2.0f, y + BAR_PIXELS + 5.0f, NOW);
}

// The panel's lines from the top down.
void drawLines(const Overlay& overlay, const OverlayInfo& info, int width, int height) {
    const float right = static_cast<float>(width) - MARGIN;
    float y = static_cast<float>(height) - MARGIN - LINE_PIXELS;

    const SongPosition song = songPositionAt(info.songFrame);
    drawText(MARGIN, y, printed("%8.3f s   order %02d row %02d", info.seconds, song.order, song.row).chars, TEXT, right);

    y -= LINE_PIXELS;
    drawTimeline(info, MARGIN, right, y + 4.0f);
    y -= LINE_PIXELS;
    const NamedMoment* moment = currentMoment(info.seconds);
    drawText(MARGIN, y, printed("%s from %.3f s", moment ? moment->name : "-", moment ? moment->seconds : 0.0).chars, TEXT,
             right);
    if (info.loopStartSet || info.loopEndSet) {
        const Text loop = printed("loop %s %s-%s", info.loopOn ? "on " : "off",
                                  loopMark(info.loopStartSet, info.loopStart).chars,
                                  loopMark(info.loopEndSet, info.loopEnd).chars);
        drawText(right - GLYPH_PIXELS * static_cast<float>(std::strlen(loop.chars)), y, loop.chars, LOOP, right);
    }

    y -= LINE_PIXELS;
    float x = MARGIN;
    for (int track = 0; track < TRACK_COUNT; ++track) {
        char name[4];
        noteName(info.trackNotes[track], name);
        const float flash = static_cast<float>(noteFlash(info.seconds, overlay.changedAt[track]));
        drawText(x, y, name, mix(TEXT, FLASH, flash), right);
        x += GLYPH_PIXELS * 4.0f;
    }

    y -= LINE_PIXELS;
    drawText(MARGIN, y,
             printed("frame median %.1f ms  p99 %.1f ms", 1000.0 * frameTimePercentile(*info.frameTimes, 50.0),
                     1000.0 * frameTimePercentile(*info.frameTimes, 99.0))
                 .chars,
             TEXT, right);
    y -= LINE_PIXELS;
    drawText(MARGIN, y, printed("sound lead %.3f s  underruns %d", info.soundLeadSeconds, info.underruns).chars, TEXT,
             right);

    // The error's first lines: the rest is on standard error.
    const char* line = info.error;
    for (int count = 0; count < ERROR_LINES && line && *line; ++count) {
        size_t length = 0;
        const char* next = nextLine(line, &length);
        y -= LINE_PIXELS;
        drawText(MARGIN, y, line, ERROR_TEXT, right, length);
        line = next;
    }
}

int errorLineCount(const OverlayInfo& info) {
    int lines = 0;
    size_t length = 0;
    for (const char* line = info.error; line && *line && lines < ERROR_LINES; ++lines) line = nextLine(line, &length);
    return lines;
}

}  // namespace

void resetOverlay(Overlay* overlay) {
    for (int track = 0; track < TRACK_COUNT; ++track) {
        overlay->notes[track] = 0;
        overlay->changedAt[track] = -std::numeric_limits<double>::infinity();
    }
}

void followOverlayNotes(Overlay* overlay, const OverlayInfo& info) {
    for (int track = 0; track < TRACK_COUNT; ++track) {
        if (info.trackNotes[track] == overlay->notes[track]) continue;
        overlay->notes[track] = info.trackNotes[track];
        overlay->changedAt[track] = info.seconds;
    }
}

void drawOverlay(const Overlay& overlay, const OverlayInfo& info, int width, int height) {
    // What the show may have left bound or set, and that no attribute group holds.
    GLint program = 0, framebuffer = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &framebuffer);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    gl.glUseProgram(0);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glViewport(0, 0, width, height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    const float bottom =
        static_cast<float>(height) - MARGIN - LINE_PIXELS * static_cast<float>(FIXED_LINES + errorLineCount(info)) - 8.0f;
    fillRect(0.0f, bottom, static_cast<float>(width), static_cast<float>(height), PANEL);
    drawLines(overlay, info, width, height);

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glPopAttrib();
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(framebuffer));
    gl.glUseProgram(static_cast<GLuint>(program));
}
