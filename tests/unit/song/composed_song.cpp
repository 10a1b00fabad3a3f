#include "tests/unit/song/composed_song.h"

#include <cstdio>
#include <cstdlib>

bool loadComposedSong(ComposedSong* composed, std::string* errors) {
    const char* sourceDir = std::getenv("QUORVEL_SOURCE_DIR");
    if (!sourceDir) {
        *errors = "QUORVEL_SOURCE_DIR is not set";
        return false;
    }
    std::string path = std::string(sourceDir) + "/synth/song/quorvel_song.txt";
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *errors = "cannot read " + path;
        return false;
    }
    std::string text;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    std::fclose(file);
    if (!compileSongSource(text, path, &composed->tables, errors)) return false;
    const CompiledSong& t = composed->tables;
    composed->song = Song{t.patterns.data(),
                          static_cast<int32_t>(t.patternNames.size()),
                          t.orderList.data(),
                          t.unitStream.data(),
                          static_cast<int32_t>(t.unitStream.size()),
                          t.paramStream.data(),
                          static_cast<int32_t>(t.paramStream.size()),
                          delayLengths};
    return true;
}

PositionRange sectionPositions(const CompiledSong& song, const std::string& name) {
    for (size_t s = 0; s < song.sections.size(); ++s) {
        if (song.sections[s].name != name) continue;
        int end = s + 1 < song.sections.size() ? song.sections[s + 1].firstPosition : ORDER_POSITIONS;
        return {song.sections[s].firstPosition, end};
    }
    return {0, 0};
}

std::vector<UnitView> instrumentUnits(const Song& song, int instrument) {
    int unitAt = 0, paramAt = 0;
    for (int skipped = 0; skipped < instrument; ++unitAt) {
        uint8_t opcode = song.unitStream[unitAt];
        if (opcode == OP_END) ++skipped;
        else paramAt += UNIT_PARAM_BYTES[opcode];
    }
    std::vector<UnitView> units;
    for (; song.unitStream[unitAt] != OP_END; ++unitAt) {
        uint8_t opcode = song.unitStream[unitAt];
        units.push_back({opcode, song.paramStream + paramAt});
        paramAt += UNIT_PARAM_BYTES[opcode];
    }
    return units;
}

uint32_t remoteOffset(const UnitView& unit) {
    return unit.params[1] | unit.params[2] << 8 | unit.params[3] << 16 | static_cast<uint32_t>(unit.params[4]) << 24;
}
