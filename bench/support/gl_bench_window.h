// A window with a current OpenGL context and the entry points loaded, for the
// GL frame benchmarks (they need a display, as the demo does).
#pragma once

// Opens it once, at the size given; later calls return the same window.
// Returns false when there is no display or no usable context.
bool openGlBenchWindow(int width, int height);

// Waits until the GL work issued so far has finished (for honest frame times).
void finishGlWork();
