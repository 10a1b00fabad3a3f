// Finds a resource in the table that the build embeds (resources/embedded_resources.h).
#include "resources/embedded_resources.h"

#include <cstring>

const EmbeddedResource* findEmbeddedResource(const char* type, int id) {
    for (int i = 0; i < embeddedResourceCount; ++i) {
        const EmbeddedResource& resource = embeddedResources[i];
        if (resource.id == id && std::strcmp(resource.type, type) == 0) return &resource;
    }
    return nullptr;
}
