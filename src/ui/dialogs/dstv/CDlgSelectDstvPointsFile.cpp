// CDlgSelectDstvPointsFile.cpp - the DSTV points groups dialog and its launcher.
#include "ui/dialogs/dstv/CDlgSelectDstvPointsFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/OvTempResourceOverride.h"
#include "core/Paths.h"
#include "core/PromptService.h"
#include "core/Texts.h"
#include "dialogs/dstv/DlgDstvPoints.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/dialogs/dstv/CDlgEditDstvPoints.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

constexpr int kTextTitle = 863;

void warn(const Tvx_String& text) {
    ovMessageBox(text, dialString(856), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(QWidget* parent)
    : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addControl(kGroupsLabel, new QLabel(this)));
    auto* body = new QHBoxLayout;
    auto* list = addControl(kGroups, new QListWidget(this));
    list->setMinimumSize(240, 180);
    body->addWidget(list, 1);
    auto* buttons = new QVBoxLayout;
    for (int id : {kNewGroup, kDeleteGroup, kEdit, kMakeStandard}) {
        auto* button = addControl(id, new QPushButton(this));
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    body->addLayout(buttons);
    layout->addLayout(body);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = addControl(IDCANCEL, new QPushButton(this));
    connect(close, &QPushButton::clicked, this, [this] { OnCancel(); });
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(pushButton(kNewGroup), &QPushButton::clicked, this, [this] { OnNewGroup(); });
    connect(pushButton(kDeleteGroup), &QPushButton::clicked, this, [this] { OnDeleteGroup(); });
    connect(pushButton(kEdit), &QPushButton::clicked, this, [this] { OnEditGroup(); });
    connect(pushButton(kMakeStandard), &QPushButton::clicked, this, [this] { OnMakeStandard(); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { OnEditGroup(); });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        for (int id : {kDeleteGroup, kEdit, kMakeStandard}) {
            EnableItem(id, row >= 0);
        }
    });
}

QListWidget* CDlgSelectDstvPointsFile::groups() const {
    return qobject_cast<QListWidget*>(item(kGroups));
}

Tvx_String CDlgSelectDstvPointsFile::selectedGroup() const {
    const QListWidgetItem* current = groups()->currentItem();
    return current == nullptr ? Tvx_String() : fromQt(current->text());
}

bool CDlgSelectDstvPointsFile::OnInitDialog() {
    SetWindowText(dialString(kTextTitle));
    SetDlgItemText(kGroupsLabel, dialString(9941));
    SetDlgItemText(kNewGroup, dialString(9928));
    SetDlgItemText(kDeleteGroup, dialString(9929));
    SetDlgItemText(kEdit, dialString(862));
    SetDlgItemText(kMakeStandard, dialString(861));
    SetDlgItemText(IDCANCEL, dialString(285));
    fillList({});
    return true;
}

void CDlgSelectDstvPointsFile::fillList(const Tvx_String& select) {
    QListWidget* list = groups();
    list->clear();
    Tvx_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    const Tvx_String standard = removeExtension(DlgDstvPoints::getStandardDstvPointsFile());
    int selectRow = -1;
    for (int i = 0; i < names.length(); ++i) {
        auto* entry = new QListWidgetItem(toQt(names[i]), list);
        // The mark shows the standard group; only the button changes it.
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        entry->setCheckState(names[i].equal(standard, false) ? Qt::Checked : Qt::Unchecked);
        if (names[i] == select) {
            selectRow = i;
        }
    }
    list->setCurrentRow(selectRow);
    for (int id : {kDeleteGroup, kEdit, kMakeStandard}) {
        EnableItem(id, selectRow >= 0);
    }
}

void CDlgSelectDstvPointsFile::OnNewGroup() {
    Tvx_DlgPromptString prompt(dialString(87), dialString(864), dialString(171), dialString(1),
                               dialString(2));
    if (prompt.DoModal() != IDOK) {
        return;
    }
    Tvx_String name = prompt.m_value;
    name.trim();
    if (!DlgDstvPoints::isValidGroupName(name)) {
        warn(L"\"" + name + L"\": " + dialString(9943));
        return;
    }
    Tvx_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    if (names.contains(name, false)) {
        warn(dialString(857) + L".\n" + dialString(858) + L".");
        return;
    }
    Tvx_String error;
    if (!createFolder(DlgDstvPoints::folder()) ||
        !DlgDstvPoints::writeToFile(DlgDstvPoints::groupPath(name), {}, error)) {
        warn(error.isEmpty() ? L"\"" + shownPath(DlgDstvPoints::folder()) + L"\"" : error);
        return;
    }
    fillList(selectedGroup());
}

void CDlgSelectDstvPointsFile::OnDeleteGroup() {
    const Tvx_String name = selectedGroup();
    if (name.isEmpty()) {
        return;
    }
    // A group is a file of points that cannot be brought back: ask first.
    if (ovMessageBox(L"\"" + name + L"\": " + dialString(9942), dialString(856),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    deleteFile(DlgDstvPoints::groupPath(name));
    if (removeExtension(DlgDstvPoints::getStandardDstvPointsFile()).equal(name, false)) {
        DlgDstvPoints::setStandardDstvPointsFile({});
    }
    fillList({});
}

void CDlgSelectDstvPointsFile::OnEditGroup() {
    const Tvx_String name = selectedGroup();
    if (name.isEmpty()) {
        return;
    }
    const Tvx_String path = DlgDstvPoints::groupPath(name);
    CDlgEditDstvPoints editor(name, this);
    Tvx_String error;
    // An unreadable group is not offered for editing: OK would overwrite what it holds.
    if (!DlgDstvPoints::readFromFile(path, editor.points(), error)) {
        warn(error);
        return;
    }
    if (editor.DoModal() != IDOK) {
        return;
    }
    if (!DlgDstvPoints::writeToFile(path, editor.points(), error)) {
        warn(error);
    }
}

void CDlgSelectDstvPointsFile::OnMakeStandard() {
    const Tvx_String name = selectedGroup();
    if (name.isEmpty()) {
        return;
    }
    DlgDstvPoints::setStandardDstvPointsFile(name + L".dat");
    fillList(name);
}

void StartDSTVPointsDlg() {
    if (!ovui::canShowDialogs()) {
        return;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgSelectDstvPointsFile dialog;
    dialog.DoModal();
}
