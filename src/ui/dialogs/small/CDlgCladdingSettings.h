// CDlgCladdingSettings.h - the cladding settings dialog: sheet profile, thickness, cover width,
// end overlap, fixing spacing, colour and insulation.
#pragma once

#include "dialogs/small/OvCladdingDlgData.h"
#include "ui/OvDialog.h"

class CDlgCladdingSettings : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kProfile = 1501;
    static constexpr int kThickness = 1502;
    static constexpr int kCoverWidth = 1503;
    static constexpr int kEndOverlap = 1504;
    static constexpr int kFixingSpacing = 1505;
    static constexpr int kColour = 1506;
    static constexpr int kInsulated = 1507;
    static constexpr int kInsulationThickness = 1508;

    explicit CDlgCladdingSettings(QWidget* parent = nullptr);

    OvCladdingDlgData& data() { return m_data; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    OvCladdingDlgData m_data;
};
