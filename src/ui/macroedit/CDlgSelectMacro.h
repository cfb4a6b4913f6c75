// CDlgSelectMacro.h - the choice of one macro of the library's macro folder, shown as
// thumbnails of their previews, narrowed by a grid of the candidates' property values (each
// with a check cell) that a button shows or hides.
#pragma once

#include "core/AcArray.h"
#include "macrodlg/select/Tvx_MacroPropsFilter.h"
#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CImageListCtrl;

class CDlgSelectMacro : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 8717;
    enum ControlId : int {
        kThumbnails = 1408,
        kToggle = 1409,
        kFilterGrid = 1407,
        kChooseLabel = 1352,
        kCountLabel = 1175,
        kNotPlacedLabel = 1353,
        kOnlyFitting = 9093,
    };

    explicit CDlgSelectMacro(QWidget* parent = nullptr);
    ~CDlgSelectMacro() override;

    // Filled by the launcher before DoModal.
    Tvx_String title;
    Tvx_StringArray names;
    AcArray<bool> flags;
    int defaultIndex = -1;
    int second = 0;
    bool flag = false;  // in: false disables the option; out: false after OK
    bool mode = false;
    Tvx_String chosen;  // the chosen macro drawing, after OK

    CImageListCtrl* thumbnails() const { return thumbnails_; }
    Tvx_Spread& filterGrid() { return grid_; }
    Tvx_MacroPropsFilter& filter() { return filter_; }
    bool largeMode() const { return largeMode_; }
    void toggleFilter();
    // A check cell of the filter grid changed (also for scripted tests).
    void onFilterChanged();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void fillFilterGrid();
    void showThumbnails();
    void showFilter();

    Tvx_MacroPropsFilter filter_;
    ovui::grid::QtGridHost host_;
    Tvx_Spread grid_;
    CImageListCtrl* thumbnails_ = nullptr;
    bool largeMode_ = false;
};

// Every name enabled.
bool StartDlgSelectMacro(const Tvx_String& title, const Tvx_StringArray& names,
                         const int& defaultIndex, const int& second, Tvx_String& chosen, bool& flag,
                         bool mode);
bool StartDlgSelectMacro(const Tvx_String& title, const Tvx_StringArray& names,
                         const AcArray<bool>& flags, const int& defaultIndex, const int& second,
                         Tvx_String& chosen, bool& flag, bool mode);
