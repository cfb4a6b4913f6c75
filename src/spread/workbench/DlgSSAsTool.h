// DlgSSAsTool.h - the hidden grid dialog that bill output writes into (template 248, grid in
// place of control 1196), and its holder, which makes it once and keeps it.
#pragma once

#include <memory>

#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

class CDlgSSAsTool {
  public:
    static constexpr int IDD = 248;
    static constexpr int kGridId = 1196;

    CDlgSSAsTool();
    virtual ~CDlgSSAsTool() = default;
    CDlgSSAsTool(const CDlgSSAsTool&) = delete;
    CDlgSSAsTool& operator=(const CDlgSSAsTool&) = delete;

    // Makes the (never shown) window and its grid; false when the grid cannot be made.
    bool Create();
    bool isCreated() const { return m_grid.isCreated(); }
    Tvx_Spread& grid() { return m_grid; }

  private:
    HeadlessGridHost m_host;
    Tvx_Spread m_grid;
};

class DlgSSAsTool {
  public:
    DlgSSAsTool() = default;
    virtual ~DlgSSAsTool() = default;
    DlgSSAsTool(const DlgSSAsTool&) = delete;
    DlgSSAsTool& operator=(const DlgSSAsTool&) = delete;

    // Creates the hidden dialog on the first call; true when it exists.
    bool init();
    // The dialog's grid; null before init.
    Tvx_Spread* get();

  private:
    std::unique_ptr<CDlgSSAsTool> m_dlg;
};
