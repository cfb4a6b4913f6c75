// CDlgGrid.cpp - the grid dialog and its launcher.
#include "ui/dialogs/CDlgGrid.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"

namespace {

struct DirectionIds {
    int group, countLabel, count, distancesLabel, distances, firstNameLabel, firstName;
};

constexpr DirectionIds kDirections[] = {
    {CDlgGrid::kGroup1, CDlgGrid::kCountLabel1, CDlgGrid::kCount1, CDlgGrid::kDistancesLabel1,
     CDlgGrid::kDistances1, CDlgGrid::kFirstNameLabel1, CDlgGrid::kFirstName1},
    {CDlgGrid::kGroup2, CDlgGrid::kCountLabel2, CDlgGrid::kCount2, CDlgGrid::kDistancesLabel2,
     CDlgGrid::kDistances2, CDlgGrid::kFirstNameLabel2, CDlgGrid::kFirstName2},
};

}  // namespace

CDlgGrid::CDlgGrid(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* directions = new QHBoxLayout;
    for (const DirectionIds& ids : kDirections) {
        auto* group = addControl(ids.group, new QGroupBox(this));
        auto* form = new QFormLayout(group);
        form->addRow(addControl(ids.countLabel, new QLabel(group)),
                     addControl(ids.count, new QLineEdit(group)));
        form->addRow(addControl(ids.distancesLabel, new QLabel(group)),
                     addControl(ids.distances, new QLineEdit(group)));
        form->addRow(addControl(ids.firstNameLabel, new QLabel(group)),
                     addControl(ids.firstName, new QLineEdit(group)));
        lineEdit(ids.distances)->setMinimumWidth(160);
        directions->addWidget(group);
    }
    layout->addLayout(directions);
    layout->addWidget(addControl(kOption, new QCheckBox(this)));
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
}

bool CDlgGrid::OnInitDialog() {
    SetWindowText(dialString(1463));
    SetDlgItemText(kGroup1, dialString(1464));
    SetDlgItemText(kGroup2, dialString(1465));
    for (const DirectionIds& ids : kDirections) {
        SetDlgItemText(ids.countLabel, dialString(1466));
        SetDlgItemText(ids.distancesLabel, dialString(1467));
        SetDlgItemText(ids.firstNameLabel, dialString(1468));
    }
    SetDlgItemText(kOption, dialString(1469));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));

    SetDlgItemText(kCount1, Tvx_String::fromInt(m_data.m_count1));
    SetDlgItemText(kDistances1, m_data.m_distances1);
    SetDlgItemText(kFirstName1, m_data.m_firstName1);
    SetDlgItemText(kCount2, Tvx_String::fromInt(m_data.m_count2));
    SetDlgItemText(kDistances2, m_data.m_distances2);
    SetDlgItemText(kFirstName2, m_data.m_firstName2);
    CheckDlgButton(kOption, m_data.m_option ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void CDlgGrid::OnOK() {
    // Counts take the leading integer of the text ("7x" -> 7, "x" -> 0); the texts are kept
    // exactly as typed. The caller decides what it accepts.
    m_data.m_count1 = GetDlgItemText(kCount1).toInt();
    m_data.m_distances1 = GetDlgItemText(kDistances1);
    m_data.m_firstName1 = GetDlgItemText(kFirstName1);
    m_data.m_count2 = GetDlgItemText(kCount2).toInt();
    m_data.m_distances2 = GetDlgItemText(kDistances2);
    m_data.m_firstName2 = GetDlgItemText(kFirstName2);
    m_data.m_option = IsDlgButtonChecked(kOption) == BST_CHECKED;
    EndDialog(IDOK);
}

bool StartDlgGrid(OvGridDlgData& data) {
    return ovui::runModalOnCopy<CDlgGrid>(data);
}
