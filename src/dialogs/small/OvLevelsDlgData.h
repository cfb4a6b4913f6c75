// OvLevelsDlgData.h - the record of the levels dialog: the named elevations of a building (floor
// and roof levels), in the order the user keeps them. StartDlgLevels copies it back only on OK.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"

struct OvLevel {
    Tvx_String name;
    double elevation = 0;  // mm

    bool operator==(const OvLevel&) const = default;
};

class OvLevelsDlgData {
  public:
    OvLevelsDlgData() = default;
    OvLevelsDlgData(const OvLevelsDlgData&) = default;
    OvLevelsDlgData& operator=(const OvLevelsDlgData&) = default;
    virtual ~OvLevelsDlgData() = default;

    bool operator==(const OvLevelsDlgData&) const = default;

    Tvx_Array<OvLevel> levels;
};

// Shows the levels dialog; true (record updated) when the user confirms.
bool StartDlgLevels(OvLevelsDlgData& data);
