// CDlgOpenSave.cpp - the filtered open-save dialog.
#include "ui/dialogs/CDlgOpenSave.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/resources/ModuleArtwork.h"

CDlgOpenSave::CDlgOpenSave(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addControl(kList, new QListWidget(this)), 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(addControl(kName, new QLineEdit(this)), 1);
    auto* remove = addControl(kDelete, new CButtonST(this));
    remove->SetIcon(ovui::icons::kDelete);
    remove->SetTooltipText(L"Selectie verwijderen...");
    nameRow->addWidget(remove);
    layout->addLayout(nameRow);
    layout->addWidget(addControl(kShowAll, new QCheckBox(this)));
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    setMinimumSize(50, 50);
    resize(340, 360);

    connect(list(), &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) {
            lineEdit(kName)->setText(name);
        }
    });
    connect(list(), &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    connect(checkBox(kShowAll), &QCheckBox::toggled, this, [this] { fillList(); });
    connect(remove, &CButtonST::clicked, this, [this] { OnDelete(); });
}

QListWidget* CDlgOpenSave::list() const {
    return qobject_cast<QListWidget*>(item(kList));
}

bool CDlgOpenSave::OnInitDialog() {
    const bool saving = m_data.saving();
    SetWindowText(dialString(saving ? 1127 : 1126));
    SetDlgItemText(IDOK, dialString(saving ? 842 : 841));
    SetDlgItemText(IDCANCEL, dialString(2));
    SetDlgItemText(kShowAll, dialString(1498));
    SetDlgItemText(kName, m_data.chosen);
    fillList();
    ChangeDlgSize(this, kSizeKey);
    m_initialised = true;
    return true;
}

void CDlgOpenSave::fillList() {
    QListWidget* names = list();
    const QSignalBlocker block(names);
    names->clear();
    names->addItems(ovui::toQt(m_data.listed(IsDlgButtonChecked(kShowAll) == BST_CHECKED)));
}

void CDlgOpenSave::OnOK() {
    const Tvx_String name = GetDlgItemText(kName);
    if (name.isEmpty()) {
        return;
    }
    if (m_data.saving()) {
        if (!warnInvalidFileName(name)) {
            return;
        }
        if (fileExists(m_data.pathOf(name)) &&
            ovMessageBox(m_data.overwriteQuestion(name), OpenSaveFiles::overwriteCaption(),
                         MB_YESNOCANCEL | MB_ICONWARNING) != IDYES) {
            return;
        }
    }
    m_data.chosen = name;
    EndDialog(IDOK);
}

void CDlgOpenSave::OnDelete() {
    const QListWidgetItem* selected = list()->currentItem();
    const Tvx_String name = selected != nullptr ? ovui::fromQt(selected->text()) : Tvx_String();
    if (name.isEmpty()) {
        return;
    }
    if (ovMessageBox(OpenSaveFiles::deleteQuestion(name), OpenSaveFiles::deleteCaption(),
                     MB_YESNO | MB_ICONWARNING) != IDYES) {
        return;
    }
    if (m_data.deleteName(name)) {
        fillList();
    }
}

void CDlgOpenSave::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}
