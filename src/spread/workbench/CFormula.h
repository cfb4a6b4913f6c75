// CFormula.h - the formula workbench ("Formulas", template 133) as an engine object: a grid
// that loads, saves and recalculates a sheet and switches the formula reference style. Run
// without being shown it is the engine behind FROMTABLE (mode 2), ReadSSFile (mode 4) and the
// evaluation of one cell (mode 1); a Qt view shows it in mode 0 and calls the button actions.
//
// Registered functions see the grid being evaluated as Grid::current(); a hidden workbench's
// evaluation makes its own grid current and restores the caller's when it ends, so nested
// FROMTABLE calls each answer for their own calling sheet.
#pragma once

#include <memory>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "grid/CustomFunction.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

class CFormula {
  public:
    static constexpr int IDD = 133;
    enum Mode { kWorkbench = 0, kEvaluateCell = 1, kFromTable = 2, kReadSheet = 4 };
    enum ControlId {
        IDOK = 1,
        IDCANCEL = 2,
        kPathEdit = 1000,
        kSaveButton = 1001,
        kGridPlaceholder = 1004,
        kStyleDefault = 1005,
        kStyleA1 = 1006,
        kStyleR1C1 = 1007,
        kSecondPlaceholder = 1008,
        kLoadButton = 1087,
        kAutoCalculate = 1106,
        kRecalculate = 1107
    };
    // Reference styles of the "Style" group.
    enum Style { kDefaultStyle = 0, kA1Style = 1, kR1C1Style = 2 };

    // Without a host the workbench places its grid on a headless one of its own.
    explicit CFormula(int mode = kWorkbench, const Tvx_String& path = Tvx_String(),
                      OvGridHost* host = nullptr);
    CFormula(const CFormula&) = delete;
    CFormula& operator=(const CFormula&) = delete;
    virtual ~CFormula() = default;

    // Mode 2: the pending call; the records belong to the caller and must outlive doModal.
    // `callingGrid` is the sheet whose formula called (target and argument cells live there).
    void setFromTableCall(ovgrid::SSValue* result, ovgrid::SSValue* args, int argCount,
                          ovgrid::Grid* callingGrid);
    // Mode 4: where the texts go (the first-cell text is kept in the workbench too).
    void setReadTargets(Tvx_StringArray* headers, Tvx_Array<Tvx_StringArray>* rows);
    // Mode 1: the cell to evaluate (1, 1 unless set).
    void setEvalCell(int col, int row);

    // Start-up, then the mode's job; modes 1, 2 and 4 end at once. IDOK or IDCANCEL.
    int doModal();
    bool onInitDialog();

    // --- workbench state and buttons
    const Tvx_String& filePath() const { return path_; }
    void setFilePath(const Tvx_String& path) { path_ = path; }  // edit 1000
    int style() const { return style_; }
    void onStyle(int style);  // radio buttons 1005..1007
    bool onSaveToFile();
    bool onLoadFromFile();
    bool autoCalculate() const { return autoCalc_; }
    void onAutoCalculate(bool on);
    bool recalculateEnabled() const { return !autoCalc_; }
    bool onRecalculate();

    // --- results
    int mode() const { return mode_; }
    bool loaded() const { return loaded_; }
    // Why the last load failed: the file and the cause (empty after a load that worked).
    const Tvx_String& loadError() const { return loadError_; }
    const Tvx_String& resultText() const { return result_; }    // mode 1
    const Tvx_String& firstCell() const { return firstCell_; }  // mode 4
    Tvx_Spread& spread() { return grid_; }
    const Tvx_Spread& spread() const { return grid_; }

  private:
    bool loadSheet();
    void readTexts();
    void evaluateCell();
    void evaluateFromTable();  // CFormulaFromTable.cpp
    void showFormulas();

    std::unique_ptr<HeadlessGridHost> ownHost_;
    OvGridHost* host_;
    Tvx_Spread grid_;
    Tvx_String path_;
    Tvx_String result_;
    Tvx_String firstCell_;
    int mode_;
    ovgrid::SSValue* callResult_ = nullptr;
    ovgrid::SSValue* callArgs_ = nullptr;
    int callArgCount_ = 0;
    Tvx_StringArray* headersOut_ = nullptr;
    Tvx_Array<Tvx_StringArray>* rowsOut_ = nullptr;
    int evalCol_ = 1;
    int evalRow_ = 1;
    ovgrid::Grid* callingGrid_ = nullptr;
    bool loaded_ = false;
    Tvx_String loadError_;
    bool autoCalc_ = false;
    int style_ = kDefaultStyle;
};
