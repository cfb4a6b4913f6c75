// DlgProfFeaturesData.h - the record of the profile features dialog: what the shop needs to know
// of one profile beside its geometry (mark, material, finish, erection phase, remark).
// StartDlgProfFeatures copies it back only on OK.
#pragma once

#include "core/Tvx_String.h"

class DlgProfFeaturesData {
  public:
    DlgProfFeaturesData() = default;
    DlgProfFeaturesData(const DlgProfFeaturesData&) = default;
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData&) = default;
    virtual ~DlgProfFeaturesData() = default;

    bool operator==(const DlgProfFeaturesData&) const = default;

    Tvx_String mark;
    Tvx_String material = L"S355";
    Tvx_String finish = L"Primer";
    int phase = 1;
    Tvx_String remark;
    bool mainPart = false;
};

// Shows the profile features dialog; true (record updated) when the user confirms.
bool StartDlgProfFeatures(DlgProfFeaturesData& data);
