// OvCalcSSCell.cpp - evaluating one Calc cell: "Variable = expression". The expression's
// variable names become cell coordinates, the grid computes it in the Calc cell itself, and the
// result is stored in the variable and written into its cell. An equation that names
// "CallChild" runs a child sheet instead.
#include "core/CaseFolding.h"
#include "core/StringHelpers.h"
#include "core/Tvx_Timer.h"
#include "frame/ModuleTimers.h"
#include "grid/Value.h"
#include "standards/calc/CalcMessages.h"
#include "standards/calc/CallChildCall.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/calc/WholeWordReplace.h"

namespace {

// Cell type of a Calc cell that computes a String variable.
constexpr long kStringFormulaStyle = 0x110000;
constexpr int kStringFormulaMaxLength = 200;
constexpr int kNumberDecimals = 7;

// The name as a case-ignoring comparison of names sees it.
std::wstring foldedName(const std::wstring& name) {
    std::wstring out(name);
    for (wchar_t& ch : out) {
        ch = ovcore::toLowerChar(ch);
    }
    return out;
}

}  // namespace

Acad::ErrorStatus OvCalcSS::calcCell(int col, int row) {
    Tvx_String text;
    if (!getCellText(col, row, text, kReadValue) || text.isEmpty()) {
        return Acad::eOk;  // nothing to evaluate
    }
    Tvx_StringArray parts;
    int parts_count = 0;
    {
        Tvx_FunctionTimer timer(gCalcCellSplitSymbol);
        parts_count = splitStringAtSymbol(text, L"=", parts, true);
    }
    const bool hasEquals = parts_count == 2;
    const Tvx_String left = hasEquals ? parts[0] : Tvx_String();
    Tvx_String expression = hasEquals ? parts[1] : text;
    int varIndex = -1;
    bool isVariable = false;
    {
        Tvx_FunctionTimer timer(gCalcCellFindVarCell);
        isVariable = hasEquals && findVarCellIgnoringCase(left, varIndex);
    }
    bool native = false;
    {
        Tvx_FunctionTimer timer(gCalcCellFindFunctions);
        native = hasNativeFunction(expression);
    }
    Tvx_String reason;
    if (native) {
        Tvx_FunctionTimer timer(gCalcCellCalcNativeFunctions);
        if (callChild(expression, reason) == Acad::eOk) {
            return Acad::eOk;
        }
    } else if (!hasEquals) {
        reason = L"not an equation (no \"=\")";
    } else if (!isVariable) {
        reason = L"\"" + left + L"\" is not a variable of the sheet";
    } else if (calcOrdinaryEquation(col, row, varIndex, expression, reason) == Acad::eOk) {
        return Acad::eOk;
    }
    equationFailed(col, row, left, expression, reason);
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvCalcSS::calcOrdinaryEquation(int col, int row, int varIndex,
                                                 Tvx_String& expression, Tvx_String& reason) {
    {
        Tvx_FunctionTimer timer(gCalcCellCalcFunctionsPrepare);
        if (varCells[varIndex].valueType == OvValueString) {
            ovgrid::CellType edit;
            SSSetTypeEdit(edit, kStringFormulaStyle, kStringFormulaMaxLength, 0, 0);
            SSSetCellType(col, row, edit);
        } else {
            setNumberType(col, row, col, row, kNumberDecimals, false);
        }
        expression = replaceVarNames(expression);
    }
    std::wstring compileError;
    if (!grid()->setFormula(col, row, expression.wstr(), true, &compileError)) {
        reason = L"the formula does not compile";
        if (!compileError.empty()) {
            reason += L": " + Tvx_String(compileError);
        }
        return Acad::eInvalidInput;
    }
    Tvx_FunctionTimer timer(gCalcCellCalcFunctions);
    Tvx_String result;
    if (!getCellText(col, row, result, kReadValue)) {
        reason = L"the result cannot be read";
        return Acad::eInvalidInput;
    }
    // An error value (a function that failed, a division by zero, an unknown name) is no
    // result: the variable keeps its value rather than taking the error's text.
    const ovgrid::Value computed = grid()->cellValue(col, row);
    if (computed.isError()) {
        reason = L"the formula gives " + Tvx_String(ovgrid::errorText(computed.error));
        return Acad::eInvalidInput;
    }
    varCells[varIndex].setNewValue(*this, result);
    return Acad::eOk;
}

Tvx_String OvCalcSS::replaceVarNames(const Tvx_String& expression) const {
    if (varNameLookupReady_) {
        Tvx_FunctionTimer timer(gCalcCellReplaceVariables);
        return replaceWholeWordsByLookup(expression.wstr(), varNameIndex_, varCoords_);
    }
    Tvx_StringArray names;
    Tvx_StringArray coords;
    {
        Tvx_FunctionTimer timer(gCalcCellGetVarCoords);
        // Duplicates (ignoring case) are gone by now, so variable i is the one its name finds.
        for (const OvVarCell& cell : varCells) {
            names.append(cell.name);
            coords.append(getAlfabet(cell.col) + Tvx_String::fromInt(cell.row));
        }
    }
    Tvx_String replaced = expression;
    Tvx_FunctionTimer timer(gCalcCellReplaceVariables);
    replaceWholeWords(replaced, names, coords, false);
    return replaced;
}

void OvCalcSS::buildVarNameLookup() {
    clearVarNameLookup();
    for (const OvVarCell& cell : varCells) {
        const std::wstring& name = cell.name.wstr();
        for (wchar_t ch : name) {
            if (!isWholeWordChar(ch)) {
                clearVarNameLookup();
                return;
            }
        }
        const int index = static_cast<int>(varCoords_.size());
        // An empty name replaces nothing; a repeated one only where its first entry is.
        if (!name.empty()) {
            varNameIndex_.emplace(name, index);
        }
        foldedVarNameIndex_.emplace(foldedName(name), index);
        varCoords_.push_back((getAlfabet(cell.col) + Tvx_String::fromInt(cell.row)).wstr());
    }
    varNameLookupReady_ = true;
}

void OvCalcSS::clearVarNameLookup() {
    varNameLookupReady_ = false;
    varNameIndex_.clear();
    foldedVarNameIndex_.clear();
    varCoords_.clear();
}

bool OvCalcSS::findVarCellIgnoringCase(const Tvx_String& name, int& index) const {
    if (!varNameLookupReady_) {
        return varCells.findVarCell(name, index) == Acad::eOk;
    }
    const auto found = foldedVarNameIndex_.find(foldedName(name.wstr()));
    if (found == foldedVarNameIndex_.end()) {
        return false;
    }
    index = found->second;
    return true;
}

void OvCalcSS::equationFailed(int col, int row, const Tvx_String& left,
                              const Tvx_String& expression, const Tvx_String& reason) {
    OvCalcFailure failure;
    failure.col = col;
    failure.row = row;
    failure.equation = left.isEmpty() ? expression : left + L" = " + expression;
    failure.reason = reason;
    failures_.append(failure);
    warnEquationFailed(left, expression, ssFile, row);
}
