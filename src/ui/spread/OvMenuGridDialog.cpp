// OvMenuGridDialog.cpp - the grid with the standard context menu, and its launcher.
#include "ui/spread/OvMenuGridDialog.h"

#include <QVBoxLayout>

#include "core/OvTempResourceOverride.h"
#include "ui/ModalLauncher.h"

OvMenuGridDialog::OvMenuGridDialog(QWidget* parent) : OvDialog(kTemplateId, parent), m_host(this) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = addControl(kGrid, new QWidget(this));
    grid->setMinimumSize(480, 220);
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(grid, 1);
    layout->addLayout(createOkCancelRow());
}

OvMenuGridDialog::~OvMenuGridDialog() = default;

bool OvMenuGridDialog::OnInitDialog() {
    SetWindowText(L"Grid");
    if (!m_spread.create(&m_host, kGrid, true)) {
        return false;
    }
    m_spread.setMaxCols(kColumns);
    m_spread.setMaxRows(kRows);
    using S = Tvx_Spread;
    m_spread.setContextMenuItems({S::kMenuCopy, S::kMenuPaste, S::kMenuSeparator, S::kMenuInsertRow,
                                  S::kMenuDeleteRow, S::kMenuSeparator, S::kMenuInsertCol,
                                  S::kMenuDeleteCol, S::kMenuSeparator, S::kMenuCheckAll,
                                  S::kMenuUncheckAll});
    return true;
}

extern "C" bool ovssShowMenuGrid() {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    OvMenuGridDialog dialog;
    return dialog.DoModal() == IDOK;
}
