// UnknownNames.h - names in a formula that the grid cannot know: words that are not cell
// references, not TRUE or FALSE, not a function call and not inside a quoted text. After the
// variables have become coordinates, such a word is a misspelt or undeclared variable.
#pragma once

#include "core/Tvx_StringArray.h"

Tvx_StringArray unknownNames(const Tvx_String& formula);
