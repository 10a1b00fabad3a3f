// A fixed-capacity list of pointers; it never grows. The render targets and
// the cube logo's scratch cubes are kept in one.
#pragma once

#include <cstdint>

struct PointerList {
    int32_t capacity;
    int32_t count;
    void** items;  // capacity entries
};

// A new list with room for capacity pointers, or null.
PointerList* createPointerList(int32_t capacity);
// Stores at entry count and counts it; keeping within capacity is the caller's job.
void pushPointer(PointerList* list, void* item);
// Frees the list and its entries array (not what the entries point to); null is ignored.
void freePointerList(PointerList* list);
