#include "demo/scroll_text.h"

// Filled in with the scroll text; until then nothing is drawn.
void drawScrollText(ScrollText*, double) {}
