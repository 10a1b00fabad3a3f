#include "gfx/pointer_list.h"

#include "gfx/heap.h"

PointerList* createPointerList(int32_t capacity) {
    PointerList* list = static_cast<PointerList*>(allocZeroed(sizeof(PointerList)));
    if (!list) return nullptr;
    list->items = static_cast<void**>(allocArray(static_cast<size_t>(capacity), sizeof(void*)));
    if (!list->items) {
        freeBlock(list);
        return nullptr;
    }
    list->capacity = capacity;
    return list;
}

void pushPointer(PointerList* list, void* item) { list->items[list->count++] = item; }

void freePointerList(PointerList* list) {
    if (!list) return;
    freeBlock(list->items);
    freeBlock(list);
}
