// OvSSOptionsData.h - the record of the column and row captions dialog: the number of columns and
// rows of a sheet, the height of its caption row and the width of its caption column in pixels,
// and one caption per column and per row. StartDlgSSOptions copies it back only on OK, with both
// caption lists as long as their counts.
#pragma once

#include "core/Tvx_StringArray.h"

class OvSSOptionsData {
  public:
    OvSSOptionsData() = default;
    OvSSOptionsData(const OvSSOptionsData&) = default;
    OvSSOptionsData& operator=(const OvSSOptionsData&) = default;
    virtual ~OvSSOptionsData() = default;

    bool operator==(const OvSSOptionsData&) const = default;

    int colCount = 3;
    int rowCount = 3;
    int captionRowHeight = 24;  // pixels
    int captionColWidth = 120;  // pixels
    Tvx_StringArray colCaptions;
    Tvx_StringArray rowCaptions;
};

// Shows the captions dialog; true (record updated) on OK.
bool StartDlgSSOptions(OvSSOptionsData& data);
