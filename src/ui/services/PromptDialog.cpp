// PromptDialog.cpp - the one-line prompt dialog and the service that shows it.
#include "ui/services/PromptDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ModalLauncher.h"
#include "ui/QtText.h"

namespace ovui {

PromptDialog::PromptDialog(const PromptRequest& request, QWidget* parent)
    : OvDialog(kTemplateId, parent), request_(request), value_(request.value) {
    auto* layout = new QVBoxLayout(this);
    auto* prompt = addControl(kPromptLabel, new QLabel(this));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(addControl(kValueEdit, new QLineEdit(this)));
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(320);
}

bool PromptDialog::OnInitDialog() {
    SetWindowText(request_.title);
    SetDlgItemText(kPromptLabel, request_.prompt);
    SetDlgItemText(kValueEdit, request_.value);
    // An empty button text keeps the button's usual caption rather than leaving it blank.
    if (!request_.okText.isEmpty()) {
        SetDlgItemText(IDOK, request_.okText);
    }
    if (!request_.cancelText.isEmpty()) {
        SetDlgItemText(IDCANCEL, request_.cancelText);
    }
    lineEdit(kValueEdit)->selectAll();
    lineEdit(kValueEdit)->setFocus();
    return true;
}

void PromptDialog::OnOK() {
    value_ = GetDlgItemText(kValueEdit);
    EndDialog(IDOK);
}

bool QtPromptService::prompt(const PromptRequest& request, Tvx_String& answer) {
    if (!canShowDialogs()) {
        return false;
    }
    PromptDialog dialog(request);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    answer = dialog.value();
    return true;
}

}  // namespace ovui
