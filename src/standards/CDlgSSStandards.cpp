// CDlgSSStandards.cpp - window life of the hidden standards dialog.
#include "standards/CDlgSSStandards.h"

CDlgSSStandards::CDlgSSStandards(void* parentWindow) : parent_(parentWindow) {}

CDlgSSStandards::~CDlgSSStandards() { DestroyWindow(); }

bool CDlgSSStandards::Create(int templateId, void* parentWindow) {
    if (templateId != IDD) {
        return false;
    }
    parent_ = parentWindow;
    created_ = true;
    return true;
}

bool CDlgSSStandards::DestroyWindow() {
    const bool wasCreated = created_;
    created_ = false;
    return wasCreated;
}
