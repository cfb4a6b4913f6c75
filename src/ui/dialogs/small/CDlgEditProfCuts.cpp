// CDlgEditProfCuts.cpp - the profile cuts dialog and its launcher.
#include "ui/dialogs/small/CDlgEditProfCuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/OvTempResourceOverride.h"
#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/dialogs/small/FormFields.h"

using namespace ovui;

namespace {
constexpr int kTextAngle = 9989;
}

CDlgEditProfCuts::CDlgEditProfCuts(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* ends = new QHBoxLayout;
    const int kinds[] = {kStartKind, kEndKind};
    const int angles[] = {kStartAngle, kEndAngle};
    const int titles[] = {9982, 9983};
    for (int e = 0; e < 2; ++e) {
        auto* box = new QGroupBox(toQt(dialString(titles[e])), this);
        auto* form = new QFormLayout(box);
        addChoiceRow(*this, form, kinds[e], 9984, 9985, kProfCutKindCount);
        addNumberRow(*this, form, angles[e], kTextAngle);
        ends->addWidget(box);
    }
    layout->addLayout(ends);
    auto* form = new QFormLayout;
    addNumberRow(*this, form, kClearance, 9990);
    addCheckRow(*this, form, kBothAlike, 9991);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(420);

    connect(checkBox(kBothAlike), &QCheckBox::toggled, this, [this] { applyAlikeRule(); });
    connect(comboBox(kStartKind), &QComboBox::currentIndexChanged, this,
            [this] { applyAlikeRule(); });
    connect(lineEdit(kStartAngle), &QLineEdit::textChanged, this, [this] { applyAlikeRule(); });
}

bool CDlgEditProfCuts::OnInitDialog() {
    SetWindowText(dialString(9981));
    auto kindIndex = [](int kind) { return kind >= 0 && kind < kProfCutKindCount ? kind : 0; };
    comboBox(kStartKind)->setCurrentIndex(kindIndex(m_data.startKind));
    comboBox(kEndKind)->setCurrentIndex(kindIndex(m_data.endKind));
    SetDlgItemText(kStartAngle, numberText(m_data.startAngle));
    SetDlgItemText(kEndAngle, numberText(m_data.endAngle));
    SetDlgItemText(kClearance, numberText(m_data.clearance));
    CheckDlgButton(kBothAlike, m_bothAlike != 0 ? BST_CHECKED : BST_UNCHECKED);
    applyAlikeRule();
    return true;
}

void CDlgEditProfCuts::applyAlikeRule() {
    const bool alike = IsDlgButtonChecked(kBothAlike) == BST_CHECKED;
    EnableItem(kEndKind, !alike);
    EnableItem(kEndAngle, !alike);
    if (alike) {
        // The end shows what it will get.
        comboBox(kEndKind)->setCurrentIndex(comboBox(kStartKind)->currentIndex());
        SetDlgItemText(kEndAngle, GetDlgItemText(kStartAngle));
    }
}

void CDlgEditProfCuts::OnOK() {
    DlgProfCutsData edited = m_data;
    const bool alike = IsDlgButtonChecked(kBothAlike) == BST_CHECKED;
    if (!readNumberField(*this, kStartAngle, kTextAngle, -89, 89, edited.startAngle) ||
        (!alike && !readNumberField(*this, kEndAngle, kTextAngle, -89, 89, edited.endAngle)) ||
        !readNumberField(*this, kClearance, 9990, 0, 1000, edited.clearance)) {
        return;
    }
    edited.startKind = comboBox(kStartKind)->currentIndex();
    edited.endKind = alike ? edited.startKind : comboBox(kEndKind)->currentIndex();
    if (alike) {
        edited.endAngle = edited.startAngle;
    }
    m_data = edited;
    m_bothAlike = alike ? 1 : 0;
    EndDialog(IDOK);
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgEditProfCuts dialog;
    dialog.data() = data;
    dialog.bothEndsAlike() = gProfCutsBothEndsAlike;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    // The dialog edits the caller's cuts: they and the remembered setting change on OK only.
    data = dialog.data();
    gProfCutsBothEndsAlike = dialog.bothEndsAlike();
    return true;
}
