// MacroDetailRecords.h - the records of the macro detail dialogs that the tab records do not
// hold themselves: the bolt entries and check states of a bolt block, the entry rows and options
// of an array, the cuts dialog record, segmented profiles, and the profile detail's callback.
// Plain copyable records with value equality.
#pragma once

#include <array>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// One entry (row of bolts) of a bolt block. Only active entries are checked on OK.
struct MacroBoltEntry {
    bool active = true;
    Tvx_String count;    // bolts in the entry, a number above 0 when active
    Tvx_String spacing;  // distance between the bolts, a number above 0 when active
    Tvx_String edge;     // edge distance
    Tvx_String gauge;    // gauge
    int side = -1;       // 0 or 1, -1 no choice

    bool operator==(const MacroBoltEntry&) const = default;
};

// The detail fields of a bolt block. Check states: 0 off, 1 on, 2 mixed over several bolts;
// the option checks hold -1 when the option does not apply (the box is then disabled).
struct MacroBoltDetails {
    std::array<int, 4> states{};  // washer, nut, second washer, countersunk
    bool slotted = false;         // only offered when the block has a bolt count
    Tvx_Array<MacroBoltEntry> entries;
    std::array<int, 5> options{-1, -1, -1, -1, -1};

    bool operator==(const MacroBoltDetails&) const = default;
};

// The entry rows and options of an array. An alternation field without a choice holds -1.
struct DynArrayDetails {
    static constexpr int kColumns = 5;
    Tvx_Array<Tvx_StringArray> rows;  // kColumns texts each: module, count, spacing, offset, angle
    Tvx_String image;                 // the module image new entries use
    int alternateSide = -1;           // 0, 1 or -1
    int alternateStep = -1;           // 0..3 or -1
    bool addAlternating = false;
    int skip = 0;  // entries to skip, >= 0

    bool operator==(const DynArrayDetails&) const = default;
};

// The cut kinds of the cuts dialog, numbered from 1 in the order of their pictures.
enum class OvCutKind : int {
    ProfVsPlate = 1,
    ProfVsProf = 2,
    ProfInProf = 3,
    ProfVsProf3Segments = 4,
    Chamfer = 5,
    Fillet = 6,
};
inline constexpr int kCutKindCount = 6;

// One variable of a cut: its name (an offset key such as "Offset", "Radius" or a free name), its
// value as text and whether the value is taken from a general variable ("gen_" name).
struct DlgMacroCutVar {
    Tvx_String name;
    Tvx_String value;
    bool linked = false;

    bool operator==(const DlgMacroCutVar&) const = default;
};

// The record of the cuts dialog: one cut of a macro with the names of the macro's other cuts.
class DlgMacroCutsData {
  public:
    virtual ~DlgMacroCutsData() = default;

    bool newCut = true;
    Tvx_String name;
    int kind = 1;  // OvCutKind, 1..6
    Tvx_Array<DlgMacroCutVar> vars;
    int part = 0;              // 0..3: which part of the profile is cut
    int side = 1;              // 1 or 2
    bool keepContour = false;  // kinds with a profile against a profile
    bool bothEnds = false;     // chamfer and fillet
    bool mirror = false;       // chamfer and fillet
    Tvx_String text1;
    Tvx_String text2;
    Tvx_StringArray otherCutNames;  // the macro's other cuts

    // The variables a new cut of `kind` starts with (none for an unknown kind).
    static Tvx_Array<DlgMacroCutVar> GetDefaultValues(int kind);
    // True when another cut of the macro is already called `cutName` (ignoring case).
    bool CutNameInUse(const Tvx_String& cutName) const;
    // Every linked variable names a general variable: "gen_" and at least one letter, digit or
    // underscore, nothing else.
    bool AreVarNamesValid() const;

    bool operator==(const DlgMacroCutsData&) const = default;
};

// One segment of a segmented profile.
struct MacroProfSegment {
    Tvx_String length;
    Tvx_String sectionName;
    Tvx_String material;

    bool operator==(const MacroProfSegment&) const = default;
};

struct MacroSegmentedProf {
    Tvx_Array<MacroProfSegment> segments;

    bool operator==(const MacroSegmentedProf&) const = default;
};

// The record of the segmented-profile dialog: the segmented profiles of a group.
class MacroProfSegmentedData {
  public:
    virtual ~MacroProfSegmentedData() = default;

    Tvx_Array<MacroSegmentedProf> profiles;
    int current = 0;

    bool operator==(const MacroProfSegmentedData&) const = default;
};
