// OvSSDlgsMgr.cpp - lending, taking back and destroying pooled standards dialogs.
#include "standards/pool/OvSSDlgsMgr.h"

#include <algorithm>

#include "host/HostWindow.h"
#include "standards/CDlgSSStandards.h"

OvSSDlgsMgr::~OvSSDlgsMgr() {
    destroyAll();
}

bool OvSSDlgsMgr::isInUse(int index) const {
    return index >= 0 && index < static_cast<int>(inUse_.size()) && inUse_[index];
}

void* OvSSDlgsMgr::getDlg() {
    for (std::size_t i = 0; i < inUse_.size(); ++i) {
        if (inUse_[i]) {
            continue;
        }
        if (i >= dialogs_.size()) {
            break;
        }
        inUse_[i] = true;
        return dialogs_[i].get();
    }
    CDlgSSStandards* dlg = createDialog();
    if (dlg == nullptr) {
        return nullptr;
    }
    if (dialogs_.size() == dialogs_.capacity()) {
        dialogs_.reserve(dialogs_.size() + kGrowStep);
    }
    dialogs_.emplace_back(dlg);
    inUse_.push_back(true);
    return dlg;
}

CDlgSSStandards* OvSSDlgsMgr::createDialog() const {
    if (factory_) {
        return factory_();
    }
    void* mainWindow = adsw_acadMainWnd();
    auto* dlg = new CDlgSSStandards(mainWindow);
    if (!dlg->Create(CDlgSSStandards::IDD, mainWindow)) {
        delete dlg;
        return nullptr;
    }
    return dlg;
}

Acad::ErrorStatus OvSSDlgsMgr::releaseDlg(void* dlg) {
    auto it = std::find_if(dialogs_.begin(), dialogs_.end(),
                           [dlg](const auto& held) { return held.get() == dlg; });
    if (dlg == nullptr || it == dialogs_.end()) {
        return Acad::eInvalidInput;
    }
    const auto index = static_cast<std::size_t>(it - dialogs_.begin());
    if (index >= inUse_.size()) {
        return Acad::eInvalidInput;
    }
    inUse_[index] = false;
    return Acad::eOk;
}

void OvSSDlgsMgr::destroyAll() {
    for (int i = static_cast<int>(dialogs_.size()) - 1; i >= 0; --i) {
        destroyDlg(i);
    }
    inUse_.clear();
}

Acad::ErrorStatus OvSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= static_cast<int>(dialogs_.size()) || dialogs_[index] == nullptr) {
        return Acad::eInvalidInput;
    }
    // The window goes now; the object goes with the last pool that holds it.
    dialogs_[index]->DestroyWindow();
    dialogs_.erase(dialogs_.begin() + index);
    return Acad::eOk;
}
