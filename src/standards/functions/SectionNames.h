// SectionNames.h - the section system name as the spreadsheet functions use it.
#pragma once

#include "core/Tvx_String.h"

namespace ovfunctions {

// The section's system name from the library's section tables; the text itself when it names
// no known section.
Tvx_String systemNameOrSelf(const Tvx_String& section);

}  // namespace ovfunctions
