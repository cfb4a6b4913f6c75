// CDlgBracing.cpp - the bracing dialog and its launcher.
#include "ui/dialogs/small/CDlgBracing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/dialogs/small/FormFields.h"

using namespace ovui;

CDlgBracing::CDlgBracing(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    addChoiceRow(*this, form, kType, 9965, 9966, kBracingTypeCount);
    addTextRow(*this, form, kSection, 9970);
    addTextRow(*this, form, kMaterial, 9971);
    addNumberRow(*this, form, kEndOffset, 9972);
    addNumberRow(*this, form, kGusset, 9973);
    addCheckRow(*this, form, kTensionOnly, 9974);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(360);
}

bool CDlgBracing::OnInitDialog() {
    SetWindowText(dialString(9964));
    const int type = m_data.type >= 0 && m_data.type < kBracingTypeCount ? m_data.type : 0;
    comboBox(kType)->setCurrentIndex(type);
    SetDlgItemText(kSection, m_data.section);
    SetDlgItemText(kMaterial, m_data.material);
    SetDlgItemText(kEndOffset, numberText(m_data.endOffset));
    SetDlgItemText(kGusset, numberText(m_data.gussetThickness));
    CheckDlgButton(kTensionOnly, m_data.tensionOnly ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void CDlgBracing::OnOK() {
    OvBracingDlgData edited = m_data;
    if (!readNumberField(*this, kEndOffset, 9972, 0, 10000, edited.endOffset) ||
        !readNumberField(*this, kGusset, 9973, 1, 200, edited.gussetThickness)) {
        return;
    }
    edited.type = comboBox(kType)->currentIndex();
    edited.section = GetDlgItemText(kSection).trim();
    edited.material = GetDlgItemText(kMaterial).trim();
    edited.tensionOnly = IsDlgButtonChecked(kTensionOnly) == BST_CHECKED;
    m_data = edited;
    EndDialog(IDOK);
}

bool StartDlgBracing(OvBracingDlgData& data) {
    return ovui::runModalOnCopy<CDlgBracing>(data);
}
