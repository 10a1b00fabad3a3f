#include "demo/shell_state.h"

DisplayConfig displayConfig;
