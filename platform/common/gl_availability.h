// Which OpenGL entry points a context provides, decided from its version and
// extension string. Window systems hand out a stub for any name, so the lookup
// cannot tell by itself.
#pragma once

// 1 when the entry point is known and provided by a context of that version with
// those extensions (a space-separated list, as glGetString(GL_EXTENSIONS) gives).
// Unknown names are not provided.
int glEntryPointProvided(const char* name, int majorVersion, int minorVersion, const char* extensions);

// Reads "major.minor" from the front of a GL_VERSION string; 0.0 when unreadable.
void parseGlVersion(const char* versionString, int* majorVersion, int* minorVersion);
