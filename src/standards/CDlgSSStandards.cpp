// CDlgSSStandards.cpp - window life of the hidden standards dialog and its one calculation.
#include "standards/CDlgSSStandards.h"

namespace {
// The placeholder's rectangle in the (never shown) dialog.
constexpr ovgrid::Rect kGridRect{10, 10, 610, 410};
}  // namespace

CDlgSSStandards::CDlgSSStandards(void* parentWindow) : parent_(parentWindow) {}

CDlgSSStandards::~CDlgSSStandards() {
    DestroyWindow();
}

bool CDlgSSStandards::Create(int templateId, void* parentWindow) {
    if (templateId != IDD) {
        return false;
    }
    parent_ = parentWindow;
    created_ = true;
    return OnInitDialog();
}

bool CDlgSSStandards::OnInitDialog() {
    if (calcSS_.isCreated()) {
        return true;
    }
    host_.addControl(IDC_SS_GRID, kGridRect);
    return calcSS_.create(&host_, IDC_SS_GRID, false);
}

bool CDlgSSStandards::DestroyWindow() {
    const bool wasCreated = created_;
    created_ = false;
    return wasCreated;
}

Acad::ErrorStatus CDlgSSStandards::calculate() {
    // A dialog made without its window (a pool's test factory) still gets its grid.
    if (!OnInitDialog()) {
        return Acad::eInvalidInput;
    }
    return calcSS_.calculate(data_);
}
