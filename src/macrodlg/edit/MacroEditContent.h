// MacroEditContent.h - what the macro editor's pages show and edit of a macro, read from the
// drawing when the editor opens and written back only on OK:
//   constraints      the current module's constraint variables: name, visible, settable,
//                    flex group, flexible ("1" / "0" for the flags)
//   geometries       the current module's cuts: name, kind, then one column per offset type
//                    (empty: the cut has no such offset)
//   variables        the drawing's general variables: name, value
//   dimensionValues  the current module's constraint values: name, value
//   equations        the definition's equations, one a line
//   commands         the definition's commands, one a line
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_MacroSettings.h"

class EditConstrData;

struct MacroEditContent {
    Tvx_TextTable constraints;
    Tvx_TextTable geometries;
    Tvx_TextTable variables;
    Tvx_TextTable dimensionValues;
    Tvx_StringArray equations;
    Tvx_StringArray commands;
};

// The column titles of the tables (the offset columns by their cut variable names).
Tvx_StringArray constraintColumns();
Tvx_StringArray geometryColumns();
Tvx_StringArray valueColumns();

// False without a macro definition.
bool readEditContent(const EditConstrData& data, MacroEditContent& content);
// Checks everything first: a value that is not a number, a flag that is not 0 or 1, a cut kind
// outside 1..6 or a row whose object the module does not have gives false with `error` naming
// the table, row and text, and nothing is written. A constraints row of another width than its
// columns also prints "*Error* Array size mismatch." on the host's command line. Rows are matched
// by name; new names in the variables table add general variables. With `checkOnly` nothing is
// written either way.
bool writeEditContent(const EditConstrData& data, const MacroEditContent& content,
                      Tvx_String& error, bool checkOnly = false);
