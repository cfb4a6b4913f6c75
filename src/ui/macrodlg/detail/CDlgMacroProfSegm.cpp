// CDlgMacroProfSegm.cpp - the segmented-profile dialog.
#include "ui/macrodlg/detail/CDlgMacroProfSegm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/macrodlg/detail/DetailWidgets.h"
#include "ui/resources/ModuleArtwork.h"

namespace {
using namespace ovui::detail;
constexpr int kColumns = 3;
}  // namespace

CDlgMacroProfSegm::CDlgMacroProfSegm(QWidget* parent) : OvDialog(kTemplateId, parent) {
    // The layout anchors the controls as the resizer did: the grid takes the extra room.
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(addControl(kProfiles, new QComboBox(this)), 1);
    auto* add = addControl(kAdd, new CButtonST(this));
    add->SetIcon(ovui::icons::kAdd);
    auto* remove = addControl(kRemove, new CButtonST(this));
    remove->SetIcon(ovui::icons::kDelete);
    top->addWidget(add);
    top->addWidget(remove);
    layout->addLayout(top);
    layout->addWidget(
        addControl(kGrid, makeTable(this, {dialString(9542), dialString(9531), dialString(9532)})),
        1);
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    resize(420, 320);

    connect(comboBox(kProfiles), qOverload<int>(&QComboBox::activated), this, [this](int index) {
        storeShown();
        showProfile(index);
    });
    connect(add, &CButtonST::clicked, this, [this] { addSegment(); });
    connect(remove, &CButtonST::clicked, this, [this] { removeSegment(); });
}

QTableWidget* CDlgMacroProfSegm::grid() const {
    return qobject_cast<QTableWidget*>(item(kGrid));
}

bool CDlgMacroProfSegm::OnInitDialog() {
    SetWindowText(dialString(1027));
    qobject_cast<CButtonST*>(item(kAdd))->SetTooltipText(dialString(1025));
    qobject_cast<CButtonST*>(item(kRemove))->SetTooltipText(dialString(1026));
    Tvx_StringArray names;
    for (int i = 0; i < m_data.profiles.length(); ++i) {
        names.append(dialString(1032) + L" nr." + Tvx_String::fromInt(i + 1));
    }
    fillCombo(comboBox(kProfiles), names);
    showProfile(m_data.profiles.isValid(m_data.current) ? m_data.current
                                                        : (m_data.profiles.isEmpty() ? -1 : 0));
    ChangeDlgSize(this, kSizeKey);
    m_initialised = true;
    return true;
}

void CDlgMacroProfSegm::showProfile(int index) {
    QTableWidget* table = grid();
    m_shown = m_data.profiles.isValid(index) ? index : -1;
    comboBox(kProfiles)->setCurrentIndex(m_shown);
    EnableItem(kAdd, m_shown >= 0);
    EnableItem(kRemove, m_shown >= 0);
    table->setRowCount(0);
    if (m_shown < 0) {
        return;
    }
    const Tvx_Array<MacroProfSegment>& segments = m_data.profiles[m_shown].segments;
    table->setRowCount(segments.length());
    for (int r = 0; r < segments.length(); ++r) {
        setCellText(table, r, 0, segments[r].length);
        setCellText(table, r, 1, segments[r].sectionName);
        setCellText(table, r, 2, segments[r].material);
    }
}

void CDlgMacroProfSegm::storeShown() {
    if (m_shown < 0) {
        return;
    }
    const QTableWidget* table = grid();
    Tvx_Array<MacroProfSegment> segments;
    for (int r = 0; r < table->rowCount(); ++r) {
        segments.append(
            MacroProfSegment{cellText(table, r, 0), cellText(table, r, 1), cellText(table, r, 2)});
    }
    m_data.profiles[m_shown].segments = segments;
}

void CDlgMacroProfSegm::addSegment() {
    QTableWidget* table = grid();
    // A new segment continues the one above it (or the current one) in section and material.
    const int from = table->currentRow() >= 0 ? table->currentRow() : table->rowCount() - 1;
    const int row = from + 1;
    table->insertRow(row);
    for (int c = 0; c < kColumns; ++c) {
        setCellText(table, row, c, c > 0 && from >= 0 ? cellText(table, from, c) : Tvx_String());
    }
    table->setCurrentCell(row, 0);
}

void CDlgMacroProfSegm::removeSegment() {
    QTableWidget* table = grid();
    const int row = table->currentRow();
    if (row >= 0) {
        table->removeRow(row);
    }
}

void CDlgMacroProfSegm::OnOK() {
    storeShown();
    m_data.current = std::max(m_shown, 0);
    EndDialog(IDOK);
}

void CDlgMacroProfSegm::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}
