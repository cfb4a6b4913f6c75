// CMacroTabProf.h - a profile page of the macro parameter dialog: the merged properties of one
// group of profiles (section, material, offset type, rotation, base plane), chosen by group and
// profile. Every change goes to the drawing at once.
#pragma once

#include "core/Tvx_StringArray.h"
#include "ui/macrodlg/CMacroPage.h"

class CMacroTabGeneral;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

class CMacroTabProf : public CMacroPage {
    Q_OBJECT

  public:
    static constexpr int IDD = 219;
    enum ControlId : int {
        kDetails = 1114,
        kGroup = 1212,
        kProfile = 1213,
        kOffsetType = 1215,
        kRotation = 1219,
        kBasePlane = 1221,
        kChooseSection = 1222,
        kMaterial = 1224,
        kSection = 1316,
    };

    CMacroTabProf(CDlgMacro* owner, int pageIndex, QWidget* parent);

    void buildPage() override;
    void refreshValues() override;
    void applyPage() override;
    QSize wantedSize() const override;
    void retire() override;
    // The designed image with the grid of the unplaced variables; null for a tab without either.
    CMacroTabGeneral* imagePart() const { return image_; }
    QPushButton* chooseSectionButton() const { return chooseSection_; }

    QComboBox* combo(int id) const;
    QLineEdit* materialEdit() const { return material_; }

  private:
    void fillGroups();
    void showGroup();
    Tvx_String currentGroup() const;
    void onChooseSection();

    QComboBox* group_ = nullptr;
    QComboBox* profile_ = nullptr;
    QComboBox* section_ = nullptr;
    QLineEdit* material_ = nullptr;
    QComboBox* offsetType_ = nullptr;
    QComboBox* rotation_ = nullptr;
    QComboBox* basePlane_ = nullptr;
    QPushButton* details_ = nullptr;
    QPushButton* chooseSection_ = nullptr;
    QWidget* fixedControls_ = nullptr;
    CMacroTabGeneral* image_ = nullptr;
};
