// SSAreas.h - the four areas of a standards sheet, each introduced by a header cell whose whole
// text is "Input", "Output", "Local" or "Calc" (letter case ignored).
//
// An area begins in the row below its header. The Input, Output and Local areas end at the
// row of the next header below them (a declaration beside that header still belongs to the
// area above), or at the sheet's last row; Calc runs to the last row.
#pragma once

#include "core/Tvx_String.h"

class Tvx_Spread;

struct SSArea {
    int begin = -1;  // first row; -1 when the header is missing
    int end = -1;    // last row (inclusive)
    bool exists() const { return begin >= 0; }
};

struct SSAreas {
    SSArea input;
    SSArea output;
    SSArea local;
    SSArea calc;
};

inline const wchar_t* const kInputHeader = L"Input";
inline const wchar_t* const kOutputHeader = L"Output";
inline const wchar_t* const kLocalHeader = L"Local";
inline const wchar_t* const kCalcHeader = L"Calc";

// The first cell, rows top to bottom and columns left to right, whose value text equals `word`.
bool findAreaHeader(const Tvx_Spread& spread, const Tvx_String& word, int& col, int& row);

// The bounds of all four areas.
SSAreas findSSAreas(const Tvx_Spread& spread);
