// OvVarCells.h - all declared variables of one standards sheet, in sheet order (Input area,
// then Output, then Local; rows top to bottom, columns left to right), with the mapping that
// binds them to a macro. A child sheet receives its variables by position, so the order
// matters.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "host/ErrorStatus.h"
#include "standards/mapping/OvSSMapping.h"
#include "standards/variables/OvVarCell.h"

class Tvx_Spread;
class OvDlgStandardsData;
class OvCalcProblems;

class OvVarCells {
  public:
    OvVarCells() = default;
    OvVarCells(const OvVarCells&) = default;
    OvVarCells& operator=(const OvVarCells&) = default;
    virtual ~OvVarCells() = default;

    int length() const { return cells_.length(); }
    const OvVarCell& operator[](int index) const { return cells_[index]; }
    OvVarCell& operator[](int index) { return cells_[index]; }
    void append(const OvVarCell& cell) { cells_.append(cell); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Drops the variables; the mapping stays.
    void resetVarCells() { cells_.removeAll(); }
    // Takes the variables of `other`; the mapping stays.
    void assignVarCells(const OvVarCells& other) { cells_ = other.cells_; }
    // The same in `storage`, an earlier list's (see releaseVarCells), whose strings serve again;
    // `storage` is left empty.
    void assignVarCells(const OvVarCells& other, Tvx_Array<OvVarCell>& storage) {
        storage.vector() = other.cells_.vector();
        cells_.vector().swap(storage.vector());
        storage.removeAll();
    }
    // Moves the variables out into `storage`, leaving the list empty; the mapping stays.
    void releaseVarCells(Tvx_Array<OvVarCell>& storage) {
        storage.vector().swap(cells_.vector());
        cells_.removeAll();
    }

    const OvSSMapping& mapping() const { return mapping_; }
    OvSSMapping& mapping() { return mapping_; }

    // Replaces the variables with the declarations of a loaded sheet. 3 when the sheet has no
    // Input or no Output header (the list is then left empty); a missing Local area is fine.
    Acad::ErrorStatus findVarCells(const Tvx_Spread& spread);

    // The first variable called `name` (ignoring case); 3 with `index` untouched when absent.
    Acad::ErrorStatus findVarCell(const Tvx_String& name, int& index) const;
    // Every Output variable takes what its cell shows; 3 at the first unreadable cell.
    Acad::ErrorStatus getValuesFromSS(const Tvx_Spread& spread);
    // Every variable is written, typed, into its cell; 3 at the first refusal.
    Acad::ErrorStatus setValuesToSS(Tvx_Spread& spread) const;
    // True when every Input variable has a namesake in `other` of the same value type and with
    // an equal value (ignoring case): a previous result for `other` can then be reused.
    bool hasSameInput(const OvVarCells& other) const;

    // Values of the Input and Output variables from the macro of `data`; Local ones are
    // emptied. See OvVarCellsMacro.cpp. A mapping that cannot be built and each variable that
    // cannot be read go into `problems` when given.
    Acad::ErrorStatus getFromMacro(const OvDlgStandardsData& data,
                                   OvCalcProblems* problems = nullptr);
    // Output values into the macro; single failures are skipped (and go into `problems` when
    // given), the result is always eOk.
    Acad::ErrorStatus setToMacro(const OvDlgStandardsData& data,
                                 OvCalcProblems* problems = nullptr) const;

    auto begin() const { return cells_.begin(); }
    auto end() const { return cells_.end(); }

  private:
    void appendArea(const Tvx_Spread& spread, int begin, int end, OvCellType type);

    Tvx_Array<OvVarCell> cells_;
    OvSSMapping mapping_;
};
