// PromptService.h - the one-line text prompt Tvx_DlgPromptString (title, prompt, value, OK and
// Cancel texts) that the grid and the dialogs of every subsystem use, and the one replaceable
// service behind it. The engine default cancels every prompt (a program without a user interface
// has no one to ask); the dialog library installs its Qt prompt dialog with the other Qt services
// (ovui::installQtServices, which a host that loads the module calls); tests install a
// PromptRecorder.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "base/Service.h"
#include "core/Tvx_String.h"

struct PromptRequest {
    Tvx_String title;
    Tvx_String prompt;
    Tvx_String value;  // the initial value
    Tvx_String okText;
    Tvx_String cancelText;  // empty: the button keeps its usual caption
};

class PromptService {
  public:
    virtual ~PromptService() = default;
    // True with the entered text in `answer` when the user confirms.
    virtual bool prompt(const PromptRequest& request, Tvx_String& answer) = 0;
};

// The prompt slot; its default cancels.
ovbase::Service<PromptService>& promptService();

// The framework-style prompt object the callers create: fill it, DoModal, read m_value.
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

// Test recorder: installs itself for its lifetime, records every request and gives the scripted
// answers in order; when the script runs out a prompt is cancelled, so nothing waits for a person.
class PromptRecorder : public PromptService {
  public:
    PromptRecorder() = default;
    PromptRecorder(const PromptRecorder&) = delete;
    PromptRecorder& operator=(const PromptRecorder&) = delete;

    // The next prompt confirms `value` / is cancelled.
    void answerPrompt(const Tvx_String& value) { answers_.emplace_back(value); }
    void cancelPrompt() { answers_.emplace_back(std::nullopt); }
    const std::vector<PromptRequest>& prompts() const { return prompts_; }

    bool prompt(const PromptRequest& request, Tvx_String& answer) override;

  private:
    ovbase::ScopedService<PromptService> installed_{promptService(), this};
    std::deque<std::optional<Tvx_String>> answers_;
    std::vector<PromptRequest> prompts_;
};
