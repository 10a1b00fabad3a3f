// sound_stretches CAPTURE.raw SONG.wav SECONDS
//
// CAPTURE.raw is the sink's monitor, recorded as raw 32-bit float stereo while
// quorvel.exe played under Wine; SONG.wav is the offline render. The sink plays
// in real time: when Wine's audio thread falls behind, the sink plays silence
// and Wine goes on at the device's position, further into the song. So the
// capture is silence, then stretches of the song with silence between them.
// The device reads the song's first frames at once, while the render thread
// has only begun: what it read before the render wrote it plays as silence.
// Checks that the first stretch starts in the song's first half second, that
// every stretch equals the render bit for bit and starts after the one before,
// and that the stretches hold at least SECONDS seconds of the song.
#include "tests/e2e/support/float_wav_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::vector<unsigned char> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Frames as 64-bit words: compared bit for bit, two channels at once.
std::vector<uint64_t> frames(const void* bytes, size_t byteCount) {
    std::vector<uint64_t> words(byteCount / 8);
    std::memcpy(words.data(), bytes, words.size() * 8);
    return words;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return std::fprintf(stderr, "usage: %s CAPTURE.raw SONG.wav SECONDS\n", argv[0]), 2;
    std::vector<unsigned char> captureBytes = readFile(argv[1]);
    std::string why;
    std::vector<float> songSamples = floatWavSamples(readFile(argv[2]), &why);
    if (songSamples.empty()) return std::printf("FAIL: %s: %s\n", argv[2], why.c_str()), 1;
    const std::vector<uint64_t> capture = frames(captureBytes.data(), captureBytes.size());
    const std::vector<uint64_t> song = frames(songSamples.data(), songSamples.size() * 4);
    const size_t RUN = 16, RATE = 44100, WINDOW = 10 * RATE;  // Wine never skips 10 s at once

    size_t at = 0, next = 0, first = 0, matched = 0, stretches = 0, between = 0, skipped = 0, stray = 0;
    while (at + RUN <= capture.size()) {
        if (capture[at] == 0) {
            between += stretches > 0;
            ++at;
            continue;
        }
        auto from = song.begin() + next, to = song.begin() + std::min(song.size(), next + WINDOW);
        auto found = std::search(from, to, capture.begin() + at, capture.begin() + at + RUN);
        if (found == to) {  // a frame half played as the sink ran dry
            // Sound that is not the song's, in more than a few such frames:
            // say so now rather than search ten seconds of song for each.
            if (++stray > RATE / 10 && stray > matched / 100)
                return std::printf("FAIL: %zu frames of sound are not the song's\n", stray), 1;
            ++at;
            continue;
        }
        size_t s = found - song.begin();
        if (stretches == 0) first = s;
        if (first > RATE / 2) return std::printf("FAIL: the first sound is song frame %zu, past 0.5 s\n", s), 1;
        skipped += s - next;
        while (at < capture.size() && s < song.size() && capture[at] == song[s]) ++at, ++s, ++matched;
        next = s;
        ++stretches;
    }
    std::printf("%zu stretches equal to the render hold %.3f s of the song from frame %zu; %.3f s of silence "
                "between them, %.3f s of the song skipped, %zu stray frames\n",
                stretches, double(matched) / RATE, first, double(between) / RATE, double(skipped) / RATE, stray);
    if (stretches == 0) return std::printf("FAIL: no sound of the song\n"), 1;
    if (stray > matched / 100) return std::printf("FAIL: more than 1 %% of the sound is not the song's\n"), 1;
    if (matched < std::atof(argv[3]) * RATE) return std::printf("FAIL: less than %s s of the song\n", argv[3]), 1;
    return 0;
}
