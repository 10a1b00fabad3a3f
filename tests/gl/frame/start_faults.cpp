#include "tests/gl/frame/start_faults.h"

#include "gfx/heap.h"
#include "platform/platform.h"
#include "resources/embedded_resources.h"

#include <cstdlib>
#include <cstring>

namespace {

StartFault armed = {};
int hits = 0;

// Each block carries its size in front, so that growing it zeroes the new bytes.
struct alignas(16) Header {
    size_t byteCount;
};

bool refuses(size_t byteCount) {
    const bool refused = armed.refuseAll || (armed.refusedBytes != 0 && byteCount == armed.refusedBytes);
    if (refused) armed.refusedBytes = 0, ++hits;
    return refused;
}

}  // namespace

void armStartFault(const StartFault& fault) { armed = fault, hits = 0; }
void disarmStartFault() { armed = StartFault{}; }
int startFaultHits() { return hits; }

void* allocZeroed(size_t byteCount) {
    Header* header = refuses(byteCount) ? nullptr : static_cast<Header*>(std::calloc(1, sizeof(Header) + byteCount));
    return header ? (header->byteCount = byteCount, header + 1) : nullptr;
}

void* allocArray(size_t count, size_t elementSize) { return allocZeroed(count * elementSize); }

void freeBlock(void* block) {
    if (block) std::free(static_cast<Header*>(block) - 1);
}

void* reallocBlock(void* block, size_t byteCount) {
    if (!block) return allocZeroed(byteCount);
    if (refuses(byteCount)) return nullptr;
    size_t oldCount = (static_cast<Header*>(block) - 1)->byteCount;
    Header* header = static_cast<Header*>(std::realloc(static_cast<Header*>(block) - 1, sizeof(Header) + byteCount));
    if (byteCount > oldCount) std::memset(reinterpret_cast<char*>(header + 1) + oldCount, 0, byteCount - oldCount);
    header->byteCount = byteCount;
    return header + 1;
}

void copyBytes(void* destination, const void* source, size_t byteCount) {
    if (byteCount) std::memcpy(destination, source, byteCount);
}

int platformFindResource(const char* type, int id, const unsigned char** bytes, size_t* size) {
    if (armed.resourceId == id && std::strcmp(type, "PNG") == 0) {
        ++hits;
        *bytes = armed.replacement;
        *size = armed.replacementSize;
        return armed.replacement != nullptr;
    }
    const EmbeddedResource* resource = findEmbeddedResource(type, id);
    return resource ? (*bytes = resource->bytes, *size = resource->size, 1) : 0;
}
