// MacroRecords.h - the element records of a macro dialog tab (MacroTabData): cells, bolt
// patterns, the bolt block, profile groups, cuts, flex-fix buttons and arrays. Values travel as
// text. A control reference is an int: > 0 a control id on the designed image, -r row r of the
// page's grid, below 1 not shown yet.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroDetailRecords.h"

// A dialog variable as the page shows it; type 1 is a check value, 2 a plain value, 3 and 4 a
// list (the items in the value text), 5 a special cell.
struct MacroCellData {
    Tvx_String name;
    Tvx_String displayName;
    Tvx_String value;
    int type = 2;
    bool readOnly = false;
    int ctrl = 0;

    bool operator==(const MacroCellData&) const = default;
};

// A bolt count given as text: a whole number of at least 1, else -1.
int parseBoltCount(const Tvx_String& text);

struct MacroPatternProps {
    Tvx_String name;
    int typeCode = 281;  // 282: the pattern has a second direction
    Tvx_String count1;   // bolts in the first direction, as text
    Tvx_String count2;   // bolts in the second direction (282 only)
    bool reverseStart1 = false;
    bool reverseStart2 = false;
    int alternation = 1;  // 1..5
    bool hasDetails = true;
    int nameCtrl = 0;
    int countCtrl = 0;
    int btnCtrl = 0;

    // The first direction's count when it is a whole number of at least 1, else -1 (unknown).
    int getCount() const;
    int getCount2() const;
    bool hasSecondDirection() const { return typeCode == 282; }
    bool operator==(const MacroPatternProps&) const = default;
};

struct MacroBoltData {
    Tvx_String assembly;
    Tvx_String diameter;
    Tvx_String holeOffset;
    Tvx_String length;
    Tvx_String grade;
    int count = 0;                           // number of bolts the block stands for
    Tvx_Array<Tvx_StringArray> holeColumns;  // rows of the five hole columns
    int ctrl = 0;
    // --- bolt detail dialog (MacroDetailRecords.h) ---
    MacroBoltDetails details;

    void getHoleColumns(Tvx_Array<Tvx_StringArray>& rows) const { rows = holeColumns; }
    void setHoleColumns(const Tvx_Array<Tvx_StringArray>& rows) { holeColumns = rows; }
    bool operator==(const MacroBoltData&) const = default;
};

// The properties of one placed profile, or the merged properties of a group of them: a text
// left empty or a number of -1 means the profiles of the group differ ("mixed").
struct MacroProfData {
    Tvx_String groupName;  // the member name the profile was placed with
    Tvx_String memberName;
    Tvx_String sectionName;
    Tvx_String material;
    int offsetType = 0;
    int rotation = 0;
    int basePlane = 0;
    bool morphed = false;
    int ctrl = 0;

    bool operator==(const MacroProfData&) const = default;
};

struct MacroCutData {
    Tvx_String name;
    Tvx_String number;
    int ctrl = 0;

    bool operator==(const MacroCutData&) const = default;
};

// One flex-fix button: the variable it belongs to and whether that variable is flexible.
struct MacroFlexFixData {
    Tvx_String group;
    Tvx_String variable;
    bool flexible = false;
    int ctrl = 0;

    bool operator==(const MacroFlexFixData&) const = default;
};

// A dynamic array of a tab (a row of repeated elements).
struct DynArrayData {
    Tvx_String name;
    int kind = 0;
    Tvx_StringArray fields;   // the text fields of the array, in order
    Tvx_StringArray entries;  // entry texts, in order
    int nameCtrl = 0;
    int btnCtrl = 0;
    // --- array detail dialog (MacroDetailRecords.h) ---
    DynArrayDetails details;

    bool getEntry(int index, Tvx_String& text) const;  // false out of range
    bool operator==(const DynArrayData&) const = default;
};
