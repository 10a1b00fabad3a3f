// The program's heap for tests in which an allocation must fail. Linked in
// place of the real one, it behaves the same until told to refuse.
#pragma once

#include <cstddef>

// Refuses the next request for exactly byteCount bytes, once.
void refuseNextAllocationOf(size_t byteCount);
// Refuses every request from now on.
void refuseEveryAllocation();
// Back to serving every request; the count of refusals starts again at 0.
void stopRefusing();
int refusedAllocations();
