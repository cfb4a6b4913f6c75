// CDlgSheetsMgr.h - the sheets manager (template 267): a palette docked in the host's main
// window that shows the drawing's sheets as two trees, the sheet tree (each sheet with its parts)
// and the part tree (each part with the sheets it is drawn on), with context menus whose choices
// are reported on the host's command line; "Change format" gives the sheet under the cursor the
// format "A4". Rows can be dragged out as names and names or drawing objects dropped in.
//
// StartModelessDlgSheetsMgr docks one palette (a second start only shows it again);
// EndModelessDlgSheetsMgr closes it.
#pragma once

#include "core/sheets/OvSheetsMgrDlgData.h"
#include "spread/tree/OvTreeSpread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class QMenu;
class COvDockControlBar;

namespace ovui::spread {
class OvTreeController;
}

class CDlgSheetsMgr : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 267;
    static constexpr int kGenerateOutput = 1177;
    static constexpr int kNext = 1179;
    static constexpr int kFilterCombo = 1180;
    static constexpr int kPrevious = 1181;
    static constexpr int kReview = 1182;
    static constexpr int kApplyFilter = 1183;
    static constexpr int kManualSelect = 1184;
    static constexpr int kReset = 1185;
    static constexpr int kSelectCombo = 1186;
    static constexpr int kHideShow = 1024;
    static constexpr int kTabs = 8097;
    static constexpr int kSheetTree = 1196;
    static constexpr int kPartTree = 1358;
    static constexpr int kChangeFormatItem = 9;
    static constexpr int kDefaultWidth = 500;
    static constexpr int kDefaultHeight = 400;

    explicit CDlgSheetsMgr(QWidget* parent = nullptr);
    ~CDlgSheetsMgr() override;

    OvSheetsMgrDlgData& data() { return m_data; }
    OvTreeSpread& sheetTree() { return m_sheetTree; }
    OvTreeSpread& partTree() { return m_partTree; }
    ovui::spread::OvTreeController* controller(int treeId) const;
    const Tvx_StringArray& sheetMenuTexts() const { return m_sheetMenuTexts; }
    const Tvx_StringArray& partMenuTexts() const { return m_partMenuTexts; }
    const Tvx_StringArray& outputMenuTexts() const { return m_outputMenuTexts; }
    QMenu* outputMenu() const { return m_dynMenu; }

    // Runs OnInitDialog for a palette that is shown inside a dock bar; false when it fails.
    bool initialiseModeless();
    // The choice of item n of a tree's popup (control id of the tree).
    void onTreeCommand(int treeId, int item);
    // Where the output menu opens: just below the button's left edge (global position).
    QPoint outputMenuPosition() const;

  protected:
    bool OnInitDialog() override;
    void OnCancel() override;

  private:
    bool initTree(OvTreeSpread& tree, int treeId, const Tvx_StringArray& menuTexts);
    void fillSheetTree();
    void fillPartTree();
    void finishTree(OvTreeSpread& tree);
    // The index of the sheet of a sheet-tree row (its top-level ancestor); -1 for none.
    int sheetIndexOfRow(int row) const;
    void onGenerateOutput();

    OvSheetsMgrDlgData m_data;
    ovui::grid::QtGridHost m_host;
    OvTreeSpread m_sheetTree;
    OvTreeSpread m_partTree;
    ovui::spread::OvTreeController* m_sheetController = nullptr;
    ovui::spread::OvTreeController* m_partController = nullptr;
    QMenu* m_dynMenu = nullptr;
    Tvx_StringArray m_sheetMenuTexts;
    Tvx_StringArray m_partMenuTexts;
    Tvx_StringArray m_outputMenuTexts;
    bool m_started = false;  // its size is worth remembering
};

// The palette's dock bar while it is open (null when closed).
COvDockControlBar* sheetsMgrBar();
