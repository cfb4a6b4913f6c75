// MacroAccessSteps.h - the single steps by which a spreadsheet variable's value is read from or
// written to one module of a macro: dialog (constraint) variables, cut offsets, the bolt block,
// bolt counts and reverse-start flags of patterns, and member names of profile groups. Both the
// object-list and the module-group access are built from them. Results: eOk, or 3 with the
// value unchanged.
#pragma once

#include "core/Tvx_String.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

class MacroData;
class MacroTabData;
class Tvx_Module;

// The dialog tab of the module's group (its group name, else its own name); null when absent.
MacroTabData* findModuleTab(MacroData* data, const Tvx_Module* module);

// A number a value written to the macro must be; a formula error or a text is refused rather
// than taken as 0.
bool numberFromValue(const Tvx_String& value, double& number);

// A dialog variable. Writing first fixes a flexible variable on the tab, so that the written
// value is kept and another variable of its flex-fix group takes up the difference.
Acad::ErrorStatus accessConstraint(Tvx_Module* module, MacroTabData* tab,
                                   const Tvx_String& variable, Tvx_String& value, bool reading);
// One offset (cut kind 0..8) of a cut of the module; read back with 7 decimals.
Acad::ErrorStatus accessCut(Tvx_Module* module, const Tvx_String& cutName, int cutKind,
                            Tvx_String& value, bool reading);
// The diameter or hole offset of the tab's bolt block, as text.
Acad::ErrorStatus accessBoltData(MacroTabData* tab, bool diameter, Tvx_String& value, bool reading);
// The reverse-start flag of a pattern direction of a bolt module. "1" means a reversed start;
// the core reports the opposite sense on reading, which is turned back here.
Acad::ErrorStatus accessReverseStart(Tvx_Module* module, const Tvx_String& pattern, bool first,
                                     Tvx_String& value, bool reading, AcTransaction* transaction);
// The member name of the tab's profile group `group`.
Acad::ErrorStatus accessMemberName(MacroTabData* tab, const Tvx_String& group, Tvx_String& value,
                                   bool reading);
