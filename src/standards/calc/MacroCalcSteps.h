// MacroCalcSteps.h - the steps of a macro-mode calculation that the one-macro and the
// whole-drawing jobs of the ovss tool share: which module a target names, the general variables
// a calculation gets, and carrying its bolt records back into the macro.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroData.h"
#include "core/macro/Tvx_DbMacro.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

namespace ovcalc {

// NAME=VALUE general variables added to (or replacing those of) the calculation record; false
// with the reason on `err` for an argument that is no assignment.
bool addGeneralVariables(const std::vector<std::string>& arguments, OvDlgStandardsData& data,
                         std::ostream& err);
// The general variables the macro sees, in its order.
void addMacroGeneralVariables(const Tvx_Macro& macro, OvDlgStandardsData& data);

// One "problem: ..." line per problem, with `prefix` before the text.
void printProblems(const OvCalcProblems& problems, std::ostream& err,
                   const std::string& prefix = std::string());

// The module groups of a macro (a module without a group stands for itself), in module order.
Tvx_StringArray moduleGroupsOf(const Tvx_Macro& macro);

// What a target names: "Module." + a group of the macro, a key of the standard's mapping file,
// or a module group's bare name. False with the reason when it is none of them or the mapping
// it names cannot be used.
bool moduleNameOf(const std::string& module, const Tvx_Macro& macro, const Tvx_String& standard,
                  Tvx_String& moduleName, Tvx_String& reason);

// Carries the bolt data and pattern counts a calculation left in `computed` into the macro.
bool writeBoltRecordsToMacro(Tvx_DbMacro* dbMacro, const MacroData& computed);

}  // namespace ovcalc
