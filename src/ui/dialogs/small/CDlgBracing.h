// CDlgBracing.h - the bracing dialog: the layout of a bracing bay, the section and material of
// its members, their end offset, the gusset plate thickness and whether they carry tension only.
#pragma once

#include "dialogs/small/OvBracingDlgData.h"
#include "ui/OvDialog.h"

class CDlgBracing : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kType = 1521;
    static constexpr int kSection = 1522;
    static constexpr int kMaterial = 1523;
    static constexpr int kEndOffset = 1524;
    static constexpr int kGusset = 1525;
    static constexpr int kTensionOnly = 1526;

    explicit CDlgBracing(QWidget* parent = nullptr);

    OvBracingDlgData& data() { return m_data; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    OvBracingDlgData m_data;
};
