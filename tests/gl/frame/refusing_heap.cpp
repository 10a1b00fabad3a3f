#include "tests/gl/frame/refusing_heap.h"

#include "gfx/heap.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const size_t NO_SIZE = SIZE_MAX;

size_t refusedSize = NO_SIZE;
bool refusingAll = false;
int refusals = 0;

// The block's size sits in front of it, so that a grown block knows which
// bytes are new and must read as zero.
struct alignas(16) Header {
    size_t byteCount;
};

Header* headerOf(void* block) { return static_cast<Header*>(block) - 1; }

bool refuses(size_t byteCount) {
    if (refusingAll || byteCount == refusedSize) {
        if (!refusingAll) refusedSize = NO_SIZE;
        ++refusals;
        return true;
    }
    return false;
}

}  // namespace

void refuseNextAllocationOf(size_t byteCount) { refusedSize = byteCount; }
void refuseEveryAllocation() { refusingAll = true; }

void stopRefusing() {
    refusedSize = NO_SIZE;
    refusingAll = false;
    refusals = 0;
}

int refusedAllocations() { return refusals; }

void* allocZeroed(size_t byteCount) {
    if (refuses(byteCount)) return nullptr;
    Header* header = static_cast<Header*>(std::calloc(1, sizeof(Header) + byteCount));
    if (!header) return nullptr;
    header->byteCount = byteCount;
    return header + 1;
}

void* allocArray(size_t count, size_t elementSize) {
    if (elementSize != 0 && count > UINT32_MAX / elementSize) return nullptr;
    return allocZeroed(count * elementSize);
}

void freeBlock(void* block) {
    if (block) std::free(headerOf(block));
}

void* reallocBlock(void* block, size_t byteCount) {
    if (!block) return allocZeroed(byteCount);
    if (refuses(byteCount)) return nullptr;
    size_t oldCount = headerOf(block)->byteCount;
    Header* header = static_cast<Header*>(std::realloc(headerOf(block), sizeof(Header) + byteCount));
    if (!header) return nullptr;
    if (byteCount > oldCount) std::memset(reinterpret_cast<unsigned char*>(header + 1) + oldCount, 0, byteCount - oldCount);
    header->byteCount = byteCount;
    return header + 1;
}

void copyBytes(void* destination, const void* source, size_t byteCount) {
    if (byteCount) std::memcpy(destination, source, byteCount);
}
