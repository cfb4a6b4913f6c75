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
    SetDlgItemText(IDOK, request_.okText);
    SetDlgItemText(IDCANCEL, request_.cancelText);
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

namespace {
PromptService* gPromptService = nullptr;
}

PromptService* setPromptService(PromptService* service) {
    PromptService* previous = gPromptService;
    gPromptService = service;
    return previous;
}

PromptService& promptService() {
    static QtPromptService qtPrompt;
    return gPromptService != nullptr ? *gPromptService : qtPrompt;
}

}  // namespace ovui

Tvx_DlgPromptString::Tvx_DlgPromptString(const Tvx_String& title, const Tvx_String& prompt,
                                         const Tvx_String& value, const Tvx_String& okText,
                                         const Tvx_String& cancelText)
    : m_title(title),
      m_prompt(prompt),
      m_value(value),
      m_okText(okText),
      m_cancelText(cancelText) {}

int Tvx_DlgPromptString::DoModal() {
    const ovui::PromptRequest request{m_title, m_prompt, m_value, m_okText, m_cancelText};
    Tvx_String answer;
    if (!ovui::promptService().prompt(request, answer)) {
        return IDCANCEL;
    }
    m_value = answer;
    return IDOK;
}
