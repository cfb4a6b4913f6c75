// PromptService.h - the one-line text prompt (title, prompt, value, OK and Cancel texts) through
// a replaceable service. The engine default answers "not confirmed" (there is no one to ask);
// the dialog library installs the real prompt dialog; tests install a PromptRecorder.
#pragma once

#include <deque>
#include <vector>

#include "core/Tvx_String.h"

class PromptService {
  public:
    virtual ~PromptService() = default;
    // True when the user confirmed; `value` holds the initial text and receives the answer.
    virtual bool promptString(const Tvx_String& title, const Tvx_String& prompt, Tvx_String& value,
                              const Tvx_String& okText, const Tvx_String& cancelText) = 0;
};

// Installs `service` (nullptr restores the default); returns the previous one.
PromptService* setPromptService(PromptService* service);

bool promptString(const Tvx_String& title, const Tvx_String& prompt, Tvx_String& value,
                  const Tvx_String& okText, const Tvx_String& cancelText);

// Test recorder: installs itself for its lifetime, records every prompt and gives the scripted
// answers in order; when the script runs out the prompt is cancelled.
class PromptRecorder : public PromptService {
  public:
    struct Prompt {
        Tvx_String title, prompt, value, okText, cancelText;
    };

    PromptRecorder();
    ~PromptRecorder() override;
    PromptRecorder(const PromptRecorder&) = delete;
    PromptRecorder& operator=(const PromptRecorder&) = delete;

    bool promptString(const Tvx_String& title, const Tvx_String& prompt, Tvx_String& value,
                      const Tvx_String& okText, const Tvx_String& cancelText) override;

    void answer(const Tvx_String& text) { answers_.push_back(text); }
    const std::vector<Prompt>& prompts() const { return prompts_; }

  private:
    PromptService* previous_;
    std::vector<Prompt> prompts_;
    std::deque<Tvx_String> answers_;
};
