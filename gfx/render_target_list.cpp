#include "gfx/heap.h"
#include "gfx/render_target.h"

RenderTargetList* renderTargets = nullptr;

RenderTargetList* createRenderTargetList(int32_t capacity) {
    RenderTargetList* list = static_cast<RenderTargetList*>(allocZeroed(sizeof(RenderTargetList)));
    if (!list) return nullptr;
    list->items = static_cast<RenderTarget**>(allocArray(static_cast<size_t>(capacity), sizeof(RenderTarget*)));
    if (!list->items) {
        freeBlock(list);
        return nullptr;
    }
    list->capacity = capacity;
    return list;
}
