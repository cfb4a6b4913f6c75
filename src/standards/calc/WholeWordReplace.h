// WholeWordReplace.h - replacing names by values where they stand as whole words, as the
// standards calculation does for general variables and for variable names in equations.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// True for the characters a name's whole word is made of: ASCII letters, digits and "_".
bool isWholeWordChar(wchar_t ch);

// For each name in order (as many as the shorter list has), every occurrence that is not part
// of a longer word (the characters around it are no ASCII letter, digit or "_") is replaced by
// the value at the same index; the search goes on after the inserted value, so a value is never
// rescanned for the same name. With `quote` a value that is not a number goes in between double
// quotes. Names compare case-sensitively. True when anything was replaced.
bool replaceWholeWords(Tvx_String& text, const Tvx_StringArray& names,
                       const Tvx_StringArray& values, bool quote);

// The same for one name.
bool replaceWholeWord(Tvx_String& text, const Tvx_String& name, const Tvx_String& value,
                      bool quote);

// replaceWholeWords (without quoting) in one pass, for names made of whole-word characters
// only: `nameIndex` maps each non-empty name to its position in the name list (the first one
// for a repeated name), `values` holds the values by position. A value put in is a word that a
// later name may match, as in the name-by-name replacement.
Tvx_String replaceWholeWordsByLookup(const std::wstring& text,
                                     const std::unordered_map<std::wstring, int>& nameIndex,
                                     const std::vector<std::wstring>& values);
