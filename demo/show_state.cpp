#include "demo/show_state.h"

void resetShowState(ShowState* show) {
    *show = ShowState();
    show->post = POST_AT_START;
    show->sponge = initialSpongeCues();
    clear(&show->spongeRandom);
}
