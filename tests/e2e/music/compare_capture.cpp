// compare-capture CAPTURE.raw SONG.wav SECONDS
//
// CAPTURE.raw is what SDL's disk audio driver wrote while the demo played:
// raw 32-bit float stereo frames, silence first (the device was open before
// the music was handed over). SONG.wav is the offline render. Checks that,
// from the start of the music, the capture equals the render bit for bit for
// the first SECONDS seconds. Exit code 0 when it does; what was found goes to
// standard output either way.
#include "tests/e2e/support/float_wav_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const uint32_t SAMPLE_RATE = 44100;
const uint32_t CHANNELS = 2;

std::vector<unsigned char> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int fail(const std::string& why) {
    std::printf("FAIL: %s\n", why.c_str());
    return 1;
}

size_t leadingZeros(const float* samples, size_t count) {
    size_t n = 0;
    while (n < count && samples[n] == 0.0f) ++n;
    return n;
}

// When the device played part of the song's start before it was rendered,
// the capture's first sound is a later frame of the song: say which.
void reportWhereTheCaptureJoinsTheSong(const std::vector<float>& capture, size_t captureZeros,
                                       const std::vector<float>& song) {
    const size_t run = 64;
    if (captureZeros % CHANNELS != 0 || capture.size() < captureZeros + run) return;
    for (size_t at = 0; at + run <= song.size(); at += CHANNELS) {
        if (std::memcmp(&song[at], &capture[captureZeros], run * sizeof(float)) == 0) {
            std::printf("the capture's first sound is song frame %zu (%.3f s): the frames before it "
                        "played as silence\n",
                        at / CHANNELS, static_cast<double>(at / CHANNELS) / SAMPLE_RATE);
            return;
        }
    }
    std::printf("the capture's first sound is found nowhere in the song\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s CAPTURE.raw SONG.wav SECONDS\n", argv[0]);
        return 2;
    }
    std::vector<unsigned char> captureBytes = readFile(argv[1]);
    std::vector<float> capture(captureBytes.size() / sizeof(float));
    std::memcpy(capture.data(), captureBytes.data(), capture.size() * sizeof(float));
    std::string why;
    std::vector<float> song = floatWavSamples(readFile(argv[2]), &why);
    if (song.empty()) return fail(std::string(argv[2]) + ": " + why);
    const size_t compared = static_cast<size_t>(std::atof(argv[3]) * SAMPLE_RATE) * CHANNELS;
    if (song.size() < compared) return fail("the render is shorter than the stretch to compare");

    // The capture is silence, then the song from its first sample. The song may
    // itself begin with zeros, so the music starts where the capture's zeros
    // run longer than the song's by the silence in front.
    size_t songZeros = leadingZeros(song.data(), compared);
    size_t captureZeros = leadingZeros(capture.data(), capture.size());
    if (songZeros == compared) return fail("the render is silent over the whole stretch");
    if (captureZeros < songZeros) return fail("the capture's first sound comes before the song's");
    size_t start = captureZeros - songZeros;
    if (start % CHANNELS != 0) return fail("the capture's first sound is not on a frame boundary");
    std::printf("music starts at capture frame %zu (%.3f s of silence before it)\n", start / CHANNELS,
                static_cast<double>(start / CHANNELS) / SAMPLE_RATE);

    size_t available = capture.size() - start;
    if (available < compared) {
        return fail("the capture holds " + std::to_string(available / CHANNELS) + " frames of music, fewer than " +
                    std::to_string(compared / CHANNELS));
    }
    for (size_t i = 0; i < compared; ++i) {
        if (std::memcmp(&capture[start + i], &song[i], sizeof(float)) != 0) {
            std::printf("FAIL: frame %zu (%.3f s into the music), channel %zu: captured %.9g, rendered %.9g\n",
                        i / CHANNELS, static_cast<double>(i / CHANNELS) / SAMPLE_RATE, i % CHANNELS,
                        static_cast<double>(capture[start + i]), static_cast<double>(song[i]));
            reportWhereTheCaptureJoinsTheSong(capture, captureZeros, song);
            return 1;
        }
    }
    std::printf("the first %zu frames (%.3f s) of music equal the render bit for bit\n", compared / CHANNELS,
                static_cast<double>(compared / CHANNELS) / SAMPLE_RATE);
    return 0;
}
