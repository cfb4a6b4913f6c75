// StringHelpers.h - free text functions over Tvx_String and Tvx_StringArray: splitting and
// joining, duplicates, unused names, column letters, file-name checks and random identifiers.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// Splits `text` at every `separator` into `array` (which is cleared first). Every part is kept,
// empty ones included: "a;;b;" -> {"a", "", "b", ""}. An empty text gives an empty array; an empty
// separator gives the whole text as the only part. arrToStr(strToArr(x)) == x for every x.
void strToArr(const Tvx_String& text, Tvx_StringArray& array, const Tvx_String& separator);
Tvx_StringArray strToArr(const Tvx_String& text, const Tvx_String& separator);

// Joins the entries with `separator` between them.
Tvx_String arrToStr(const Tvx_StringArray& array, const Tvx_String& separator);

// Splits `text` at the FIRST `symbol` into two parts, so that an equation keeps any further "="
// of its expression: "W = IF(a<=b,1,2)" -> {"W", "IF(a<=b,1,2)"}. Without the symbol the array
// holds the whole text as its only part. With `trim` true blanks around each part are removed.
// `array` is cleared first; the result is the number of parts (1 or 2).
int splitStringAtSymbol(const Tvx_String& text, const Tvx_String& symbol, Tvx_StringArray& array,
                        bool trim);

// True when the whole text is one number (see Tvx_String::isNumber).
bool isNumber(const Tvx_String& text);

// Duplicates among the entries. Names compare case-insensitively unless caseSensitive is true.
bool hasDuplicates(const Tvx_StringArray& array, bool caseSensitive = false);
// Indices (ascending) of every entry equal to an earlier one: {"a","b","A","a"} -> {2, 3}.
// Returns true when there is at least one.
bool getDuplicates(const Tvx_StringArray& array, Tvx_Array<int>& indices,
                   bool caseSensitive = false);

// `base` when it is not among `existing` (case-insensitive), else the first of base + "1",
// base + "2", ... that is not.
Tvx_String findNonExistingString(const Tvx_StringArray& existing, const Tvx_String& base);

// Finds the first run of decimal digits: "HEA100x5" -> start 3, length 3. False when the text has
// no digit (start and length then unchanged).
bool findFirstNumbers(const Tvx_String& text, int& start, int& length);

// Column letters as in A1 references: 1 -> "A", 26 -> "Z", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA".
// Columns below 1 give an empty text.
Tvx_String getAlfabet(int column);

// True when the text holds a character that Windows forbids in file names (\ / : * ? " < > |) or
// a control character. The same rule applies on every platform, so files stay portable.
bool hasInvalidFileNameChars(const Tvx_String& text);
// A name that can be used as one file or folder name and never leaves its folder: not blank,
// not "." or "..", and without the characters above.
bool isPlainFileName(const Tvx_String& name);

// A random identifier of `length` letters and digits (cryptographic-quality seed). False, with
// `out` unchanged, when length < 1 or no random source is available.
bool generateRandomString(Tvx_String& out, int length);

// `text` followed by `number` in decimal: append(L"Dim", 2) == "Dim2".
Tvx_String append(const Tvx_String& text, int number);
// The two texts joined: appStrs(L"Width", L"1") == "Width1".
Tvx_String appStrs(const Tvx_String& first, const Tvx_String& second);

// Replaces every occurrence of `from` in `text` (case flag as in Tvx_String::replace); returns the
// number of replacements.
int replaceSubString(Tvx_String& text, const Tvx_String& from, const Tvx_String& to,
                     bool caseSensitive = true);

// Rows <-> lines with the cells joined by `separator` (the cutting-stock files use U+00BF "¿").
void arrToArrArr(const Tvx_StringArray& lines, Tvx_Array<Tvx_StringArray>& rows,
                 const Tvx_String& separator);
void arrArrToArr(const Tvx_Array<Tvx_StringArray>& rows, Tvx_StringArray& lines,
                 const Tvx_String& separator);

// `text` cut to at most `limit` characters, ending in "... (N more characters)", so that a
// message never echoes a whole long formula or file line; line breaks become blanks.
Tvx_String shortenedText(const Tvx_String& text, int limit = 160);
