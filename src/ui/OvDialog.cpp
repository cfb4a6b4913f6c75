// OvDialog.cpp - the dialog base: control ids, the modal run and OK / Cancel routing.
#include "ui/OvDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/OvTempResourceOverride.h"
#include "core/Texts.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

OvDialog::OvDialog(int templateId, QWidget* parent) : QDialog(parent), templateId_(templateId) {
    // The framework's dialogs have no context-help button.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

OvDialog::~OvDialog() = default;

void OvDialog::registerControl(int id, QWidget* widget) {
    widget->setProperty("ovControlId", id);
    widget->setObjectName(QStringLiteral("ctrl%1").arg(id));
    controls_.insert(id, widget);
}

int OvDialog::DoModal() {
    // The dialog's texts and pictures come from this module, whoever called it.
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    running_ = true;
    if (!initialised_) {
        initialised_ = true;
        if (!OnInitDialog()) {
            running_ = false;
            return IDCANCEL;
        }
    }
    ovui::DialogDriver::attach(*this);
    const int result = exec();
    running_ = false;
    return result;
}

void OvDialog::EndDialog(int result) {
    if (running_) {
        OnDestroy();
        running_ = false;
    }
    done(result);
}

bool OvDialog::OnInitDialog() {
    return true;
}
void OvDialog::OnOK() {
    EndDialog(IDOK);
}
void OvDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
void OvDialog::OnDestroy() {}

void OvDialog::accept() {
    OnOK();
}
void OvDialog::reject() {
    OnCancel();
}

QAbstractButton* OvDialog::button(int id) const {
    return qobject_cast<QAbstractButton*>(item(id));
}
QPushButton* OvDialog::pushButton(int id) const {
    return qobject_cast<QPushButton*>(item(id));
}
QCheckBox* OvDialog::checkBox(int id) const {
    return qobject_cast<QCheckBox*>(item(id));
}
QRadioButton* OvDialog::radioButton(int id) const {
    return qobject_cast<QRadioButton*>(item(id));
}
QLineEdit* OvDialog::lineEdit(int id) const {
    return qobject_cast<QLineEdit*>(item(id));
}
QLabel* OvDialog::label(int id) const {
    return qobject_cast<QLabel*>(item(id));
}
QComboBox* OvDialog::comboBox(int id) const {
    return qobject_cast<QComboBox*>(item(id));
}
QGroupBox* OvDialog::groupBox(int id) const {
    return qobject_cast<QGroupBox*>(item(id));
}

void OvDialog::SetDlgItemText(int id, const Tvx_String& text) {
    QWidget* widget = item(id);
    const QString qtext = toQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(qtext);
    } else if (auto* lbl = qobject_cast<QLabel*>(widget)) {
        lbl->setText(qtext);
    } else if (auto* btn = qobject_cast<QAbstractButton*>(widget)) {
        btn->setText(qtext);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(qtext);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        combo->setEditText(qtext);
    }
}

Tvx_String OvDialog::GetDlgItemText(int id) const {
    QWidget* widget = item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return fromQt(edit->text());
    }
    if (auto* lbl = qobject_cast<QLabel*>(widget)) {
        return fromQt(lbl->text());
    }
    if (auto* btn = qobject_cast<QAbstractButton*>(widget)) {
        return fromQt(btn->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return fromQt(group->title());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return fromQt(combo->currentText());
    }
    return Tvx_String();
}

void OvDialog::CheckDlgButton(int id, int state) {
    if (auto* check = checkBox(id)) {
        // An indeterminate state makes the box three-state, as the framework's auto3state boxes.
        if (state == BST_INDETERMINATE) {
            check->setTristate(true);
            check->setCheckState(Qt::PartiallyChecked);
        } else {
            check->setCheckState(state == BST_UNCHECKED ? Qt::Unchecked : Qt::Checked);
        }
    } else if (auto* btn = button(id); btn && btn->isCheckable()) {
        btn->setChecked(state != BST_UNCHECKED);
    }
}

int OvDialog::IsDlgButtonChecked(int id) const {
    if (auto* check = checkBox(id)) {
        switch (check->checkState()) {
            case Qt::Checked:
                return BST_CHECKED;
            case Qt::PartiallyChecked:
                return BST_INDETERMINATE;
            default:
                return BST_UNCHECKED;
        }
    }
    auto* btn = button(id);
    return btn != nullptr && btn->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void OvDialog::EnableItem(int id, bool enable) {
    if (QWidget* widget = item(id)) {
        widget->setEnabled(enable);
    }
}

bool OvDialog::IsItemEnabled(int id) const {
    QWidget* widget = item(id);
    return widget != nullptr && widget->isEnabled();
}

void OvDialog::SetWindowText(const Tvx_String& text) {
    setWindowTitle(toQt(text));
}

QHBoxLayout* OvDialog::createOkCancelRow() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = addControl(IDOK, new QPushButton(toQt(dialString(1)), this));
    auto* cancel = addControl(IDCANCEL, new QPushButton(toQt(dialString(2)), this));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

bool OvDialog::pressButton(int id) {
    auto* btn = button(id);
    if (btn == nullptr || !btn->isEnabled()) {
        return false;
    }
    btn->click();
    return true;
}
