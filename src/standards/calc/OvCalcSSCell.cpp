// OvCalcSSCell.cpp - evaluating one Calc cell: "Variable = expression". The expression's
// variable names become cell coordinates, the grid computes it in the Calc cell itself, and the
// result is stored in the variable and written into its cell. An equation that names
// "CallChild" runs a child sheet instead.
#include <algorithm>

#include "base/CaseFolding.h"
#include "base/NumberText.h"
#include "core/StringHelpers.h"
#include "core/Tvx_Timer.h"
#include "grid/Value.h"
#include "standards/calc/CalcMessages.h"
#include "standards/calc/CallChildCall.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/calc/PreparedSheet.h"
#include "standards/calc/WholeWordReplace.h"
#include "standards/pool/ModuleTimers.h"

Acad::ErrorStatus OvCalcSS::calcCell(int col, int row) {
    if (prepared_ != nullptr) {
        const auto found = prepared_->cells.find(ovgrid::cellKey(col, row));
        if (found != prepared_->cells.end()) {
            return calcPreparedEquation(col, row, *found->second);
        }
    }
    Tvx_String text;
    if (!getCellText(col, row, text, kReadValue) || text.isEmpty()) {
        return Acad::eOk;  // nothing to evaluate
    }
    const std::shared_ptr<const OvCalcCellPlan> cell = prepareCell(col, row, text);
    Tvx_String reason;
    const Tvx_String* shown = &cell->expression;
    if (cell->native) {
        Tvx_FunctionTimer timer(gCalcCellCalcNativeFunctions);
        if (callChild(cell->expression, reason) == Acad::eOk) {
            return Acad::eOk;
        }
    } else if (!cell->hasEquals) {
        reason = L"not an equation (no \"=\")";
    } else if (cell->varIndex < 0) {
        reason = L"\"" + cell->left + L"\" is not a variable of the sheet";
    } else if (calcOrdinaryEquation(col, row, *cell, reason) == Acad::eOk) {
        return Acad::eOk;
    } else {
        shown = &cell->replaced;  // the equation as it was computed
    }
    equationFailed(col, row, cell->left, *shown, reason);
    return Acad::eInvalidInput;
}

std::shared_ptr<const OvCalcCellPlan> OvCalcSS::prepareCell(int col, int row,
                                                            const Tvx_String& text) {
    if (planBound_) {
        if (auto known = plan_->find(col, row, text.wstr())) {
            return known;
        }
    }
    auto cell = std::make_shared<OvCalcCellPlan>();
    cell->text = text.wstr();
    Tvx_StringArray parts;
    {
        Tvx_FunctionTimer timer(gCalcCellSplitSymbol);
        cell->hasEquals = splitStringAtSymbol(text, L"=", parts, true) == 2;
    }
    cell->left = cell->hasEquals ? parts[0] : Tvx_String();
    cell->expression = cell->hasEquals ? parts[1] : text;
    {
        Tvx_FunctionTimer timer(gCalcCellFindVarCell);
        int index = -1;
        if (cell->hasEquals && findVarCellIgnoringCase(cell->left, index)) {
            cell->varIndex = index;
        }
    }
    {
        Tvx_FunctionTimer timer(gCalcCellFindFunctions);
        cell->native = hasNativeFunction(cell->expression);
    }
    if (!cell->native && cell->varIndex >= 0) {
        Tvx_FunctionTimer timer(gCalcCellCalcFunctionsPrepare);
        cell->replaced = replaceVarNames(cell->expression);
        // Compiled here once; a text that does not compile goes to the grid each time, which
        // then tells why.
        if (auto compiled = ovgrid::CompiledFormula::compile(cell->replaced.wstr(),
                                                             grid()->getRefStyle(), col, row)) {
            cell->formula = std::move(*compiled);
        }
    }
    if (planBound_) {
        plan_->store(col, row, cell);
    }
    return cell;
}

Acad::ErrorStatus OvCalcSS::calcOrdinaryEquation(int col, int row, const OvCalcCellPlan& cell,
                                                 Tvx_String& reason) {
    const int varIndex = cell.varIndex;
    {
        Tvx_FunctionTimer timer(gCalcCellCalcFunctionsPrepare);
        setEquationCellType(*this, col, row, varCells[varIndex].valueType);
    }
    if (cell.formula) {
        grid()->setCompiledFormula(col, row, cell.formula, true);
    } else {
        std::wstring compileError;
        if (!grid()->setFormula(col, row, cell.replaced.wstr(), true, &compileError)) {
            reason = L"the formula does not compile";
            if (!compileError.empty()) {
                reason += L": " + Tvx_String(compileError);
            }
            return Acad::eInvalidInput;
        }
    }
    return takeResult(col, row, varIndex, reason);
}

Acad::ErrorStatus OvCalcSS::calcPreparedEquation(int col, int row, const OvCalcCellPlan& cell) {
    Tvx_String reason;
    grid()->reCalcCell(col, row);
    if (takeResult(col, row, cell.varIndex, reason) == Acad::eOk) {
        return Acad::eOk;
    }
    equationFailed(col, row, cell.left, cell.replaced, reason);
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvCalcSS::takeResult(int col, int row, int varIndex, Tvx_String& reason) {
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
    previousValue_.assign(varCells[varIndex].value.wstr());
    if (setVariable(varIndex, result) != Acad::eOk) {
        return refusedResult(varIndex, previousValue_, reason);
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvCalcSS::takeDirectResult(int col, int row, const OvCalcCellPlan& cell,
                                             Tvx_String& reason) {
    const ovgrid::Value computed = grid()->evaluateAt(cell.formula, col, row);
    if (computed.isError()) {
        reason = L"the formula gives " + Tvx_String(ovgrid::errorText(computed.error));
        return Acad::eInvalidInput;
    }
    previousValue_.assign(varCells[cell.varIndex].value.wstr());
    const Acad::ErrorStatus written =
        computed.isNumber()
            ? setVariableNumber(cell.varIndex, ovbase::displayNumberChars(computed.number))
            : setVariable(cell.varIndex, Tvx_String(ovgrid::displayText(computed)));
    if (written != Acad::eOk) {
        return refusedResult(cell.varIndex, previousValue_, reason);
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvCalcSS::refusedResult(int index, const std::wstring& previous,
                                          Tvx_String& reason) {
    OvVarCell& variable = varCells[index];
    reason = L"the cell of \"" + variable.name + L"\" refuses the result " + variable.value;
    variable.value.wstr().assign(previous);
    return Acad::eInvalidInput;
}

Acad::ErrorStatus OvCalcSS::setVariableNumber(int index, const ovbase::NumberChars& chars) {
    OvVarCell& cell = varCells[index];
    const auto at = static_cast<std::size_t>(index);
    const std::string_view text = chars.view();
    // Into the text the variable already holds: its buffer serves again.
    std::wstring& value = cell.value.wstr();
    value.resize(text.size());
    std::copy(text.begin(), text.end(), value.begin());
    const std::optional<double> number =
        chars.knowsNumber ? std::optional<double>(chars.number) : ovbase::parseNumberChars(text);
    if (!(at < cellTyped_.size() && cellTyped_[at]) || !number) {
        return setVariable(index, Tvx_String(cell.value));
    }
    return setCellValueNumber(cell.col, cell.row, cell.value.wstr(), *number) ? Acad::eOk
                                                                              : Acad::eInvalidInput;
}

Acad::ErrorStatus OvCalcSS::setVariable(int index, const Tvx_String& value) {
    OvVarCell& cell = varCells[index];
    const auto at = static_cast<std::size_t>(index);
    if (at < cellTyped_.size() && cellTyped_[at]) {
        cell.setNewValue(value);
        return setCellValue(cell.col, cell.row, cell.value) ? Acad::eOk : Acad::eInvalidInput;
    }
    const Acad::ErrorStatus status = cell.setNewValue(*this, value);
    if (status == Acad::eOk) {
        cellTyped_.resize(std::max(cellTyped_.size(), static_cast<std::size_t>(varCells.length())));
        cellTyped_[at] = true;
    }
    return status;
}

Tvx_String OvCalcSS::replaceVarNames(const Tvx_String& expression) const {
    if (lookup_ && lookup_->ready) {
        Tvx_FunctionTimer timer(gCalcCellReplaceVariables);
        return replaceWholeWordsByLookup(expression.wstr(), lookup_->nameIndex, lookup_->coords);
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

bool OvCalcSS::findVarCellIgnoringCase(const Tvx_String& name, int& index) const {
    if (!lookup_ || !lookup_->ready) {
        return varCells.findVarCell(name, index) == Acad::eOk;
    }
    std::wstring folded(name.wstr());
    for (wchar_t& ch : folded) {
        ch = ovbase::toLowerChar(ch);
    }
    const auto found = lookup_->foldedNameIndex.find(folded);
    if (found == lookup_->foldedNameIndex.end()) {
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
    problems_.add(hasNativeFunction(expression) ? OvCalcProblem::Child : OvCalcProblem::Equation,
                  ssFile, failure.equation, reason, col, row);
    warnEquationFailed(left, expression, ssFile, row);
}
