// Reads the samples of a 32-bit float stereo 44.1 kHz WAV file, walking its
// chunks rather than assuming a header size.
#pragma once

#include <string>
#include <vector>

// The interleaved samples; empty, with the reason in *why, for anything else.
std::vector<float> floatWavSamples(const std::vector<unsigned char>& file, std::string* why);
