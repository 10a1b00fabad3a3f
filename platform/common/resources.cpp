// Resource lookup over the table that the build generates from resources/manifest.txt.
#include "platform/platform.h"
#include "resources/embedded_resources.h"

#include <cstring>

int platformFindResource(const char* type, int id, const unsigned char** bytes, size_t* size) {
    for (int i = 0; i < embeddedResourceCount; ++i) {
        const EmbeddedResource& resource = embeddedResources[i];
        if (resource.id == id && std::strcmp(resource.type, type) == 0) {
            *bytes = resource.bytes;
            *size = resource.size;
            return 1;
        }
    }
    return 0;
}
