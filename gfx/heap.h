// The program's one allocator: every object and buffer starts zero-filled.
// It is thread-safe and is also lent to the image decoder.
#pragma once

#include <cstddef>
#include <cstdint>

// A zero-filled block of byteCount bytes, or null.
void* allocZeroed(size_t byteCount);
// A zero-filled block for count elements of elementSize bytes; null when the
// product does not fit in 32 bits (or the heap is exhausted).
void* allocArray(size_t count, size_t elementSize);
void freeBlock(void* block);
// Grows or shrinks the block, keeping its contents; new bytes read as zero.
// A null block is allocated afresh. Null when the heap is exhausted (the old
// block then stays valid).
void* reallocBlock(void* block, size_t byteCount);

// Forward byte copy; the two ranges must not overlap.
void copyBytes(void* destination, const void* source, size_t byteCount);
