// CDlgGenVars.h - the general variables dialog (template 256): one editable grid for the drawing
// general variables and one for the standards general variables, each with Add, Remove and move
// buttons and a "..." button per row that adds drawings from the library's "Macros\\" folder to
// the row's filter. Works on a copy of the record; StartDlgGenVars copies back only on OK.
#pragma once

#include "spread/OvAutoStandardsData.h"
#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CDlgGenVars : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 256;
    // Drawing grid and its buttons.
    static constexpr int kDwgGrid = 1434;
    static constexpr int kDwgAdd = 1435;
    static constexpr int kDwgRemove = 1436;
    static constexpr int kDwgLabel = 1437;
    static constexpr int kDwgUp = 1438;
    static constexpr int kDwgDown = 1439;
    // Standards grid and its buttons.
    static constexpr int kStdUp = 1440;
    static constexpr int kStdDown = 1441;
    static constexpr int kStdRemove = 1442;
    static constexpr int kStdAdd = 1443;
    static constexpr int kStdGrid = 1444;
    static constexpr int kStdLabel = 1445;

    explicit CDlgGenVars(QWidget* parent = nullptr);
    ~CDlgGenVars() override;

    OvAutoStandardsData& data() { return m_data; }
    Tvx_Spread& dwgGrid() { return m_dwgGrid; }
    Tvx_Spread& stdGrid() { return m_stdGrid; }

    // The "..." button of `row` in the grid with this control id: adds chosen drawings to the
    // row's filter.
    void chooseDrawings(int gridId, int row);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    struct GridSetup;
    Tvx_Spread& gridOf(int gridId) { return gridId == kDwgGrid ? m_dwgGrid : m_stdGrid; }
    bool initGrid(const GridSetup& setup);
    void reformat(Tvx_Spread& grid);
    int selectedRow(Tvx_Spread& grid) const;
    void onAdd(int gridId);
    void onRemove(int gridId);
    void onMove(int gridId, int step);

    OvAutoStandardsData m_data;
    ovui::grid::QtGridHost m_host;
    Tvx_Spread m_dwgGrid;
    Tvx_Spread m_stdGrid;
};
