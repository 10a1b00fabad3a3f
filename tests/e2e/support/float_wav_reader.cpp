#include "tests/e2e/support/float_wav_reader.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t u32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t u16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
std::vector<float> refuse(std::string* why, const char* reason) { return *why = reason, std::vector<float>(); }

}  // namespace

std::vector<float> floatWavSamples(const std::vector<unsigned char>& file, std::string* why) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return refuse(why, "not a RIFF/WAVE file");
    bool formatOk = false;
    for (size_t at = 12; at + 8 <= file.size();) {
        const unsigned char* chunk = file.data() + at;
        const uint32_t size = u32(chunk + 4);
        if (at + 8 + size > file.size()) break;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            // 3 = IEEE float; 0xFFFE = extensible, whose sub-format then says float.
            const uint16_t tag = u16(chunk + 8);
            const bool isFloat = tag == 3 || (tag == 0xFFFE && size >= 40 && u16(chunk + 8 + 24) == 3);
            formatOk = isFloat && u16(chunk + 10) == 2 && u32(chunk + 12) == 44100 && u16(chunk + 22) == 32;
            if (!formatOk) return refuse(why, "the WAV is not 32-bit float stereo at 44.1 kHz");
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!formatOk) return refuse(why, "data chunk before a usable fmt chunk");
            std::vector<float> samples(size / sizeof(float));
            std::memcpy(samples.data(), chunk + 8, samples.size() * sizeof(float));
            return samples;
        }
        at += 8 + size + (size & 1);  // chunks are padded to even sizes
    }
    return refuse(why, "no data chunk");
}
