// CDlgProfFeatures.cpp - the profile features dialog and its launcher.
#include "ui/dialogs/small/CDlgProfFeatures.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/dialogs/small/FormFields.h"

using namespace ovui;

CDlgProfFeatures::CDlgProfFeatures(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    addTextRow(*this, form, kMark, 9976);
    addTextRow(*this, form, kMaterial, 9971);
    addTextRow(*this, form, kFinish, 9977);
    addNumberRow(*this, form, kPhase, 9978);
    addTextRow(*this, form, kRemark, 9979);
    addCheckRow(*this, form, kMainPart, 9980);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(380);
}

bool CDlgProfFeatures::OnInitDialog() {
    SetWindowText(dialString(9975));
    SetDlgItemText(kMark, m_data.mark);
    SetDlgItemText(kMaterial, m_data.material);
    SetDlgItemText(kFinish, m_data.finish);
    SetDlgItemText(kPhase, Tvx_String::fromInt(m_data.phase));
    SetDlgItemText(kRemark, m_data.remark);
    CheckDlgButton(kMainPart, m_data.mainPart ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

void CDlgProfFeatures::OnOK() {
    double phase = 0;
    if (!readNumberField(*this, kPhase, 9978, 0, 9999, phase)) {
        return;
    }
    m_data.phase = static_cast<int>(std::lround(phase));
    m_data.mark = GetDlgItemText(kMark).trim();
    m_data.material = GetDlgItemText(kMaterial).trim();
    m_data.finish = GetDlgItemText(kFinish).trim();
    m_data.remark = GetDlgItemText(kRemark);
    m_data.mainPart = IsDlgButtonChecked(kMainPart) == BST_CHECKED;
    EndDialog(IDOK);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return ovui::runModalOnCopy<CDlgProfFeatures>(data);
}
