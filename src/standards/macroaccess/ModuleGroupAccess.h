// ModuleGroupAccess.h - the value of a spreadsheet variable in one module when a sheet is mapped
// to a whole module group: the variable's name says what it stands for.
//
//   gen.X (numeric)                 general variable gen_X
//   P.Name, P.Material (text)       section or material of the placed profile P, when it exists
//   C.Cut, .CutPoly, .CutLength, .CutCenter, .CutInside, .CutOutside, .Chamfer1, .Chamfer2,
//   .CutRadius (numeric)            an offset of cut C
//   .Diameter, .HoleOffset (numeric)  the bolt block
//   P.NrBolts1, P.NrBolts2          bolt counts of pattern P
//   P.ReverseStart1, .ReverseStart2 (numeric)  reverse-start flags of pattern P ("1" reversed)
//   G.MemberName (text)             member name of profile group G
//   any other numeric name          the dialog variable of that whole name
//
// The object is the part of the name before its last ".".
#pragma once

#include "core/Tvx_String.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"
#include "standards/OvValueType.h"

class MacroData;
class Tvx_Macro;
class Tvx_Module;

Acad::ErrorStatus accessByVariableName(const Tvx_String& name, OvValueType valueType,
                                       Tvx_Macro* macro, Tvx_Module* module, MacroData* macroData,
                                       Tvx_String& value, bool reading, AcTransaction* transaction);
