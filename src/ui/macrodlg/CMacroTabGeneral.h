// CMacroTabGeneral.h - a general page of the macro parameter dialog: the tab's designed image
// (run-time mode) with its controls bound to the tab, the grid of the elements the image does
// not place, and for a bolt page the bolt assembly and diameter.
#pragma once

#include "core/macro/MacroTabData.h"
#include "designer/Tvx_DlgDesignerData.h"
#include "macrodlg/MacroPageBinding.h"
#include "spread/Tvx_Spread.h"
#include "ui/grid/QtGridHost.h"
#include "ui/macrodlg/CMacroPage.h"

class DesignedPage;
class QComboBox;
class QLabel;
class QPushButton;

class CMacroTabGeneral : public CMacroPage {
    Q_OBJECT

  public:
    static constexpr int IDD = 8137;
    enum ControlId : int {
        kGrid = 1001,
        kAssembly = 1091,
        kDiameter = 1092,
        kAssemblyLabel = 1109,
        kDiameterLabel = 1110,
        kBoltDetails = 1114,
    };
    // Grid columns: name, (spare), value, detail button.
    static constexpr int kNameCol = 1;
    static constexpr int kValueCol = 3;
    static constexpr int kButtonCol = 4;

    CMacroTabGeneral(CDlgMacro* owner, int pageIndex, QWidget* parent);
    ~CMacroTabGeneral() override;

    void buildPage() override;
    void refreshValues() override;
    void applyPage() override;
    QSize wantedSize() const override;

    DesignedPage* designedPage() const { return designed_; }
    Tvx_DlgDesignerData& designer() { return designer_; }
    Tvx_Spread& grid() { return grid_; }
    bool gridShown() const;
    const MacroPageModel& model() const { return model_; }
    QComboBox* assemblyCombo() const { return assembly_; }
    QComboBox* diameterCombo() const { return diameter_; }
    // The grid row of a cell of the tab; 0 when the cell is not in the grid.
    int gridRowOfCell(const Tvx_String& name) const;

  private:
    void buildDesignedImage(MacroTabData& tab);
    void buildGrid();
    void buildBoltControls(const MacroTabData& tab);
    void showBindings();
    void connectDesignedControls();
    void onDesignedButton(int id);
    void onGridButton(int row);
    void openPatternDetail(const MacroPatternProps* pattern);
    void openBoltDetail();
    void onBlockChosen(QComboBox* box);
    void promptDimension(const Tvx_DesignerControl& control);
    // The text of a designed control (ctrl > 0) or of a grid row's value (ctrl < 0).
    Tvx_String controlText(int ctrl) const;
    void setControlText(int ctrl, const Tvx_String& text);
    // The tab with every control's value read back.
    MacroTabData readBack() const;

    Tvx_DlgDesignerData designer_;
    DesignedPage* designed_ = nullptr;
    QWidget* gridPlaceholder_ = nullptr;
    ovui::grid::QtGridHost host_;
    Tvx_Spread grid_;
    bool gridCreated_ = false;
    MacroPageModel model_;
    QLabel* assemblyLabel_ = nullptr;
    QComboBox* assembly_ = nullptr;
    QLabel* diameterLabel_ = nullptr;
    QComboBox* diameter_ = nullptr;
    QPushButton* boltDetails_ = nullptr;
};
