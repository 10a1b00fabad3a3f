// The table of resources built into the program, generated at build time from
// resources/manifest.txt by tools/embed_resources.
#pragma once

#include <cstddef>

struct EmbeddedResource {
    const char* type;  // "VSHADER", "FSHADER", "PNG"
    int id;
    const unsigned char* bytes;
    size_t size;
};

extern const EmbeddedResource embeddedResources[];
extern const int embeddedResourceCount;
