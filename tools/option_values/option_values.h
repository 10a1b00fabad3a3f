// The values the tools' command lines share, read strictly: what a user types
// by mistake (a sign, a space, an exponent, hex) is refused, not guessed at.
#pragma once

#include <string>

// Digits with at most one decimal point among them ("12", "12.5", ".5", "5."),
// nothing else: no sign, space, exponent, hex, inf or nan.
bool plainDecimal(const char* text, bool pointAllowed);

// A whole number within lo..hi, in plain digits.
bool readWholeNumber(const char* text, long lo, long hi, long* out);

// --fps: a whole number of frames per second from 1 to highest. Returns true,
// or false with a one-line reason.
bool readFrameRate(const char* text, int highest, int* framesPerSecond, std::string* error);

// "WIDTHxHEIGHT" in pixels, both at least 1. Returns true, or false with a
// one-line reason that begins with the option's name.
bool readPixelSize(const char* text, const char* option, int* width, int* height, std::string* error);
