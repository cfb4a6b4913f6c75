// ObjectAccess.h - reading and writing the value of one mapped object (OvObjectMap) in a macro:
// general variables and base profiles at the macro itself, every other kind in each module of
// the object's module group. These are the object-list operations of a mapping.
#pragma once

#include "core/Tvx_String.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

class MacroData;
class OvObjectMap;
class Tvx_DbMacro;

// Reading takes the value from the first module of the group that has the object.
Acad::ErrorStatus getObjectMacroValue(const OvObjectMap& object, Tvx_DbMacro* dbMacro,
                                      MacroData* macroData, Tvx_String& value,
                                      AcTransaction* transaction);
// Writing goes to every module of the group; it succeeds when every one took the value. Base
// profile names, materials and section properties are read-only.
Acad::ErrorStatus setObjectMacroValue(const OvObjectMap& object, Tvx_DbMacro* dbMacro,
                                      MacroData* macroData, const Tvx_String& value,
                                      AcTransaction* transaction);

// The base profile number of "Prof" + n; false for any other text.
bool baseProfileNumber(const Tvx_String& text, int& number);
