// Reading the song source: instruments, pattern blocks and the order list,
// then the cross-references between them (store targets, pattern names), and
// last the song validator on the bytes, its faults and warnings given at the
// lines that made them.
#include "tools/song_compiler/note_names.h"
#include "tools/song_compiler/song_compiler.h"
#include "tools/song_compiler/unit_catalogue.h"

#include "synth/song.h"
#include "synth/song_validator.h"

#include <cstdlib>
#include <cstring>

namespace {

const int INSTRUMENT_COUNT = TRACK_COUNT + 1;  // the tracks, then the master
const char* const SILENCE = "--";              // pattern 0 in the order list

struct SourceLine {
    int number;
    std::vector<std::string> tokens;
};

struct ParsedUnit {
    const UnitDescription* kind;
    std::string label;
    int line;
};

// A store target named in the source, resolved once every instrument is known.
struct PendingTarget {
    int instrument;
    size_t paramOffset;  // where its bytes go in the instrument's parameter bytes
    std::string path;
    bool remote;
    int line;
};

struct ParsedInstrument {
    std::string name;
    int line = 0;  // 0 = not defined
    std::vector<ParsedUnit> units;
    std::vector<uint8_t> params;
};

struct OrderCell {
    std::string pattern;
    int line;
};

struct Parser {
    std::string sourceName;
    std::vector<SourceLine> lines;
    size_t next = 0;
    std::string* errors;
    bool ok = true;

    ParsedInstrument instruments[INSTRUMENT_COUNT];
    std::vector<PendingTarget> targets;
    std::vector<std::string> patternNames{SILENCE};
    std::vector<int> patternLines{0};
    std::vector<uint8_t> patterns = std::vector<uint8_t>(ROWS_PER_PATTERN, 0);
    int orderLine = 0;
    std::vector<OrderCell> order;  // position-major: TRACK_COUNT cells a position
    std::vector<SongSection> sections;

    void fail(int line, const std::string& message) {
        *errors += sourceName + ":" + std::to_string(line) + ": " + message + "\n";
        ok = false;
    }
};

std::vector<SourceLine> splitLines(const std::string& text) {
    std::vector<SourceLine> lines;
    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ++number;
        std::string line = text.substr(start, end - start);
        // A comment starts with '#' at the start of a word, so "A#3" is a note.
        for (size_t hash = line.find('#'); hash != std::string::npos; hash = line.find('#', hash + 1)) {
            if (hash == 0 || line[hash - 1] == ' ' || line[hash - 1] == '\t') {
                line.resize(hash);
                break;
            }
        }
        SourceLine parsed{number, {}};
        size_t at = 0;
        while (true) {
            at = line.find_first_not_of(" \t\r", at);
            if (at == std::string::npos) break;
            size_t stop = line.find_first_of(" \t\r", at);
            if (stop == std::string::npos) stop = line.size();
            parsed.tokens.push_back(line.substr(at, stop - at));
            at = stop;
        }
        if (!parsed.tokens.empty()) lines.push_back(parsed);
        start = end + 1;
    }
    return lines;
}

// A whole decimal number in [0, limit], or -1.
int parseNumber(const std::string& text, int limit) {
    if (text.empty() || text.size() > 6) return -1;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
    }
    int value = std::atoi(text.c_str());
    return value <= limit ? value : -1;
}

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// ---- Instruments ------------------------------------------------------------

int findInstrument(const Parser& p, const std::string& name) {
    for (int i = 0; i < INSTRUMENT_COUNT; ++i) {
        if (p.instruments[i].line != 0 && p.instruments[i].name == name) return i;
    }
    return -1;
}

// One parameter's value, appended to the instrument's bytes.
void parseParam(Parser& p, ParsedInstrument& inst, int instrument, const ParamSpec& param, const std::string& value,
                int line) {
    switch (param.kind) {
        case PARAM_BYTE: {
            int number = parseNumber(value, 255);
            if (number < 0) p.fail(line, std::string(param.name) + " must be a number 0..255, not '" + value + "'");
            inst.params.push_back(static_cast<uint8_t>(number < 0 ? 0 : number));
            return;
        }
        case PARAM_OSC_FLAGS:
        case PARAM_FILTER_FLAGS: {
            uint8_t flags = 0;
            for (const std::string& name : splitOn(value, '+')) {
                uint8_t flag = 0;
                bool known = enumValue(param.kind, name.c_str(), &flag);
                if (!known || (flags & flag)) p.fail(line, "unknown or repeated flag '" + name + "'");
                flags |= flag;
            }
            inst.params.push_back(flags);
            return;
        }
        case PARAM_STACK_OP:
        case PARAM_MIX_SELECTOR: {
            uint8_t code = 0;
            if (!enumValue(param.kind, value.c_str(), &code)) {
                p.fail(line, std::string("unknown ") + param.name + " '" + value + "'");
            }
            inst.params.push_back(code);
            return;
        }
        case PARAM_LOCAL_WORD:
        case PARAM_REMOTE_WORD:
            p.targets.push_back({instrument, inst.params.size(), value, param.kind == PARAM_REMOTE_WORD, line});
            inst.params.resize(inst.params.size() + paramKindBytes(param.kind), 0);
            return;
    }
}

// "[label:] opcode name=value ...": one unit.
void parseUnit(Parser& p, ParsedInstrument& inst, int instrument, const SourceLine& line) {
    size_t at = 0;
    std::string label;
    if (line.tokens[0].back() == ':') {
        label = line.tokens[0].substr(0, line.tokens[0].size() - 1);
        for (const ParsedUnit& unit : inst.units) {
            if (!label.empty() && unit.label == label) p.fail(line.number, "label '" + label + "' used twice");
        }
        ++at;
    }
    if (at >= line.tokens.size()) {
        p.fail(line.number, "label without a unit");
        return;
    }
    const UnitDescription* kind = findUnitNamed(line.tokens[at].c_str());
    if (!kind) {
        p.fail(line.number, "unknown unit '" + line.tokens[at] + "'");
        return;
    }
    inst.units.push_back({kind, label, line.number});

    // Parameters may stand in any order; the bytes go out in stream order.
    std::vector<std::string> values(kind->paramCount);
    std::vector<bool> given(kind->paramCount, false);
    for (++at; at < line.tokens.size(); ++at) {
        const std::string& token = line.tokens[at];
        size_t equals = token.find('=');
        std::string name = token.substr(0, equals);
        int index = -1;
        for (int i = 0; i < kind->paramCount; ++i) {
            if (name == kind->params[i].name) index = i;
        }
        if (equals == std::string::npos || index < 0) {
            p.fail(line.number, std::string(kind->name) + " has no parameter '" + name + "'");
        } else if (given[index]) {
            p.fail(line.number, "parameter '" + name + "' given twice");
        } else {
            given[index] = true;
            values[index] = token.substr(equals + 1);
        }
    }
    for (int i = 0; i < kind->paramCount; ++i) {
        if (given[i]) {
            parseParam(p, inst, instrument, kind->params[i], values[i], line.number);
        } else {
            p.fail(line.number, std::string(kind->name) + " needs parameter '" + kind->params[i].name + "'");
        }
    }
}

// "instrument N name" or "master", then units up to "end".
void parseInstrument(Parser& p, const SourceLine& header) {
    int instrument = MASTER_VOICE;
    std::string name = "master";
    if (header.tokens[0] == "instrument") {
        instrument = header.tokens.size() == 3 ? parseNumber(header.tokens[1], TRACK_COUNT - 1) : -1;
        if (instrument < 0) {
            p.fail(header.number, "expected 'instrument TRACK NAME' with TRACK 0.." + std::to_string(TRACK_COUNT - 1));
            instrument = -1;
        } else {
            name = header.tokens[2];
        }
    } else if (header.tokens.size() != 1) {
        p.fail(header.number, "'master' takes no arguments");
    }
    if (instrument >= 0 && p.instruments[instrument].line != 0) {
        p.fail(header.number, "instrument " + std::to_string(instrument) + " is defined twice");
        instrument = -1;
    }
    if (findInstrument(p, name) >= 0) p.fail(header.number, "instrument name '" + name + "' used twice");

    // A faulty header still consumes its units, so that they are checked too.
    ParsedInstrument inst;
    inst.name = name;
    inst.line = header.number;
    bool ended = false;
    while (p.next < p.lines.size()) {
        const SourceLine& line = p.lines[p.next++];
        if (line.tokens[0] == "end" && line.tokens.size() == 1) {
            ended = true;
            break;
        }
        parseUnit(p, inst, instrument, line);
    }
    if (!ended) p.fail(header.number, "instrument '" + name + "' has no 'end'");
    if (instrument >= 0) p.instruments[instrument] = inst;
}

// ---- Patterns -----------------------------------------------------------------

// The note byte of one cell, or -1.
int noteByte(const std::string& cell) {
    if (cell == "...") return 1;  // hold
    if (cell == "===") return 0;  // release
    int32_t note = noteNumber(cell.c_str());
    return note ? note : -1;
}

// "patterns NAME...", then 16 rows numbered 00..15.
void parsePatternBlock(Parser& p, const SourceLine& header) {
    size_t columns = header.tokens.size() - 1;
    if (columns == 0) p.fail(header.number, "a pattern block names at least one pattern");
    size_t first = p.patternNames.size();
    for (size_t c = 1; c < header.tokens.size(); ++c) {
        const std::string& name = header.tokens[c];
        for (const std::string& known : p.patternNames) {
            if (known == name) p.fail(header.number, "pattern name '" + name + "' used twice");
        }
        p.patternNames.push_back(name);
        p.patternLines.push_back(header.number);
    }
    p.patterns.resize(p.patternNames.size() * ROWS_PER_PATTERN, 0);

    for (int row = 0; row < ROWS_PER_PATTERN; ++row) {
        if (p.next >= p.lines.size() || parseNumber(p.lines[p.next].tokens[0], 99) != row) {
            p.fail(p.next < p.lines.size() ? p.lines[p.next].number : header.number,
                   "pattern block has " + std::to_string(row) + " rows, a pattern has " +
                       std::to_string(ROWS_PER_PATTERN) + " (rows are numbered 00..15)");
            return;
        }
        const SourceLine& line = p.lines[p.next++];
        if (line.tokens.size() - 1 != columns) {
            p.fail(line.number, "row has " + std::to_string(line.tokens.size() - 1) + " cells, the block has " +
                                    std::to_string(columns) + " patterns");
            continue;
        }
        for (size_t c = 0; c < columns; ++c) {
            int note = noteByte(line.tokens[c + 1]);
            if (note < 0) {
                p.fail(line.number, "'" + line.tokens[c + 1] +
                                        "' is not a note (C-0..G-8, like C-4 or A#3), '...' or '==='");
            }
            p.patterns[(first + c) * ROWS_PER_PATTERN + row] = static_cast<uint8_t>(note < 0 ? 0 : note);
        }
    }
}

// ---- Order list ---------------------------------------------------------------

// "order NAME x 12", then "section" lines and positions 00..75, then "end".
void parseOrder(Parser& p, const SourceLine& header) {
    if (p.orderLine != 0) p.fail(header.number, "the order list is given twice");
    p.orderLine = header.number;
    if (header.tokens.size() - 1 != static_cast<size_t>(TRACK_COUNT)) {
        p.fail(header.number, "the order list names the " + std::to_string(TRACK_COUNT) + " tracks' instruments");
    }
    for (size_t t = 1; t < header.tokens.size() && t <= static_cast<size_t>(TRACK_COUNT); ++t) {
        if (header.tokens[t] != p.instruments[t - 1].name) {
            p.fail(header.number, "column " + std::to_string(t - 1) + " is '" + header.tokens[t] +
                                      "', track " + std::to_string(t - 1) + "'s instrument is '" +
                                      p.instruments[t - 1].name + "'");
        }
    }
    int positions = 0;
    while (p.next < p.lines.size()) {
        const SourceLine& line = p.lines[p.next++];
        const std::string& first = line.tokens[0];
        if (first == "end" && line.tokens.size() == 1) {
            if (positions != ORDER_POSITIONS) {
                p.fail(line.number, "the order list has " + std::to_string(positions) + " positions, a track has " +
                                        std::to_string(ORDER_POSITIONS));
            }
            if (!p.sections.empty() && p.sections.back().firstPosition == positions) {
                p.fail(line.number, "section '" + p.sections.back().name + "' has no positions");
            }
            return;
        }
        if (first == "section") {
            if (line.tokens.size() != 2) p.fail(line.number, "expected 'section NAME'");
            if (!p.sections.empty() && p.sections.back().firstPosition == positions) {
                p.fail(line.number, "section '" + p.sections.back().name + "' has no positions");
            }
            p.sections.push_back({line.tokens.size() > 1 ? line.tokens[1] : "", positions});
            continue;
        }
        if (parseNumber(first, 999) != positions) {
            p.fail(line.number, "expected position " + std::to_string(positions) + ", 'section' or 'end'");
            continue;
        }
        if (line.tokens.size() - 1 != static_cast<size_t>(TRACK_COUNT)) {
            p.fail(line.number, "position has " + std::to_string(line.tokens.size() - 1) + " cells, needs one a track");
        }
        for (int t = 0; t < TRACK_COUNT; ++t) {
            size_t cell = static_cast<size_t>(t) + 1;
            p.order.push_back({cell < line.tokens.size() ? line.tokens[cell] : SILENCE, line.number});
        }
        ++positions;
    }
    p.fail(header.number, "the order list has no 'end'");
}

// ---- Cross-references -----------------------------------------------------------

// Unit and word of "label.word" within an instrument; false when unknown.
bool findUnitWord(const ParsedInstrument& inst, const std::string& label, const std::string& word, int* unit,
                  int* wordIndex) {
    for (size_t u = 0; u < inst.units.size(); ++u) {
        if (inst.units[u].label != label || label.empty()) continue;
        *unit = static_cast<int>(u);
        *wordIndex = parseNumber(word, SLOT_WORDS - 1);
        if (*wordIndex < 0) *wordIndex = findWordName(*inst.units[u].kind, word.c_str());
        return *wordIndex >= 0;
    }
    return false;
}

void resolveTargets(Parser& p) {
    for (const PendingTarget& target : p.targets) {
        std::vector<std::string> parts = splitOn(target.path, '.');
        size_t expected = target.remote ? 3 : 2;
        int instrument = target.instrument;
        if (parts.size() == expected && target.remote) instrument = findInstrument(p, parts[0]);
        int unit = 0, word = 0;
        if (parts.size() != expected || instrument < 0 ||
            !findUnitWord(p.instruments[instrument], parts[expected - 2], parts[expected - 1], &unit, &word)) {
            p.fail(target.line, "store target '" + target.path + "' is not " +
                                    (target.remote ? "instrument.label.word" : "label.word") +
                                    " of a labelled unit and one of its words");
            continue;
        }
        uint8_t* bytes = &p.instruments[target.instrument].params[target.paramOffset];
        if (!target.remote) {
            bytes[0] = static_cast<uint8_t>(SLOT_WORDS * unit + word);
            continue;
        }
        uint32_t offset = VOICE_BYTES * instrument + 4 * (WORD_FIRST_SLOT + SLOT_WORDS * unit + word);
        for (int b = 0; b < 4; ++b) bytes[b] = static_cast<uint8_t>(offset >> (8 * b));
    }
}

void resolveOrder(Parser& p, CompiledSong* song) {
    std::vector<bool> used(p.patternNames.size(), false);
    used[0] = true;
    song->orderList.assign(TRACK_COUNT * ORDER_POSITIONS, 0);
    for (size_t i = 0; i < p.order.size() && i < static_cast<size_t>(TRACK_COUNT * ORDER_POSITIONS); ++i) {
        const OrderCell& cell = p.order[i];
        int pattern = -1;
        for (size_t n = 0; n < p.patternNames.size(); ++n) {
            if (p.patternNames[n] == cell.pattern) pattern = static_cast<int>(n);
        }
        if (pattern < 0) {
            p.fail(cell.line, "no pattern is named '" + cell.pattern + "'");
            continue;
        }
        used[pattern] = true;
        int track = static_cast<int>(i % TRACK_COUNT), position = static_cast<int>(i / TRACK_COUNT);
        song->orderList[track * ORDER_POSITIONS + position] = static_cast<uint8_t>(pattern);
    }
    for (size_t n = 0; n < used.size(); ++n) {
        if (!used[n]) p.fail(p.patternLines[n], "pattern '" + p.patternNames[n] + "' is never played");
    }
}

// ---- The engine's rules ---------------------------------------------------------

// The source line that made the bytes a fault or warning is about: the unit's
// line, the instrument's header for the list as a whole, the order list for
// the rest.
std::string located(const Parser& p, const SongFault& fault, const char* kind) {
    int line = p.orderLine;
    if (fault.instrument >= 0 && fault.instrument < INSTRUMENT_COUNT) {
        const ParsedInstrument& inst = p.instruments[fault.instrument];
        const bool inUnit = fault.unit >= 0 && static_cast<size_t>(fault.unit) < inst.units.size();
        line = inUnit ? inst.units[fault.unit].line : inst.line;
    }
    return p.sourceName + ":" + std::to_string(line) + ": " + kind + fault.message + "\n";
}

// Runs the song validator on the compiled tables, as the engine will before
// it plays them.
bool checkBytes(Parser& p, CompiledSong* song) {
    const Song tables{song->patterns.data(),  static_cast<int32_t>(song->patterns.size() / ROWS_PER_PATTERN),
                      song->orderList.data(), song->unitStream.data(),
                      static_cast<int32_t>(song->unitStream.size()), song->paramStream.data(),
                      static_cast<int32_t>(song->paramStream.size()), delayLengths,
                      nullptr, {nullptr, nullptr}, nullptr};
    SongFault fault{};
    SongWarnings warnings{};
    const int accepted = validateSong(tables, &fault, &warnings);
    song->warnings.clear();
    for (int32_t i = 0; i < warnings.count && i < MAX_SONG_WARNINGS; ++i) {
        song->warnings += located(p, warnings.first[i], "warning: ");
    }
    if (warnings.count > MAX_SONG_WARNINGS) {
        song->warnings += p.sourceName + ": " + std::to_string(warnings.count - MAX_SONG_WARNINGS) +
                          " more warnings\n";
    }
    if (!accepted) *p.errors += located(p, fault, "");
    return accepted;
}

}  // namespace

bool compileSongSource(const std::string& text, const std::string& sourceName, CompiledSong* song, std::string* errors) {
    Parser p;
    p.sourceName = sourceName;
    p.errors = errors;
    p.lines = splitLines(text);

    while (p.next < p.lines.size()) {
        const SourceLine& line = p.lines[p.next++];
        const std::string& keyword = line.tokens[0];
        if (keyword == "instrument" || keyword == "master") {
            parseInstrument(p, line);
        } else if (keyword == "patterns") {
            parsePatternBlock(p, line);
        } else if (keyword == "order") {
            parseOrder(p, line);
        } else {
            p.fail(line.number, "expected 'instrument', 'master', 'patterns' or 'order', not '" + keyword + "'");
        }
    }

    int lastLine = p.lines.empty() ? 1 : p.lines.back().number;
    for (int i = 0; i < INSTRUMENT_COUNT; ++i) {
        if (p.instruments[i].line == 0) {
            p.fail(lastLine, i == MASTER_VOICE ? std::string("the master instrument is missing")
                                               : "instrument " + std::to_string(i) + " is missing");
        }
    }
    if (p.orderLine == 0) p.fail(lastLine, "the order list is missing");
    if (p.patternNames.size() > 256) {
        p.fail(p.patternLines[256], "more than 256 patterns: the order list holds pattern numbers as bytes");
    }
    if (!p.ok) return false;  // names and counts first: the references below rely on them

    resolveTargets(p);
    resolveOrder(p, song);
    if (!p.ok) return false;

    song->patterns = p.patterns;
    song->patternNames = p.patternNames;
    song->sections = p.sections;
    song->unitStream.clear();
    song->paramStream.clear();
    song->instrumentNames.clear();
    for (const ParsedInstrument& inst : p.instruments) {
        for (const ParsedUnit& unit : inst.units) song->unitStream.push_back(unit.kind->opcode);
        song->unitStream.push_back(OP_END);
        song->paramStream.insert(song->paramStream.end(), inst.params.begin(), inst.params.end());
        song->instrumentNames.push_back(inst.name);
    }
    return checkBytes(p, song);
}
