// CDlgProfFeatures.h - the profile features dialog: part mark, material, finish, erection phase,
// remark and whether the profile is the main part of its assembly.
#pragma once

#include "dialogs/small/DlgProfFeaturesData.h"
#include "ui/OvDialog.h"

class CDlgProfFeatures : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kMark = 1541;
    static constexpr int kMaterial = 1542;
    static constexpr int kFinish = 1543;
    static constexpr int kPhase = 1544;
    static constexpr int kRemark = 1545;
    static constexpr int kMainPart = 1546;

    explicit CDlgProfFeatures(QWidget* parent = nullptr);

    DlgProfFeaturesData& data() { return m_data; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    DlgProfFeaturesData m_data;
};
