// The units by their names in the song source (synth/unit_table.h), and the
// names of the enumerated parameters' values.
#pragma once

#include "synth/unit_table.h"

#include <cstdint>

// The unit of that source name, or null.
inline const UnitDescription* findUnit(const char* name) { return findUnitNamed(name); }

// The slot word of that name for the unit, or -1.
int findWordName(const UnitDescription& unit, const char* name);

// Looks up one name of an enumerated parameter kind; false when unknown.
bool enumValue(ParamKind kind, const char* name, uint8_t* value);
