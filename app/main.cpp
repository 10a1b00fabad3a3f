// quorvel: no arguments, no files; everything it needs is built in.
#include "app/entry.h"
#include "demo/demo.h"
#include "platform/platform.h"

int main() { platformExitProcess(runQuorvel(DemoHooks{startDemo, drawFrame})); }
