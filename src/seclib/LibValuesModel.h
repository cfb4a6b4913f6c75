// LibValuesModel.h - what the values page of the library editor decides without widgets: the
// table of a new type, the column headers after a shape change, and the checks on type names
// and dimension cells.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "seclib/Tvx_ProfValuesTable.h"

// A new type's table: columns "SysName", "I/O", every language, two value columns named after
// the "value" text with 1 and 2; one active row with empty names and values 0.
Tvx_ProfValuesTable newTypeTable(const Tvx_String& typeName);

// The headers for `shapeField` given the current ones: "SysName", "I/O" and the language columns
// stay; a built-in shape's default dimension names follow; for a drawing the current value
// headers stay as they are.
Tvx_StringArray headersForShape(const Tvx_StringArray& current, const Tvx_String& shapeField);

// A type name that may become a ".pr" file of the profile folder (no folder part, no characters
// a file name cannot hold).
bool isValidTypeName(const Tvx_String& name);

// True when `text` may stand in a dimension cell: empty or one number.
bool isValidDimensionText(const Tvx_String& text);
