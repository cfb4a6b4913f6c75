// OvDlgCis2Data.h - the record of the CIS/2 options dialog: five yes/no options of the CIS/2
// exchange, whose meaning belongs to the caller. The launcher StartDlgCis2Info shows CDlgCis2 on
// it and copies it back only on OK.
#pragma once

class OvDlgCis2Data {
  public:
    OvDlgCis2Data() = default;
    OvDlgCis2Data(const OvDlgCis2Data&) = default;
    OvDlgCis2Data& operator=(const OvDlgCis2Data&) = default;
    virtual ~OvDlgCis2Data() = default;

    bool operator==(const OvDlgCis2Data&) const = default;

    bool m_option1 = true;
    bool m_option2 = true;
    bool m_option3 = false;
    bool m_option4 = false;
    bool m_option5 = false;
};

// Shows the CIS/2 options dialog; true (record updated) when the user confirms.
bool StartDlgCis2Info(OvDlgCis2Data& data);
