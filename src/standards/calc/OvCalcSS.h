// OvCalcSS.h - the grid of the hidden standards dialog, carrying one calculation: the loaded
// sheet, its variables with the mapping, and the general variables passed in. It loads a
// standards sheet, puts the values in (from a macro or from a passed list), evaluates the Calc
// area row by row and hands the Output values back.
#pragma once

#include <memory>
#include <vector>

#include "base/NumberText.h"
#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/CalcPlan.h"
#include "standards/macroaccess/OvCalcProblems.h"
#include "standards/variables/OvVarCells.h"

class OvDlgStandardsData;

// One Calc cell that did not compute, with the reason (for lint and diagnostics).
struct OvCalcFailure {
    int col = 0;
    int row = 0;
    Tvx_String equation;  // as it stood when it failed
    Tvx_String reason;
};

class OvCalcSS : public Tvx_Spread {
  public:
    OvCalcSS() = default;
    ~OvCalcSS() override = default;

    // Runs one calculation for `data` (its mode decides where values come from and go to).
    // 0 on success with the results in `data`; 3 on failure.
    Acad::ErrorStatus calculate(OvDlgStandardsData& data);

    // Loads the sheet the record names (a path, or a name in the library's standards folder).
    Acad::ErrorStatus loadFile(const OvDlgStandardsData& data);
    // Writes the general variables' values over their names in every cell.
    void replaceGenVars();
    // Registers the functions, drops duplicate names and evaluates the Calc area.
    Acad::ErrorStatus mainCalculation();
    // Evaluates one Calc cell; 3 when its equation fails (the warning is shown then).
    Acad::ErrorStatus calcCell(int col, int row);

    const Tvx_Array<OvCalcFailure>& failures() const { return failures_; }
    // Everything that went wrong in the last calculation (failed equations, variables, children,
    // the mapping, the sheet itself); also handed to the record.
    const OvCalcProblems& problems() const { return problems_; }

    Tvx_String ssFile;
    OvVarCells varCells;
    Tvx_StringArray genVarNames;
    Tvx_StringArray genVarValues;

  private:
    Acad::ErrorStatus calculateOnce(OvDlgStandardsData& data);
    // The general variables as a prepared copy of the sheet is filed under.
    static void preparationKey(const Tvx_StringArray& names, const Tvx_StringArray& values,
                               Tvx_StringArray& keyNames, Tvx_StringArray& keyValues);
    // After a calculation with a bound plan: the prepared copy for its general variables.
    void prepareSheetForNextTime(int headerCol, int headerRow);
    Acad::ErrorStatus calcMacroMode(OvDlgStandardsData& data);
    Acad::ErrorStatus calcListMode(OvDlgStandardsData& data);
    Acad::ErrorStatus getFromVars(const OvDlgStandardsData& data);
    Acad::ErrorStatus setToVars(OvDlgStandardsData& data) const;
    void findDuplicates();
    // varCells.findVarCells on the freshly loaded sheet, once per sheet version.
    Acad::ErrorStatus findDeclaredVariables();
    // The Calc cell's equation read and prepared (from the plan when it holds this text).
    std::shared_ptr<const OvCalcCellPlan> prepareCell(int col, int row, const Tvx_String& text);
    Acad::ErrorStatus calcOrdinaryEquation(int col, int row, const OvCalcCellPlan& cell,
                                           Tvx_String& reason);
    // The Calc area of a direct prepared copy: its equations computed in turn, the other cells
    // that hold text as calcCell does.
    void calcDirectArea();
    // An equation of the prepared copy: its formula is in place, it only computes.
    Acad::ErrorStatus calcPreparedEquation(int col, int row, const OvCalcCellPlan& cell);
    // The computed value of the equation in (col, row) into its variable.
    Acad::ErrorStatus takeResult(int col, int row, int varIndex, Tvx_String& reason);
    // The same for an equation of a direct prepared copy, computed without its cell (timed by
    // the caller).
    Acad::ErrorStatus takeDirectResult(int col, int row, const OvCalcCellPlan& cell,
                                       Tvx_String& reason);
    // Stores `value` in variable `index` and writes it, typed, into its cell.
    Acad::ErrorStatus setVariable(int index, const Tvx_String& value);
    // The same for a number's display text, which a number cell takes without reading it again.
    Acad::ErrorStatus setVariableNumber(int index, const ovbase::NumberChars& chars);
    // After a result that variable `index`'s cell refused (a number beyond a number cell's
    // range): the variable takes back `previous`, which its cell kept, so that no later
    // equation reads another value than the caller gets, and the equation fails.
    Acad::ErrorStatus refusedResult(int index, const std::wstring& previous, Tvx_String& reason);
    Acad::ErrorStatus callChild(const Tvx_String& expression, Tvx_String& reason);
    Tvx_String replaceVarNames(const Tvx_String& expression) const;
    // The variable whose name equals `name` ignoring case (the first such one).
    bool findVarCellIgnoringCase(const Tvx_String& name, int& index) const;
    // Records the failure and shows the equation-failed warning when warnings are on.
    void equationFailed(int col, int row, const Tvx_String& left, const Tvx_String& expression,
                        const Tvx_String& reason);

    // Records a problem of this sheet (not about one cell).
    void sheetProblem(OvCalcProblem::Kind kind, const Tvx_String& subject,
                      const Tvx_String& reason);

    // The last calculation's variables, kept for their strings' storage.
    Tvx_Array<OvVarCell> spareCells_;
    Tvx_Array<OvCalcFailure> failures_;
    OvCalcProblems problems_;

    // The loaded sheet version's plan; it serves while the variable list is the one it was
    // made for (`planBound_`).
    std::shared_ptr<OvCalcPlan> plan_;
    bool planBound_ = false;
    // The variables came from the plan, which knows their names to be distinct.
    bool declaredWithoutDuplicates_ = false;
    // The prepared copy this calculation runs on, if any; `preparedAllowed_` is off for a
    // rerun after the copy did not fit (`restartUnprepared_`).
    std::shared_ptr<const OvPreparedSheet> prepared_;
    bool preparedAllowed_ = true;
    bool restartUnprepared_ = false;
    // While the Calc area runs: the variables' name lookup.
    std::shared_ptr<const OvVarNameLookup> lookup_;
    // Per variable: its cell took a value of this calculation, so it has its type and holds no
    // text that setting the type would convert; setting the type again would change nothing.
    std::vector<bool> cellTyped_;
    // A variable's value before a result is written into it (the buffer serves every equation).
    std::wstring previousValue_;
};
