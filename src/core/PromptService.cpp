// PromptService.cpp - the prompt slot, its unattended default, the prompt object and the
// recorder.
#include "core/PromptService.h"

#include "core/MessageService.h"

namespace {

class UnattendedPrompt : public PromptService {
  public:
    bool prompt(const PromptRequest& /*request*/, Tvx_String& /*answer*/) override { return false; }
};

}  // namespace

ovbase::Service<PromptService>& promptService() {
    static constinit ovbase::Service<PromptService> slot{
        &ovbase::defaultService<PromptService, UnattendedPrompt>};
    return slot;
}

Tvx_DlgPromptString::Tvx_DlgPromptString(const Tvx_String& title, const Tvx_String& prompt,
                                         const Tvx_String& value, const Tvx_String& okText,
                                         const Tvx_String& cancelText)
    : m_title(title),
      m_prompt(prompt),
      m_value(value),
      m_okText(okText),
      m_cancelText(cancelText) {}

int Tvx_DlgPromptString::DoModal() {
    const PromptRequest request{m_title, m_prompt, m_value, m_okText, m_cancelText};
    Tvx_String answer;
    if (!promptService()->prompt(request, answer)) {
        return IDCANCEL;
    }
    m_value = answer;
    return IDOK;
}

bool PromptRecorder::prompt(const PromptRequest& request, Tvx_String& answer) {
    prompts_.push_back(request);
    if (answers_.empty()) {
        return false;
    }
    const std::optional<Tvx_String> next = answers_.front();
    answers_.pop_front();
    if (!next) {
        return false;
    }
    answer = *next;
    return true;
}
