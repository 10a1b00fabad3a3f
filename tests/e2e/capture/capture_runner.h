// Runs the real quorvel-capture of this build on the X server in DISPLAY, and
// reads what it wrote.
#pragma once

#include "tests/support/tool_runs.h"

// quorvel-capture with the arguments, run by the shell after `prefix`
// (variables such as "PATH=/x", or limits such as "ulimit -v 3000000;").
ShellRun runCapture(const std::vector<std::string>& arguments, const std::string& prefix = "");

// A program of the build folder, by name.
std::string buildProgram(const char* name);

// A PNG's pixels as RGB, top row first; empty when it cannot be decoded.
std::vector<unsigned char> pngPixels(const std::string& path);
