#include "tests/unit/synth/song_builder.h"

#include <cstddef>

SongBuilder::SongBuilder()
    : patterns(ROWS_PER_PATTERN, 0),
      orderList(TRACK_COUNT * ORDER_POSITIONS, 0),
      delayLengths(::delayLengths, ::delayLengths + DELAY_LENGTH_COUNT) {}

int SongBuilder::pattern(std::initializer_list<int> notes) {
    const int number = static_cast<int>(patterns.size()) / ROWS_PER_PATTERN;
    for (int note : notes) patterns.push_back(static_cast<uint8_t>(note));
    patterns.resize(static_cast<std::size_t>(number + 1) * ROWS_PER_PATTERN, 1);
    return number;
}

int SongBuilder::heldNote(int note) { return pattern({note, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}); }

SongBuilder& SongBuilder::play(int track, int position, int pattern) {
    orderList[ORDER_POSITIONS * track + position] = static_cast<uint8_t>(pattern);
    return *this;
}

SongBuilder& SongBuilder::playAll(int track, int pattern) {
    for (int position = 0; position < ORDER_POSITIONS; ++position) play(track, position, pattern);
    return *this;
}

SongBuilder& SongBuilder::unit(int instrument, uint8_t opcode, std::initializer_list<uint8_t> bytes) {
    units_[instrument].push_back(opcode);
    params_[instrument].insert(params_[instrument].end(), bytes.begin(), bytes.end());
    return *this;
}

SongBuilder& SongBuilder::constant(int instrument, uint8_t gain) {
    return unit(instrument, OP_ENVELOPE, {0, 0, 128, 0, gain});
}

SongBuilder& SongBuilder::showTop(int instrument) {
    return unit(instrument, OP_STACK, {STACK_DUP}).unit(instrument, OP_STACK, {STACK_DUP}).unit(instrument, OP_OUTPUT, {128, 128});
}

SongBuilder& SongBuilder::storeRemote(int instrument, uint8_t amount, uint32_t byteOffset) {
    return unit(instrument, OP_STORE_REMOTE,
                {amount, static_cast<uint8_t>(byteOffset), static_cast<uint8_t>(byteOffset >> 8),
                 static_cast<uint8_t>(byteOffset >> 16), static_cast<uint8_t>(byteOffset >> 24)});
}

Song SongBuilder::song() {
    unitStream.clear();
    paramStream.clear();
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        unitStream.insert(unitStream.end(), units_[voice].begin(), units_[voice].end());
        unitStream.push_back(OP_END);
        paramStream.insert(paramStream.end(), params_[voice].begin(), params_[voice].end());
    }
    return view();
}

Song SongBuilder::view() const {
    return Song{patterns.data(),
                static_cast<int32_t>(patterns.size() / ROWS_PER_PATTERN),
                orderList.data(),
                unitStream.data(),
                static_cast<int32_t>(unitStream.size()),
                paramStream.data(),
                static_cast<int32_t>(paramStream.size()),
                delayLengths.data()};
}
