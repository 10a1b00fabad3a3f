#include "gfx/heap.h"

#include <cstdlib>
#include <cstring>

namespace {

// Each block carries its size in front, so that a reallocation knows which
// bytes are new and must be zeroed. The header keeps the payload 16-aligned.
struct alignas(16) BlockHeader {
    size_t byteCount;
};

BlockHeader* headerOf(void* block) { return static_cast<BlockHeader*>(block) - 1; }

// Requests beyond 32 bits are refused outright, as the 32-bit heap would.
bool fitsThirtyTwoBits(uint64_t byteCount) { return byteCount <= UINT32_MAX - sizeof(BlockHeader); }

}  // namespace

void* allocZeroed(size_t byteCount) {
    if (!fitsThirtyTwoBits(byteCount)) return nullptr;
    BlockHeader* header = static_cast<BlockHeader*>(std::calloc(1, sizeof(BlockHeader) + byteCount));
    if (!header) return nullptr;
    header->byteCount = byteCount;
    return header + 1;
}

void* allocArray(size_t count, size_t elementSize) {
    uint64_t product = static_cast<uint64_t>(count) * elementSize;
    bool overflowed = elementSize != 0 && product / elementSize != count;
    if (overflowed || product > UINT32_MAX) return nullptr;
    return allocZeroed(static_cast<size_t>(product));
}

void freeBlock(void* block) {
    if (block) std::free(headerOf(block));
}

void* reallocBlock(void* block, size_t byteCount) {
    if (!block) return allocZeroed(byteCount);
    if (!fitsThirtyTwoBits(byteCount)) return nullptr;
    size_t oldCount = headerOf(block)->byteCount;
    BlockHeader* header = static_cast<BlockHeader*>(std::realloc(headerOf(block), sizeof(BlockHeader) + byteCount));
    if (!header) return nullptr;
    if (byteCount > oldCount) std::memset(reinterpret_cast<unsigned char*>(header + 1) + oldCount, 0, byteCount - oldCount);
    header->byteCount = byteCount;
    return header + 1;
}

void copyBytes(void* destination, const void* source, size_t byteCount) {
    unsigned char* to = static_cast<unsigned char*>(destination);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    for (size_t i = 0; i < byteCount; ++i) to[i] = from[i];
}
