// CDlgFindReplace.cpp - the find and replace dialog and the factory that gives grids one.
#include "ui/grid/CDlgFindReplace.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "spread/Tvx_Spread.h"
#include "ui/DlgSize.h"

namespace {

constexpr const wchar_t* kSizeKey = L"DLG_FINDREPLACE";
// Switched off while the dialog is open, as the grid's find expects.
constexpr int kPropFindOff = 20;

}  // namespace

CDlgFindReplace::CDlgFindReplace(Tvx_Spread& owner) : OvDialog(IDD), m_grid(owner) {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setModal(false);
    auto* layout = new QGridLayout(this);
    layout->addWidget(addControl(kFindLabel, new QLabel(this)), 0, 0);
    auto* find = addControl(kFindText, new QLineEdit(this));
    find->setMinimumWidth(220);
    layout->addWidget(find, 0, 1);
    layout->addWidget(addControl(kReplaceLabel, new QLabel(this)), 1, 0);
    layout->addWidget(addControl(kReplaceText, new QLineEdit(this)), 1, 1);
    layout->setRowStretch(2, 1);

    auto* buttons = new QVBoxLayout;
    auto* findNext = addControl(IDOK, new QPushButton(this));
    findNext->setDefault(true);
    buttons->addWidget(findNext);
    buttons->addWidget(addControl(kReplace, new QPushButton(this)));
    buttons->addWidget(addControl(kReplaceAll, new QPushButton(this)));
    buttons->addWidget(addControl(IDCANCEL, new QPushButton(this)));
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 2, 3, 1);

    connect(findNext, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(pushButton(kReplace), &QPushButton::clicked, this, [this] { onReplace(); });
    connect(pushButton(kReplaceAll), &QPushButton::clicked, this, [this] { onReplaceAll(); });
    connect(pushButton(IDCANCEL), &QPushButton::clicked, this, [this] { OnCancel(); });
}

CDlgFindReplace::~CDlgFindReplace() = default;

bool CDlgFindReplace::OnInitDialog() {
    SetWindowText(dialString(1136));
    SetDlgItemText(kFindLabel, dialString(1137));
    SetDlgItemText(kReplaceLabel, dialString(1138));
    SetDlgItemText(IDOK, dialString(1139));
    SetDlgItemText(kReplace, dialString(1140));
    SetDlgItemText(kReplaceAll, dialString(1141));
    SetDlgItemText(IDCANCEL, dialString(285));
    ChangeDlgSize(this, kSizeKey);
    return true;
}

void CDlgFindReplace::show() {
    if (!isInitialised()) {
        // Through DoModal's first step, without its modal loop.
        OnInitDialog();
    }
    if (!isVisible()) {
        // Searching selects text inside cells, which needs the grid's design mode.
        m_designModeWasOn = m_grid.SSGetBool(Tvx_Spread::kPropDesignMode);
        m_grid.SSSetBool(Tvx_Spread::kPropDesignMode, true);
        m_grid.SSSetBool(kPropFindOff, false);
    }
    QDialog::show();
    raise();
    activateWindow();
    lineEdit(kFindText)->setFocus();
}

Tvx_String CDlgFindReplace::findWhat() const {
    return GetDlgItemText(kFindText);
}

Tvx_String CDlgFindReplace::replaceWith() const {
    return GetDlgItemText(kReplaceText);
}

bool CDlgFindReplace::onFindNext() {
    return m_grid.findNext(findWhat(), matchSubstring(), true);
}

bool CDlgFindReplace::onReplace() {
    return m_grid.findAndReplace(findWhat(), replaceWith(), matchSubstring(), true);
}

int CDlgFindReplace::onReplaceAll() {
    // One pass over the sheet, so a replacement that contains the searched text still ends.
    const int changed = std::max(m_grid.replaceAll(findWhat(), replaceWith(), matchSubstring()), 0);
    ovMessageBox(dialString(1147) + L" " + Tvx_String::fromInt(changed) + L" " + dialString(1148),
                 dialString(1149), MB_OK | MB_ICONEXCLAMATION);
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
    return changed;
}

void CDlgFindReplace::OnOK() {
    // OK is find-next; the dialog stays open.
    onFindNext();
}

void CDlgFindReplace::OnCancel() {
    onClose();
}

void CDlgFindReplace::onClose() {
    if (!isVisible()) {
        return;
    }
    WriteDlgSize(this, kSizeKey);
    if (!m_designModeWasOn) {
        m_grid.SSSetBool(Tvx_Spread::kPropDesignMode, false);
    }
    // The grid keeps the dialog; hidden, it opens again on the next F3 or F5.
    hide();
}

void CDlgFindReplace::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F3) {
        onFindNext();
        return;
    }
    if (event->key() == Qt::Key_F5) {
        onReplace();
        return;
    }
    OvDialog::keyPressEvent(event);
}

std::unique_ptr<OvFindDialog> CDlgFindReplaceFactory::create(Tvx_Spread& owner) {
    return std::make_unique<CDlgFindReplace>(owner);
}
