// OvCalcProblems.h - what went wrong in a standards calculation, kept in the calculation record
// beside the messages the calculation shows (which depend on the warnings flag). A caller reads
// the list to tell a sound result from one computed with failed equations, variables the macro
// did not give or take, a failed child sheet or a missing mapping.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"

struct OvCalcProblem {
    enum Kind : int {
        Sheet,     // the sheet cannot be loaded or lacks an area
        Mapping,   // the mapping is missing or unreadable
        Variable,  // a variable could not be read from or written to the macro, or has no value
        Equation,  // a Calc cell did not compute
        Child,     // a child sheet failed
    };
    Kind kind = Sheet;
    Tvx_String sheet;    // the sheet file (application form)
    int row = 0;         // the Calc cell's row, 0 when not about a cell
    int col = 0;         // its column
    Tvx_String subject;  // the variable or the equation concerned; may be empty
    Tvx_String reason;

    // One line for a person: sheet (with "/" separators), place, subject and reason; long
    // equations are cut.
    Tvx_String describe() const;
};

class OvCalcProblems {
  public:
    void add(OvCalcProblem::Kind kind, const Tvx_String& sheet, const Tvx_String& subject,
             const Tvx_String& reason, int col = 0, int row = 0);
    void add(const OvCalcProblem& problem) { items_.append(problem); }
    void append(const OvCalcProblems& other);
    void removeAll() { items_.removeAll(); }
    bool isEmpty() const { return items_.isEmpty(); }
    int length() const { return items_.length(); }
    const OvCalcProblem& operator[](int index) const { return items_[index]; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    Tvx_Array<OvCalcProblem> items_;
};
