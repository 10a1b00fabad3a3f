// The table of resources built into the program, generated at build time from
// resources/manifest.txt by tools/embed_resources, and the lookup in it.
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

// The table's entry of that type and id, or null.
const EmbeddedResource* findEmbeddedResource(const char* type, int id);
