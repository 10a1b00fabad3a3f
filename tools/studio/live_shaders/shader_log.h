// A shader compiler's info log in the form editors and terminals jump from:
// "FILE:LINE: message". Drivers number a source's lines their own way:
//
//   Mesa             0:12(3): error: `x' undeclared
//   NVIDIA           0(12) : error C1008: undefined variable "x"
//   AMD, glslang     ERROR: 0:12: 'x' : undeclared identifier
//
// The sources are built with one string each and no #line, so the driver's
// line is the file's line.
#pragma once

#include <string>

// Each non-empty line of the log as "path:LINE: message", or "path: line" when
// it names no line (a link error, say); lines joined by '\n'.
std::string placeShaderLog(const std::string& path, const std::string& log);
