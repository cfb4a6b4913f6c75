// OvLookUpDlgData.h - the record of the lookup dialog: a title, the values to choose from and the
// chosen value (preselected when it is one of them). StartDlgLookUp copies it back only on OK.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class OvLookUpDlgData {
  public:
    OvLookUpDlgData() = default;
    OvLookUpDlgData(const OvLookUpDlgData&) = default;
    OvLookUpDlgData& operator=(const OvLookUpDlgData&) = default;
    virtual ~OvLookUpDlgData() = default;

    bool operator==(const OvLookUpDlgData&) const = default;

    Tvx_String title;  // empty: a general caption
    Tvx_StringArray values;
    Tvx_String value;
};

// The values that hold `filter` (ignoring case; every value for an empty filter), in order.
Tvx_StringArray filterLookUpValues(const Tvx_StringArray& values, const Tvx_String& filter);

// Shows the lookup dialog; true (value chosen) when the user confirms.
bool StartDlgLookUp(OvLookUpDlgData& data);
