// OvCladdingDlgData.h - the record of the cladding settings dialog: the sheet that covers roofs
// and walls, how it is laid and fixed, and the insulation behind it. StartDlgCladdingSettings
// copies it back only on OK.
#pragma once

#include "core/Tvx_String.h"

class OvCladdingDlgData {
  public:
    OvCladdingDlgData() = default;
    OvCladdingDlgData(const OvCladdingDlgData&) = default;
    OvCladdingDlgData& operator=(const OvCladdingDlgData&) = default;
    virtual ~OvCladdingDlgData() = default;

    bool operator==(const OvCladdingDlgData&) const = default;

    Tvx_String profile = L"TR 35/207";
    double thickness = 0.75;     // mm
    double coverWidth = 1035;    // mm
    double endOverlap = 150;     // mm
    double fixingSpacing = 500;  // mm
    Tvx_String colour = L"RAL 9002";
    bool insulated = false;
    double insulationThickness = 100;  // mm
};

// Shows the cladding settings dialog; true (record updated) when the user confirms.
bool StartDlgCladdingSettings(OvCladdingDlgData& data);
