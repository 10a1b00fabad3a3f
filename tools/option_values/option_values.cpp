#include "tools/option_values/option_values.h"

#include <cstdlib>
#include <cstring>

bool plainDecimal(const char* text, bool pointAllowed) {
    bool digit = false, point = false;
    for (const char* c = text; *c; ++c) {
        if (*c >= '0' && *c <= '9') {
            digit = true;
        } else if (*c == '.' && pointAllowed && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool readWholeNumber(const char* text, long lo, long hi, long* out) {
    if (!plainDecimal(text, false) || std::strlen(text) > 9) return false;
    const long value = std::strtol(text, nullptr, 10);
    if (value < lo || value > hi) return false;
    *out = value;
    return true;
}

bool readPixelSize(const char* text, const char* option, int* width, int* height, std::string* error) {
    const char* x = std::strchr(text, 'x');
    long w = 0, h = 0;
    const std::string widthText = x ? std::string(text, x) : std::string();
    if (!x || !readWholeNumber(widthText.c_str(), 0, 1L << 20, &w) || !readWholeNumber(x + 1, 0, 1L << 20, &h)) {
        *error = std::string(option) + ": '" + text + "' is not WIDTHxHEIGHT in pixels";
        return false;
    }
    if (w < 1 || h < 1) {
        *error = std::string(option) + ": " + text + " has no pixels; both sides need at least 1";
        return false;
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool readFrameRate(const char* text, int highest, int* framesPerSecond, std::string* error) {
    long rate = 0;
    if (!readWholeNumber(text, 1, highest, &rate)) {
        *error = std::string("--fps: '") + text + "' is not a whole number of frames per second from 1 to " +
                 std::to_string(highest);
        return false;
    }
    *framesPerSecond = static_cast<int>(rate);
    return true;
}
