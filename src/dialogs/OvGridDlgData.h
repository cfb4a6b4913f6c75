// OvGridDlgData.h - the record of the grid dialog: a rectangular grid of construction lines with,
// for each of two directions, the number of lines, a distance text and the first line's name,
// plus one yes/no option. The launcher StartDlgGrid copies it back only on OK.
#pragma once

#include "core/Tvx_String.h"

class OvGridDlgData {
  public:
    OvGridDlgData() = default;
    OvGridDlgData(const OvGridDlgData&) = default;
    OvGridDlgData& operator=(const OvGridDlgData&) = default;
    virtual ~OvGridDlgData() = default;

    bool operator==(const OvGridDlgData&) const = default;

    int m_count1 = 4;
    Tvx_String m_distances1 = L"5000";
    Tvx_String m_firstName1 = L"A";
    int m_count2 = 3;
    Tvx_String m_distances2 = L"5000";
    Tvx_String m_firstName2 = L"1";
    bool m_option = false;
};

// Shows the grid dialog; true (record updated) when the user confirms.
bool StartDlgGrid(OvGridDlgData& data);
