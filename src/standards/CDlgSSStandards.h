// CDlgSSStandards.h - the hidden dialog in which one standards sheet is computed. It is
// never shown: the pool (OvSSDlgsMgr) lends it to a calculation and takes it back. It holds
// the calculation grid (an OvCalcSS in place of its placeholder control) and the working
// copy of the caller's record.
#pragma once

#include "host/ErrorStatus.h"
#include "spread/HeadlessGridHost.h"
#include "standards/calc/OvCalcSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

class CDlgSSStandards {
  public:
    // Dialog template of the hidden dialog (a template without the visible style).
    static constexpr int IDD = 253;
    // The placeholder control the grid replaces.
    static constexpr int IDC_SS_GRID = 1196;

    explicit CDlgSSStandards(void* parentWindow = nullptr);
    virtual ~CDlgSSStandards();
    CDlgSSStandards(const CDlgSSStandards&) = delete;
    CDlgSSStandards& operator=(const CDlgSSStandards&) = delete;

    // Creates the (invisible) modeless dialog from a template; false when the template is
    // not the standards dialog's.
    bool Create(int templateId, void* parentWindow);
    // Destroys the window; the object stays until deleted.
    bool DestroyWindow();
    // Puts the calculation grid in place of the placeholder.
    bool OnInitDialog();

    bool isCreated() const { return created_; }
    void* parentWindow() const { return parent_; }

    // Runs one calculation on the working record; 0 on success (results in data()), else 3.
    Acad::ErrorStatus calculate();

    OvCalcSS& calcSS() { return calcSS_; }
    const OvCalcSS& calcSS() const { return calcSS_; }
    OvDlgStandardsData& data() { return data_; }
    const OvDlgStandardsData& data() const { return data_; }

  private:
    void* parent_ = nullptr;
    bool created_ = false;
    HeadlessGridHost host_;
    OvCalcSS calcSS_;
    OvDlgStandardsData data_;
};
