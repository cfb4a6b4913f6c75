// CDlgEditProfCuts.h - the profile cuts dialog: the cut at each end of a profile (kind and angle
// from square), the clearance at the cut, and "both ends alike", which the module remembers.
#pragma once

#include "dialogs/small/DlgProfCutsData.h"
#include "ui/OvDialog.h"

class CDlgEditProfCuts : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kStartKind = 1561;
    static constexpr int kStartAngle = 1562;
    static constexpr int kEndKind = 1563;
    static constexpr int kEndAngle = 1564;
    static constexpr int kClearance = 1565;
    static constexpr int kBothAlike = 1566;

    explicit CDlgEditProfCuts(QWidget* parent = nullptr);

    DlgProfCutsData& data() { return m_data; }
    // The remembered setting: in before DoModal, out after OK.
    int& bothEndsAlike() { return m_bothAlike; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void applyAlikeRule();

    DlgProfCutsData m_data;
    int m_bothAlike = 1;
};
