#include "tools/studio/file_watch/file_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void write(const std::string& path, const char* text) { std::ofstream(path, std::ios::binary) << text; }

struct Step {
    const char* what;
    void (*act)(const std::string& path);
    bool changed;
};

TEST(FileWatch, SeesEveryEditThatChangesTheBytesAndNoOther) {
    char folder[] = "/tmp/quorvel-watch-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/sponge.frag";
    const std::string other = std::string(folder) + "/other.frag";
    write(path, "void main() {}\n");
    write(other, "unchanged\n");
    FileWatch watch;
    watchFile(&watch, path);
    watchFile(&watch, other);

    const Step steps[] = {
        {"nothing done", [](const std::string&) {}, false},
        // Same size, written at once after: a clock tick cannot hide it.
        {"one byte changed", [](const std::string& p) { write(p, "void main() {}\r"); }, true},
        {"the same bytes saved again", [](const std::string& p) { write(p, "void main() {}\r"); }, false},
        {"a new file renamed over it",
         [](const std::string& p) {
             write(p + ".new", "void main() { }\n");
             std::rename((p + ".new").c_str(), p.c_str());
         },
         true},
        {"deleted", [](const std::string& p) { std::remove(p.c_str()); }, true},
        {"still missing", [](const std::string&) {}, false},
        {"written back", [](const std::string& p) { write(p, "void main() {}\n"); }, true},
    };
    for (const Step& step : steps) {
        step.act(path);
        const std::vector<std::string> changed = changedFiles(&watch);
        EXPECT_EQ(changed, step.changed ? std::vector<std::string>{path} : std::vector<std::string>{}) << step.what;
    }
    std::remove(path.c_str());
    std::remove(other.c_str());
    rmdir(folder);
}

}  // namespace
