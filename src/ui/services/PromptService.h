// PromptService.h - the one-line text prompt `Tvx_DlgPromptString` (title, prompt, value, OK and
// Cancel texts). Every prompt goes through a replaceable service: by default the Qt prompt
// dialog; tests install a UiRecorder that answers from a script.
#pragma once

#include "core/MessageService.h"
#include "core/Tvx_String.h"

namespace ovui {

struct PromptRequest {
    Tvx_String title;
    Tvx_String prompt;
    Tvx_String value;  // the initial value
    Tvx_String okText;
    Tvx_String cancelText;
};

class PromptService {
  public:
    virtual ~PromptService() = default;
    // True with the entered text in `answer` when the user confirms.
    virtual bool prompt(const PromptRequest& request, Tvx_String& answer) = 0;
};

// Installs `service` (nullptr restores the Qt prompt); returns the previous one.
PromptService* setPromptService(PromptService* service);
PromptService& promptService();

}  // namespace ovui

// The framework-style prompt object the dialogs create: fill it, DoModal, read m_value.
class Tvx_DlgPromptString {
  public:
    Tvx_DlgPromptString(const Tvx_String& title, const Tvx_String& prompt, const Tvx_String& value,
                        const Tvx_String& okText, const Tvx_String& cancelText);

    // IDOK with m_value holding the entered text, or IDCANCEL with m_value unchanged.
    int DoModal();

    Tvx_String m_title;
    Tvx_String m_prompt;
    Tvx_String m_value;
    Tvx_String m_okText;
    Tvx_String m_cancelText;
};
