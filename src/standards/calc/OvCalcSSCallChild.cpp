// OvCalcSSCallChild.cpp - "CallChild": runs a child sheet in list mode on copies of some of
// this sheet's variables (bound by position) and takes back its Output values. The child runs
// in another pooled dialog while this one stays lent.
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "standards/calc/CallChildCall.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/calc/StandardsPaths.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

Acad::ErrorStatus OvCalcSS::callChild(const Tvx_String& expression, Tvx_String& reason) {
    CallChildArgs args;
    if (!parseCallChild(expression, args, reason)) {
        return Acad::eInvalidInput;
    }
    Tvx_String childFile;
    if (!resolveChildFile(args.childName, ssFile, childFile)) {
        Tvx_StringArray shown;
        for (const Tvx_String& candidate : childFileCandidates(args.childName, ssFile)) {
            shown.append(shownPath(candidate));
        }
        reason = L"child sheet \"" + args.childName + L"\" not found (looked for " +
                 arrToStr(shown, L", ") + L")";
        return Acad::eInvalidInput;
    }
    OvVarCells handed;
    for (const Tvx_String& name : args.variableNames) {
        int index = -1;
        if (varCells.findVarCell(name, index) != Acad::eOk) {
            reason = L"\"" + name + L"\" is not a variable of the sheet";
            return Acad::eInvalidInput;
        }
        OvVarCell copy = varCells[index];
        copy.col = 0;
        copy.row = 0;
        handed.append(copy);
    }
    if (childFile.equal(ssFile, false)) {
        reason = L"a sheet cannot call itself";
        return Acad::eInvalidInput;
    }
    const CallChildDepth depth;
    if (!depth.allowed()) {
        reason = L"child sheets nested deeper than " + Tvx_String::fromInt(kMaxCallChildDepth) +
                 L" levels";
        return Acad::eInvalidInput;
    }
    OvDlgStandardsData child;
    child.mode = OvDlgStandardsData::ListMode;
    child.ssFile = childFile;
    child.varCells = handed;
    child.genVarNames = genVarNames;
    child.genVarValues = genVarValues;
    const bool childDone = StartDlgStandardsSS(child);
    // The child's own problems are this calculation's too: a result computed from a child's
    // failed equation is no sound result.
    problems_.append(child.problems);
    if (!childDone) {
        reason = L"the child sheet " + shownPath(childFile) + L" failed";
        if (!child.problems.isEmpty()) {
            reason += L": " + child.problems[0].describe();
        }
        return Acad::eInvalidInput;
    }
    for (const OvVarCell& returned : child.varCells) {
        if (!returned.isOutput()) {
            continue;
        }
        int index = -1;
        if (varCells.findVarCell(returned.name, index) != Acad::eOk) {
            continue;
        }
        if (varCells[index].isInput()) {
            reason = L"the child's result \"" + returned.name + L"\" would change an Input";
            return Acad::eInvalidInput;
        }
        previousValue_.assign(varCells[index].value.wstr());
        if (setVariable(index, returned.value) != Acad::eOk) {  // as setValueFromOther
            return refusedResult(index, previousValue_, reason);
        }
    }
    return Acad::eOk;
}
