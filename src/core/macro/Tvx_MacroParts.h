// Tvx_MacroParts.h - the plain parts modules are made of: dialog variables, cuts, bolt patterns,
// bolt data and profiles (placed profiles of a profile module and the base profiles of a drawing).
#pragma once

#include <array>
#include <optional>

#include "core/Tvx_String.h"
#include "core/macro/OvCutOffsetType.h"
#include "host/AcDbObjectId.h"

// A dialog (constraint) variable of a module. Variables of one flex-fix group share a chain of
// dimensions: exactly one of them is flexible (it takes up the rest), the others are fixed.
struct Tvx_DialogVariable {
    Tvx_String name;
    double value = 0.0;
    bool visible = true;
    bool settable = true;  // a calculation or a user may change it
    Tvx_String flexGroup;  // empty: no flex-fix button
    bool flexible = false;
};

// A cut constraint: its offsets by kind; an offset the cut does not have is absent.
struct Tvx_Cut {
    AcDbObjectId id;
    Tvx_String name;
    int kind = 1;  // 1..6, the cut shapes of the cut dialog
    std::array<std::optional<double>, kCutOffsetTypeCount> offsets{};
};

inline constexpr int kPatternOneDirection = 281;
inline constexpr int kPatternTwoDirections = 282;

// A bolt pattern; the second direction exists only for type code 282.
struct Tvx_BoltPattern {
    AcDbObjectId id;
    Tvx_String name;
    int typeCode = kPatternOneDirection;
    int nrBolts1 = 1;
    int nrBolts2 = 1;
    bool reverseStart1 = false;
    bool reverseStart2 = false;
    int alternation = 1;  // 1..5, the alternation pictures of the pattern dialog

    bool hasSecondDirection() const { return typeCode == kPatternTwoDirections; }
};

// The bolt block of a bolt module.
struct Tvx_BoltData {
    Tvx_String assembly;
    double diameter = 0.0;
    double holeOffset = 0.0;
    double length = 0.0;
    Tvx_String grade;
};

// A profile: a placement of a profile module (named by its member name) or a base profile.
struct Tvx_Profile {
    AcDbObjectId id;
    Tvx_String memberName;
    Tvx_String sectionName;
    Tvx_String material;
    int offsetType = 0;  // insertion point, index into the offset type names
    int rotation = 0;    // degrees: 0, 90, 180 or 270
};
