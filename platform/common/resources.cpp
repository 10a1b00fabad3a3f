// Resource lookup over the table that the build generates from resources/manifest.txt.
#include "platform/platform.h"
#include "resources/embedded_resources.h"

int platformFindResource(const char* type, int id, const unsigned char** bytes, size_t* size) {
    const EmbeddedResource* resource = findEmbeddedResource(type, id);
    if (!resource) return 0;
    *bytes = resource->bytes;
    *size = resource->size;
    return 1;
}
