// MacroOperations.h - the operations on macros, modules, cuts, bolt patterns and profiles that
// the standards engine and the macro dialogs call. Results: Acad::eOk, or eInvalidInput with
// nothing changed, for a missing object, an argument out of range, a value that is not valid
// for the target, or a transaction that has already ended (a null transaction is allowed).
// Numbers read as text are written with 8 decimals, trailing zeros removed.
#pragma once

#include <vector>

#include "core/AcArray.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroTabData.h"
#include "core/macro/OvCutOffsetType.h"
#include "core/macro/Tvx_DbMacro.h"
#include "core/macro/Tvx_Macro.h"
#include "core/macro/Tvx_Module.h"
#include "host/AcDbObjectId.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

// --- Modules -------------------------------------------------------------------------------
// Names of the modules whose group key (group name, else own name) equals `group` ignoring
// case, in macro order; fails when there is none.
Acad::ErrorStatus getModNamesOfGroup(const Tvx_Macro* macro, const Tvx_String& group,
                                     Tvx_StringArray& names);
Acad::ErrorStatus findModuleWrite(Tvx_Macro* macro, const Tvx_String& name, Tvx_Module*& module);
// `position` is the module's place in its group's list; it must not be negative.
Acad::ErrorStatus openModule(Tvx_Macro* macro, const Tvx_String& name, int position,
                             Tvx_Module*& module);
// Names with their visible and settable flags, in module order.
Acad::ErrorStatus getDialogVariables(const Tvx_Module* module, Tvx_StringArray& names,
                                     std::vector<bool>& visible, std::vector<bool>& settable);
// Reading gives the value as text; writing needs a number (a text such as "#VALUE!" is
// refused, not taken as 0) and a settable variable.
Acad::ErrorStatus getSetConstrVarValue(Tvx_Module* module, const Tvx_String& variable,
                                       Tvx_String& value, bool reading);

// --- Cuts ----------------------------------------------------------------------------------
Acad::ErrorStatus getCutConstraint(const Tvx_Module* module, const Tvx_String& cutName,
                                   AcDbObjectId& constraintId);
Acad::ErrorStatus getCutConstraints(const Tvx_Module* module, Tvx_StringArray& names,
                                    AcArray<AcDbObjectId>& constraintIds);
// The offset kinds the cut has, in type order.
Acad::ErrorStatus getCutOffsets(const AcDbObjectId& constraintId, AcArray<OvCutOffsetType>& kinds);
// Fails when the cut is not one of the module's or lacks that offset kind.
Acad::ErrorStatus getSetCutValue(Tvx_Module* module, const AcDbObjectId& constraintId, int cutKind,
                                 double& value, bool reading);

// --- Bolt patterns -------------------------------------------------------------------------
// The module must be a bolt module (type code 232).
Acad::ErrorStatus findPattern(const Tvx_Module* module, const Tvx_String& name,
                              AcDbObjectId& patternId, AcTransaction* transaction = nullptr);
Acad::ErrorStatus getPatternIds(const Tvx_Module* module, AcArray<AcDbObjectId>& patternIds);
Acad::ErrorStatus getPattern(const AcDbObjectId& patternId, const Tvx_BoltPattern*& pattern,
                             AcTransaction* transaction = nullptr);
// Writing sets the reverse-start flag of a direction to `flag`. Reading reports the opposite
// sense, "starts at the normal end" (flag = !reverse start), which is what the standards access
// turns back into "1" for a reversed start; a value written and read back thus comes back the
// same. The second direction exists only for type code 282.
Acad::ErrorStatus getSetBoltPatternReverses(Tvx_Module* module, const AcDbObjectId& patternId,
                                            bool first, bool reading, bool& flag,
                                            AcTransaction* transaction = nullptr);
// The bolt count of a pattern of the tab, as text. Writing needs a whole number >= 1; the second
// direction exists only for a two-direction pattern.
Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Tvx_String& pattern, Tvx_String& value,
                                bool reading, bool first);

// --- Profiles ------------------------------------------------------------------------------
// The placed profile of a profile module with that member name.
Acad::ErrorStatus getNamedPrpl(const Tvx_Module* module, const Tvx_String& memberName,
                               AcDbObjectId& profileId);
// Base profile n (from 0) of the database macro.
Acad::ErrorStatus getBaseProf(const Tvx_DbMacro* dbMacro, int n, AcDbObjectId& profileId);
Acad::ErrorStatus mapBaseProfIds(const Tvx_DbMacro* dbMacro, AcArray<AcDbObjectId>& profileIds);
// Section name and material of any profile (base or placed) of an open drawing.
Acad::ErrorStatus getSectionName(const AcDbObjectId& profileId, Tvx_String& sectionName,
                                 AcTransaction* transaction = nullptr);
Acad::ErrorStatus getMaterial(const AcDbObjectId& profileId, Tvx_String& material,
                              AcTransaction* transaction = nullptr);
// The offset type of profile data as an index into getOffsetTypeStrings; -1 when mixed.
int getDlgOffsetType(const MacroProfData& data);
