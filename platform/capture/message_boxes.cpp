// No boxes while capturing: nobody is there to click them. Their text goes to
// standard error and the question is answered No.
#include "platform/platform.h"

#include <cstdio>

namespace {

void writeToStandardError(const char* text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
}

}  // namespace

int platformAskYesNo(const char* text, const char*) {
    writeToStandardError(text);
    return 0;
}

void platformShowWarningBox(const char* text) { writeToStandardError(text); }

void platformShowErrorBox(const char* text) { writeToStandardError(text); }
