// DlgSSAsTool.cpp - the hidden bill-output grid dialog.
#include "spread/workbench/DlgSSAsTool.h"

namespace {
constexpr ovgrid::Rect kDialogRect{0, 0, 400, 300};
constexpr ovgrid::Rect kGridRect{0, 0, 400, 300};
}  // namespace

CDlgSSAsTool::CDlgSSAsTool() : m_host(kDialogRect) {
    m_host.addControl(kGridId, kGridRect);
}

bool CDlgSSAsTool::Create() {
    return m_grid.isCreated() || m_grid.create(&m_host, kGridId, true);
}

bool DlgSSAsTool::init() {
    if (!m_dlg) {
        auto dialog = std::make_unique<CDlgSSAsTool>();
        if (!dialog->Create()) {
            return false;
        }
        m_dlg = std::move(dialog);
    }
    return true;
}

Tvx_Spread* DlgSSAsTool::get() {
    return m_dlg ? &m_dlg->grid() : nullptr;
}
