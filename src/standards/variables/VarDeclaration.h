// VarDeclaration.h - the text of a declaration cell: a type keyword ("Int", "Double", "String")
// at the start, then a blank and the variable's name ("Double Thickness").
#pragma once

#include "core/Tvx_String.h"
#include "standards/OvValueType.h"

struct VarDeclaration {
    OvValueType valueType = OvValueString;
    Tvx_String name;  // empty for a bare keyword
};

// Parses a cell text. The keyword test looks at the beginning only (leading blanks ignored), so
// "Integer Count" declares an Int named "Count". False for any other text.
bool parseVarDeclaration(const Tvx_String& text, VarDeclaration& declaration);
