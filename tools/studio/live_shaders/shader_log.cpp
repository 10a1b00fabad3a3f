#include "tools/studio/live_shaders/shader_log.h"

#include <cstring>

namespace {

size_t skipDigits(const std::string& text, size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at;
}

std::string placeLine(const std::string& path, const std::string& line) {
    // The severity that some drivers put before the place stays with the message.
    std::string severity;
    size_t at = 0;
    for (const char* prefix : {"ERROR: ", "WARNING: "}) {
        if (line.compare(0, std::strlen(prefix), prefix) == 0) {
            severity = prefix;
            at = severity.size();
        }
    }
    // The source string's number, then the line's after ':' or in parentheses.
    const size_t sourceEnd = skipDigits(line, at);
    if (sourceEnd == at || sourceEnd >= line.size() || (line[sourceEnd] != ':' && line[sourceEnd] != '(')) {
        return path + ": " + line;
    }
    const size_t lineStart = sourceEnd + 1;
    const size_t lineEnd = skipDigits(line, lineStart);
    if (lineEnd == lineStart) return path + ": " + line;

    size_t rest = lineEnd;
    if (line[sourceEnd] == '(' && rest < line.size() && line[rest] == ')') ++rest;
    if (rest < line.size() && line[rest] == '(') {  // Mesa's column
        const size_t close = line.find(')', rest);
        rest = close == std::string::npos ? line.size() : close + 1;
    }
    while (rest < line.size() && (line[rest] == ' ' || line[rest] == ':')) ++rest;
    return path + ":" + line.substr(lineStart, lineEnd - lineStart) + ": " + severity + line.substr(rest);
}

}  // namespace

std::string placeShaderLog(const std::string& path, const std::string& log) {
    std::string placed;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        if (end > start) {
            if (!placed.empty()) placed += '\n';
            placed += placeLine(path, log.substr(start, end - start));
        }
        start = end + 1;
    }
    return placed;
}
