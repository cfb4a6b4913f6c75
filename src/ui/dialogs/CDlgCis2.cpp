// CDlgCis2.cpp - the CIS/2 options dialog and its launcher.
#include "ui/dialogs/CDlgCis2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "dialogs/SectionTranslation.h"
#include "ui/ModalLauncher.h"
#include "ui/dialogs/CDlgSectionTranslation.h"

namespace {
// The controls that only matter when option 1 is off.
constexpr int kDependentControls[] = {CDlgCis2::kOption2, CDlgCis2::kOption4, CDlgCis2::kOption5,
                                      CDlgCis2::kOption3No, CDlgCis2::kOption3Yes};
}  // namespace

CDlgCis2::CDlgCis2(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = addControl(kIntro, new QLabel(this));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // Each radio pair is its own exclusive group.
    auto* option1 = new QButtonGroup(this);
    option1->addButton(addControl(kOption1Yes, new QRadioButton(this)));
    option1->addButton(addControl(kOption1No, new QRadioButton(this)));
    layout->addWidget(item(kOption1Yes));
    layout->addWidget(item(kOption1No));

    // The dependent options sit indented under the radio that enables them.
    auto* dependent = new QFrame(this);
    auto* inner = new QVBoxLayout(dependent);
    inner->setContentsMargins(24, 0, 0, 0);
    inner->addWidget(addControl(kOption2, new QCheckBox(dependent)));
    inner->addWidget(addControl(kOption4, new QCheckBox(dependent)));
    inner->addWidget(addControl(kOption5, new QCheckBox(dependent)));
    auto* option3 = new QButtonGroup(this);
    option3->addButton(addControl(kOption3No, new QRadioButton(dependent)));
    option3->addButton(addControl(kOption3Yes, new QRadioButton(dependent)));
    inner->addWidget(item(kOption3No));
    inner->addWidget(item(kOption3Yes));
    layout->addWidget(dependent);

    auto* editNames = addControl(kEditProfileNames, new QPushButton(this));
    editNames->setAutoDefault(false);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(editNames);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(380);

    connect(radioButton(kOption1Yes), &QRadioButton::clicked, this,
            [this] { applyEnablingRule(); });
    connect(radioButton(kOption1No), &QRadioButton::clicked, this, [this] { applyEnablingRule(); });
    connect(editNames, &QPushButton::clicked, this, [this] { OnEditProfileNames(); });
}

bool CDlgCis2::OnInitDialog() {
    SetWindowText(dialString(1731));
    SetDlgItemText(kIntro, dialString(1732) + L"\n" + dialString(1733));
    SetDlgItemText(kOption1Yes, dialString(1734));
    SetDlgItemText(kOption1No, dialString(1735));
    SetDlgItemText(kOption2, dialString(665));
    SetDlgItemText(kOption4, dialString(1736));
    SetDlgItemText(kOption5, dialString(1741));
    SetDlgItemText(kOption3No, dialString(1737));
    SetDlgItemText(kOption3Yes, dialString(1738));
    SetDlgItemText(kEditProfileNames, dialString(1739));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));

    CheckDlgButton(kOption1Yes, m_data.m_option1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kOption1No, m_data.m_option1 ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(kOption2, m_data.m_option2 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kOption3Yes, m_data.m_option3 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kOption3No, m_data.m_option3 ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(kOption4, m_data.m_option4 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kOption5, m_data.m_option5 ? BST_CHECKED : BST_UNCHECKED);
    applyEnablingRule();
    return true;
}

void CDlgCis2::applyEnablingRule() {
    const bool enable = IsDlgButtonChecked(kOption1No) == BST_CHECKED;
    for (int id : kDependentControls) {
        EnableItem(id, enable);
    }
}

void CDlgCis2::OnEditProfileNames() {
    Tvx_StringArray sectionNames;
    Tvx_StringArray profileNames;
    if (!readSectionTranslation(kProfileNamesFile, sectionNames, profileNames)) {
        // Never offer an unreadable table for editing: saving it would overwrite the file.
        ovMessageBox(
            L"\"" + sectionTranslationPath(kProfileNamesFile) + L"\" is not a valid table.",
            dialString(670), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    writeSectionTranslation(dialString(670), dialString(1740), kProfileNamesFile, sectionNames,
                            profileNames);
}

void CDlgCis2::OnOK() {
    m_data.m_option1 = IsDlgButtonChecked(kOption1Yes) == BST_CHECKED;
    m_data.m_option2 = IsDlgButtonChecked(kOption2) == BST_CHECKED;
    m_data.m_option4 = IsDlgButtonChecked(kOption4) == BST_CHECKED;
    m_data.m_option5 = IsDlgButtonChecked(kOption5) == BST_CHECKED;
    m_data.m_option3 = IsDlgButtonChecked(kOption3No) != BST_CHECKED;
    EndDialog(IDOK);
}

bool StartDlgCis2Info(OvDlgCis2Data& data) {
    return ovui::runModalOnCopy<CDlgCis2>(data);
}
