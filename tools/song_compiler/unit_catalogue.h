// What the song source names beyond the units themselves (those are
// synth/unit_table.h's findUnitNamed): slot words and the enumerated
// parameters' values.
#pragma once

#include "synth/unit_table.h"

#include <cstdint>

// The slot word of that name for the unit, or -1.
int findWordName(const UnitDescription& unit, const char* name);

// Looks up one name of an enumerated parameter kind; false when unknown.
bool enumValue(ParamKind kind, const char* name, uint8_t* value);
