// Linked in place of the program's heap and resource lookup, and behaving as
// they do until a test makes one of them fail start-up.
#pragma once

#include <cstddef>

struct StartFault {
    size_t refusedBytes;              // the heap refuses the next request of this size, once
    bool refuseAll;                   // or every request
    int resourceId;                   // this PNG is missing ...
    const unsigned char* replacement; // ... or these bytes instead
    size_t replacementSize;
};

// Armed from the next start-up's first progress report (the window and entry
// points come from a working heap); counts the refusals and lookups of the id.
void armStartFault(const StartFault& fault);
void disarmStartFault();
int startFaultHits();
