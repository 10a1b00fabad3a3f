#include "tests/unit/synth/test_song_builder.h"

#include "synth/unit_table.h"

SongBuilder::SongBuilder()
    : patterns(ROWS_PER_PATTERN, 0), orderList(TRACK_COUNT * ORDER_POSITIONS, 0),
      lengths(delayLengths, delayLengths + DELAY_LENGTH_COUNT) {}

SongBuilder& SongBuilder::play(int track, std::initializer_list<int> rows, int position) {
    orderList[ORDER_POSITIONS * track + position] = static_cast<uint8_t>(patterns.size() / ROWS_PER_PATTERN);
    for (int note : rows) patterns.push_back(static_cast<uint8_t>(note));
    patterns.resize((patterns.size() + ROWS_PER_PATTERN - 1) / ROWS_PER_PATTERN * ROWS_PER_PATTERN, 1);
    return *this;
}

SongBuilder& SongBuilder::add(int instrument, const std::vector<int>& code) {
    for (auto at = code.begin(); at != code.end();) {
        const uint8_t opcode = static_cast<uint8_t>(*at++);
        units_[instrument].push_back(opcode);
        for (int n = opcode < OP_COUNT ? unitParamBytes(opcode) : 0; n > 0 && at != code.end(); --n)
            params_[instrument].push_back(static_cast<uint8_t>(*at++));
    }
    return *this;
}

Song SongBuilder::song() {
    unitStream.clear();
    paramStream.clear();
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        unitStream.insert(unitStream.end(), units_[voice].begin(), units_[voice].end());
        unitStream.push_back(OP_END);
        paramStream.insert(paramStream.end(), params_[voice].begin(), params_[voice].end());
    }
    return Song{patterns.data(), static_cast<int32_t>(patterns.size() / ROWS_PER_PATTERN), orderList.data(),
                unitStream.data(), static_cast<int32_t>(unitStream.size()), paramStream.data(),
                static_cast<int32_t>(paramStream.size()), lengths.data(), nullptr, {nullptr, nullptr}, nullptr};
}
