// CDlgMacroProfAdv.cpp - the profile detail dialog.
#include "ui/macrodlg/detail/CDlgMacroProfAdv.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "core/macro/OvCutOffsetType.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/macrodlg/detail/DetailWidgets.h"
#include "ui/resources/ModuleArtwork.h"

namespace {

QString text(int number) {
    return ovui::toQt(dialString(number));
}

constexpr int kRotationIds[] = {CDlgMacroProfAdv::kRotation0, CDlgMacroProfAdv::kRotation90,
                                CDlgMacroProfAdv::kRotation180, CDlgMacroProfAdv::kRotation270};

}  // namespace

CDlgMacroProfAdv::CDlgMacroProfAdv(OvMACallBack callback, OvMACallBackData callbackData,
                                   bool firstOption, bool offerOption, bool optionState,
                                   QWidget* parent)
    : OvDialog(kTemplateId, parent),
      m_callback(callback),
      m_callbackData(std::move(callbackData)),
      m_firstOption(firstOption),
      m_offerOption(offerOption),
      m_optionState(optionState) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(text(9531), addControl(kSection, new QLineEdit(this)));
    form->addRow(text(9532), addControl(kMaterial, new QLineEdit(this)));
    form->addRow(text(9533), addControl(kOffsetType, new QComboBox(this)));

    auto* rotations = new QHBoxLayout;
    auto* rotationGroup = new QButtonGroup(this);
    for (int id : kRotationIds) {
        rotationGroup->addButton(addControl(id, new QRadioButton(this)));
        rotations->addWidget(item(id));
    }
    rotations->addStretch(1);
    form->addRow(text(9534), rotations);

    auto* coordSys = new QHBoxLayout;
    coordSys->addWidget(addControl(kWcsLabel, new QLabel(this)));
    coordSys->addWidget(addControl(kCoordSys, new QComboBox(this)), 1);
    auto* pick = addControl(
        kPick, new QPushButton(ovui::moduleIcon(ovui::icons::kPickInDrawing), text(9539), this));
    pick->setAutoDefault(false);
    coordSys->addWidget(pick);
    form->addRow(text(9536), coordSys);
    form->addRow(text(9537), addControl(kApplyTo, new QComboBox(this)));
    layout->addLayout(form);

    auto* morphed = addControl(kMorphed, new QLabel(text(9540), this));
    morphed->setObjectName(kMorphedName);
    layout->addWidget(morphed);
    layout->addWidget(addControl(kOption, new QCheckBox(this)));
    layout->addStretch(1);

    auto* buttons = createOkCancelRow();
    auto* applyButton = addControl(kApply, new QPushButton(text(9538), this));
    applyButton->setAutoDefault(false);
    buttons->insertWidget(0, applyButton);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(pick, &QPushButton::clicked, this, [this] { pickInDrawing(); });
}

bool CDlgMacroProfAdv::OnInitDialog() {
    SetWindowText(dialString(9570));
    SetDlgItemText(kRotation0, dialString(9567));
    SetDlgItemText(kRotation90, L"90°");
    SetDlgItemText(kRotation180, L"180°");
    SetDlgItemText(kRotation270, L"270°");
    SetDlgItemText(kWcsLabel, L"WCS");
    // The drawing model has one coordinate system, the world's.
    ovui::detail::fillCombo(comboBox(kCoordSys), {L"WCS"});
    Tvx_StringArray offsetTypes;
    getOffsetTypeStrings(offsetTypes);
    ovui::detail::fillCombo(comboBox(kOffsetType), offsetTypes);
    ovui::detail::fillCombo(comboBox(kApplyTo),
                            {dialString(1022), dialString(1023), dialString(1024)});
    comboBox(kApplyTo)->setCurrentIndex(2);
    SetDlgItemText(kOption, dialString(1497));
    item(kOption)->setVisible(m_offerOption);
    CheckDlgButton(kOption, m_optionState ? BST_CHECKED : BST_UNCHECKED);

    if (m_callback != nullptr) {
        m_callback(eMACallBackRead, m_callbackData, m_prof);
    }
    fillControls();
    // Fit the shown controls first, then take a remembered size over it.
    adjustSize();
    ChangeDlgSize(this, kSizeKey);
    m_initialised = true;
    return true;
}

void CDlgMacroProfAdv::fillControls() {
    SetDlgItemText(kSection, m_prof.sectionName);
    SetDlgItemText(kMaterial, m_prof.material);
    comboBox(kOffsetType)->setCurrentIndex(m_prof.offsetType);  // -1 (mixed) shows nothing
    for (int i = 0; i < 4; ++i) {
        CheckDlgButton(kRotationIds[i], m_prof.rotation == i * 90 ? BST_CHECKED : BST_UNCHECKED);
    }
    for (QWidget* w : findChildren<QWidget*>(kMorphedName)) {
        w->setVisible(m_prof.morphed);
    }
}

void CDlgMacroProfAdv::readControls() {
    m_prof.sectionName = GetDlgItemText(kSection);
    m_prof.material = GetDlgItemText(kMaterial);
    m_prof.offsetType = comboBox(kOffsetType)->currentIndex();
    for (int i = 0; i < 4; ++i) {
        if (IsDlgButtonChecked(kRotationIds[i]) == BST_CHECKED) {
            m_prof.rotation = i * 90;
        }
    }
    if (m_offerOption) {
        m_optionState = IsDlgButtonChecked(kOption) == BST_CHECKED;
    }
}

void CDlgMacroProfAdv::apply() {
    readControls();
    if (m_callback != nullptr) {
        m_callback(eMACallBackWrite, m_callbackData, m_prof);
    }
    fillControls();
}

void CDlgMacroProfAdv::pickInDrawing() {
    if (m_callback != nullptr) {
        m_callback(eMACallBackHide, m_callbackData, m_prof);
    }
    // Hiding a modal dialog would end its loop; the host picks while the callback runs.
    if (m_callback != nullptr) {
        m_callback(eMACallBackShow, m_callbackData, m_prof);
    }
}

void CDlgMacroProfAdv::OnOK() {
    apply();
    EndDialog(IDOK);
}

void CDlgMacroProfAdv::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}
