// OvBracingDlgData.h - the record of the bracing dialog: the layout of a bracing bay, the section
// and material of its members, where they stop short of the frame and their gusset plates.
// StartDlgBracing copies it back only on OK.
#pragma once

#include "core/Tvx_String.h"

enum OvBracingType : int {
    kBracingCross = 0,
    kBracingSingleDiagonal = 1,
    kBracingK = 2,
    kBracingV = 3,
};
inline constexpr int kBracingTypeCount = 4;

class OvBracingDlgData {
  public:
    OvBracingDlgData() = default;
    OvBracingDlgData(const OvBracingDlgData&) = default;
    OvBracingDlgData& operator=(const OvBracingDlgData&) = default;
    virtual ~OvBracingDlgData() = default;

    bool operator==(const OvBracingDlgData&) const = default;

    int type = kBracingCross;
    Tvx_String section = L"L 60x6";
    Tvx_String material = L"S235";
    double endOffset = 50;        // mm, from the frame's system lines
    double gussetThickness = 10;  // mm
    bool tensionOnly = true;
};

// Shows the bracing dialog; true (record updated) when the user confirms.
bool StartDlgBracing(OvBracingDlgData& data);
