// CFormulaView.h - the visible "Formulas" workbench (template 133, the workbench mode of
// CFormula): a sheet in a grid view with the path of its file, Save to File and Load from File,
// the formula reference style, automatic calculation and Recalculate. Every button is an action
// of the engine workbench CFormula; this dialog only shows it and forwards what the user does.
#pragma once

#include <memory>

#include "spread/workbench/CFormula.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CFormulaView : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kStyleGroup = 1009;  // the "Style" group box (no id of its own)

    explicit CFormulaView(const Tvx_String& path = Tvx_String(), QWidget* parent = nullptr);
    ~CFormulaView() override;

    CFormula& workbench() { return *m_workbench; }
    Tvx_Spread& spread() { return m_workbench->spread(); }
    // Start-up for a workbench shown inside another window (a dock bar) instead of by DoModal.
    bool initialiseModeless() { return OnInitDialog(); }

  protected:
    bool OnInitDialog() override;

  private:
    void onStyle(int style);
    void onAutoCalculate(bool on);
    void refreshGrid();

    ovui::grid::QtGridHost m_host;
    std::unique_ptr<CFormula> m_workbench;
};

// The sheet EvaluateSS opens: a fixed file of the library.
Tvx_String evaluateSSFile();
// Opens the workbench modally on evaluateSSFile() (a development aid).
void EvaluateSS();
