// CalcPlan.h - one version of a standards sheet and what its calculations work out once and
// keep: the declared variables, their name lookup, per Calc cell the equation as it was read
// and the formula it compiled to, and prepared copies of the sheet. A cell's entry serves only
// while the cell holds exactly the text the entry was made from, so general variables and
// edited cells are always honoured.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "grid/CellStore.h"
#include "grid/Grid.h"
#include "grid/formula/Formula.h"

class OvVarCells;

// The name lookup of one variable list: each name (exactly as declared) to its index and each
// variable's cell coordinate. Only `ready` when every name is a plain word (ASCII letters,
// digits, "_"), where a name's whole-word matches are exactly the word tokens equal to it.
struct OvVarNameLookup {
    bool ready = false;
    std::unordered_map<std::wstring, int> nameIndex;
    std::unordered_map<std::wstring, int> foldedNameIndex;  // lower-cased name, first index
    std::vector<std::wstring> coords;
};

// Builds the lookup for a variable list without duplicate names.
std::shared_ptr<const OvVarNameLookup> buildVarNameLookup(const OvVarCells& cells);

// One Calc cell's equation, read and prepared.
struct OvCalcCellPlan {
    std::wstring text;       // the cell text it was made from
    bool hasEquals = false;  // "left = expression"
    bool native = false;     // a native function call (CallChild), run each time
    int varIndex = -1;       // the variable on the left; -1 when it is none
    Tvx_String left;
    Tvx_String expression;  // the right side as written (the whole text without "=")
    Tvx_String replaced;    // the right side with variable names as cell coordinates
    // The compiled right side; empty when it does not compile (the grid reports why).
    ovgrid::CompiledFormula formula;
};

// A copy of the sheet whose variable cells are typed and whose Calc equations are typed and
// compiled in their cells already (not computed; in a direct copy only typed), for
// calculations with the given general variables. Only made where it
// cannot change a result: no variable lives below the Calc header and no equation reads a
// cell there, so the equations still in text form while an earlier one computes are never
// read. `header` is where the Calc header stood; a calculation that finds it elsewhere does
// not use the copy.
struct OvPreparedSheet {
    Tvx_StringArray genVarNames;
    Tvx_StringArray genVarValues;
    int headerCol = 0;
    int headerRow = 0;
    // No cell of the sheet holds a formula: the equations are not placed in their cells but
    // computed from the stored values (Grid::evaluateAt).
    bool direct = false;
    std::shared_ptr<const ovgrid::Grid> sheet;  // null: these variables cannot be prepared
    std::unordered_map<ovgrid::CellKey, std::shared_ptr<const OvCalcCellPlan>> cells;
    // In a direct copy: the Calc area's cells that hold text, row by row and each row left to
    // right, with their prepared equations (null for a cell computed from its text each time).
    // The others stay empty in a calculation: nothing it writes lies below the header.
    struct AreaCell {
        int col = 0;
        int row = 0;
        std::shared_ptr<const OvCalcCellPlan> plan;
    };
    std::vector<AreaCell> area;
};

class OvCalcPlan {
  public:
    explicit OvCalcPlan(std::shared_ptr<const ovgrid::Grid> sheet) : sheet_(std::move(sheet)) {}

    // The sheet as its file holds it.
    const std::shared_ptr<const ovgrid::Grid>& sheet() const { return sheet_; }

    // The prepared copy (or the note that none can be made) for these general variables;
    // null when none was tried yet.
    std::shared_ptr<const OvPreparedSheet> prepared(const Tvx_StringArray& names,
                                                    const Tvx_StringArray& values) const;
    // Keeps a few of them, the newest first.
    void addPrepared(std::shared_ptr<const OvPreparedSheet> prepared);

    // The variables the sheet declares, as found in the freshly loaded sheet; null until
    // stored.
    std::shared_ptr<const OvVarCells> declared() const;
    void setDeclared(const OvVarCells& cells);
    // Whether two of the stored declarations share a name (ignoring case).
    bool declaredHasDuplicates() const;

    // Ties the plan to the variable list of its sheet on first use. False, for good, when a
    // later calculation brings another list: the plan then never serves.
    bool bind(const OvVarCells& cells);
    // The bound list's lookup (null before binding).
    std::shared_ptr<const OvVarNameLookup> lookup() const;

    // The entry of cell (col, row) if it was made from `text`; null otherwise.
    std::shared_ptr<const OvCalcCellPlan> find(int col, int row, const std::wstring& text) const;
    void store(int col, int row, std::shared_ptr<const OvCalcCellPlan> entry);

  private:
    struct VarKey {
        std::wstring name;
        int col = 0;
        int row = 0;
        int valueType = 0;
        bool operator==(const VarKey&) const = default;
    };
    static std::vector<VarKey> keysOf(const OvVarCells& cells);

    static constexpr std::size_t kMaxPrepared = 2;

    const std::shared_ptr<const ovgrid::Grid> sheet_;
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<const OvPreparedSheet>> prepared_;
    bool bound_ = false;
    bool usable_ = true;
    std::vector<VarKey> vars_;
    std::shared_ptr<const OvVarCells> declared_;
    bool declaredHasDuplicates_ = false;
    std::shared_ptr<const OvVarNameLookup> lookup_;
    std::unordered_map<ovgrid::CellKey, std::shared_ptr<const OvCalcCellPlan>> cells_;
};
