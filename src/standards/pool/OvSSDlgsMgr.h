// OvSSDlgsMgr.h - the process-wide pool of hidden standards dialogs. Every standards
// calculation borrows one for its whole run; a nested ("CallChild") calculation borrows
// another while its parent still holds one, so dialogs are lent by flag.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "host/AcadTypes.h"

class CDlgSSStandards;

class OvSSDlgsMgr {
  public:
    OvSSDlgsMgr() = default;
    // Copies share the dialogs (pointers and flags are copied, not the dialogs). A dialog
    // is deleted when the last pool that holds it lets it go, so destroying a copy and its
    // original never deletes a dialog twice.
    OvSSDlgsMgr(const OvSSDlgsMgr&) = default;
    OvSSDlgsMgr& operator=(const OvSSDlgsMgr&) = default;
    virtual ~OvSSDlgsMgr();

    // Lends the free dialog with the lowest index, or creates a new one. Null only when a
    // new dialog cannot be created.
    void* getDlg();
    // Takes a lent dialog back; eInvalidInput for a pointer the pool does not hold.
    Acad::ErrorStatus releaseDlg(void* dlg);
    // Destroys every dialog, last first.
    void destroyAll();

    int dialogCount() const { return static_cast<int>(dialogs_.size()); }
    bool isInUse(int index) const;

    // Test seam: how new dialogs are made (default: a hidden CDlgSSStandards on the host's
    // main window). The factory may return null to simulate a failed creation.
    using Factory = std::function<CDlgSSStandards*()>;
    void setFactory(Factory factory) { factory_ = std::move(factory); }

  private:
    Acad::ErrorStatus destroyDlg(const int& index);
    CDlgSSStandards* createDialog() const;

    static constexpr std::size_t kGrowStep = 8;
    std::vector<std::shared_ptr<CDlgSSStandards>> dialogs_;
    std::vector<bool> inUse_;
    Factory factory_;
};

extern OvSSDlgsMgr gSSDlgsMgr;
