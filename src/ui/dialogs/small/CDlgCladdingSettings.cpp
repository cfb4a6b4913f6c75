// CDlgCladdingSettings.cpp - the cladding settings dialog and its launcher.
#include "ui/dialogs/small/CDlgCladdingSettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/dialogs/small/FormFields.h"

using namespace ovui;

CDlgCladdingSettings::CDlgCladdingSettings(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    addTextRow(*this, form, kProfile, 9955);
    addNumberRow(*this, form, kThickness, 9956);
    addNumberRow(*this, form, kCoverWidth, 9957);
    addNumberRow(*this, form, kEndOverlap, 9959);
    addNumberRow(*this, form, kFixingSpacing, 9960);
    addTextRow(*this, form, kColour, 9961);
    addCheckRow(*this, form, kInsulated, 9962);
    addNumberRow(*this, form, kInsulationThickness, 9963);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(380);
    connect(checkBox(kInsulated), &QCheckBox::toggled, this,
            [this](bool on) { EnableItem(kInsulationThickness, on); });
}

bool CDlgCladdingSettings::OnInitDialog() {
    SetWindowText(dialString(9954));
    SetDlgItemText(kProfile, m_data.profile);
    SetDlgItemText(kThickness, numberText(m_data.thickness));
    SetDlgItemText(kCoverWidth, numberText(m_data.coverWidth));
    SetDlgItemText(kEndOverlap, numberText(m_data.endOverlap));
    SetDlgItemText(kFixingSpacing, numberText(m_data.fixingSpacing));
    SetDlgItemText(kColour, m_data.colour);
    CheckDlgButton(kInsulated, m_data.insulated ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kInsulationThickness, numberText(m_data.insulationThickness));
    EnableItem(kInsulationThickness, m_data.insulated);
    return true;
}

void CDlgCladdingSettings::OnOK() {
    OvCladdingDlgData edited = m_data;
    const bool insulated = IsDlgButtonChecked(kInsulated) == BST_CHECKED;
    if (!readNumberField(*this, kThickness, 9956, 0.1, 50, edited.thickness) ||
        !readNumberField(*this, kCoverWidth, 9957, 1, 5000, edited.coverWidth) ||
        !readNumberField(*this, kEndOverlap, 9959, 0, 2000, edited.endOverlap) ||
        !readNumberField(*this, kFixingSpacing, 9960, 1, 10000, edited.fixingSpacing) ||
        (insulated && !readNumberField(*this, kInsulationThickness, 9963, 0, 1000,
                                       edited.insulationThickness))) {
        return;
    }
    edited.profile = GetDlgItemText(kProfile).trim();
    edited.colour = GetDlgItemText(kColour).trim();
    edited.insulated = insulated;
    m_data = edited;
    EndDialog(IDOK);
}

bool StartDlgCladdingSettings(OvCladdingDlgData& data) {
    return ovui::runModalOnCopy<CDlgCladdingSettings>(data);
}
