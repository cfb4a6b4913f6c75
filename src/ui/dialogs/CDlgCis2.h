// CDlgCis2.h - the CIS/2 options dialog (template 254): five yes/no options shown as two radio
// pairs and three check boxes, and a button that opens the profile-name translation editor.
#pragma once

#include "dialogs/OvDlgCis2Data.h"
#include "ui/OvDialog.h"

class CDlgCis2 : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 254;
    // Control ids.
    static constexpr int kOption1Yes = 1420;
    static constexpr int kOption1No = 1421;
    static constexpr int kIntro = 1422;
    static constexpr int kEditProfileNames = 1423;
    static constexpr int kOption2 = 1424;
    static constexpr int kOption4 = 1425;
    static constexpr int kOption3No = 1426;
    static constexpr int kOption5 = 1427;
    static constexpr int kOption3Yes = 1428;
    // The translation table the profile-names button edits.
    static constexpr const wchar_t* kProfileNamesFile = L"CIS2ProfNames.dat";

    explicit CDlgCis2(QWidget* parent = nullptr);

    OvDlgCis2Data& data() { return m_data; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void applyEnablingRule();
    void OnEditProfileNames();

    OvDlgCis2Data m_data;
};
