// StandardSizesFile.h - the standard-sizes file read by the tolerance functions: one size per
// line, either "first" or "first x second" (plate width x thickness, "200x10"), with "/* */" and
// "//" comments.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"

namespace ovfunctions {

struct StandardSize {
    double first = 0.0;
    double second = 0.0;  // 0 for a line without "x"
};

// The line with its block comments ("/*" to "*/", or to the end when unclosed) and its line
// comment ("//" to the end) removed.
Tvx_String removeSizeComments(const Tvx_String& line);

// One line (comments already removed) as a size; false for a blank line.
bool parseStandardSize(const Tvx_String& line, StandardSize& size);

// The sizes of the file in file order; empty when the file cannot be read.
Tvx_Array<StandardSize> readStandardSizes(const Tvx_String& path);

}  // namespace ovfunctions
