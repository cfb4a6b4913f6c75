// CDlgMacroProfAdv.h - the profile detail dialog (template 220): section, material, offset type,
// rotation and coordinate system of a group of profiles. It reads and writes the profiles only
// through its callback, so every apply reaches the drawing while the dialog is open; OK applies
// once more. A pick in the drawing is framed by the hide and show notifications.
#pragma once

#include "macrodlg/detail/OvMACallBackData.h"
#include "ui/OvDialog.h"

class CDlgMacroProfAdv : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 220;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_PROFADVANCED";
    // Control ids.
    static constexpr int kRotation0 = 1237;
    static constexpr int kRotation90 = 1238;
    static constexpr int kRotation180 = 1239;
    static constexpr int kRotation270 = 1240;
    static constexpr int kWcsLabel = 1243;
    static constexpr int kCoordSys = 1244;
    static constexpr int kOffsetType = 1245;
    static constexpr int kApplyTo = 1246;
    static constexpr int kSection = 1247;
    static constexpr int kMaterial = 1248;
    static constexpr int kMorphed = 1250;
    static constexpr int kApply = 1251;
    static constexpr int kPick = 1223;
    static constexpr int kOption = 1257;
    // Controls with this object name only show for a morphed profile.
    static constexpr const char* kMorphedName = "Morphed";

    // `firstOption` is the caller's first option flag; with `offerOption` the dialog shows check
    // 1257, preset to `optionState`.
    CDlgMacroProfAdv(OvMACallBack callback, OvMACallBackData callbackData, bool firstOption,
                     bool offerOption = false, bool optionState = false, QWidget* parent = nullptr);

    const MacroProfData& profData() const { return m_prof; }
    bool optionChecked() const { return m_optionState; }
    bool firstOption() const { return m_firstOption; }
    // Reads the controls, sends them through the callback and shows the result.
    void apply();
    // The pick in the drawing: hide, notify, (the host picks), show, notify.
    void pickInDrawing();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void fillControls();
    void readControls();

    OvMACallBack m_callback;
    OvMACallBackData m_callbackData;
    MacroProfData m_prof;
    bool m_firstOption;
    bool m_offerOption;
    bool m_optionState;
    bool m_initialised = false;
};
