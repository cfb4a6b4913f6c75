// MappableObjects.h - every object of a macro that a spreadsheet variable can be bound to, as
// the mapping editor offers them: per module its dialog variables, cut offsets, bolt block and
// patterns, and placed profiles; then the base profiles with their section properties, and the
// general variables.
#pragma once

#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

class OvSSMapping;
class Tvx_DbMacro;

// Appends the objects to the mapping's list (which is not emptied first). 3 without a macro.
Acad::ErrorStatus initAllVarsFromMacro(OvSSMapping& mapping, const Tvx_DbMacro* dbMacro,
                                       AcTransaction* transaction);
