// PromptService.cpp - the prompt hook and its test recorder.
#include "spread/PromptService.h"

namespace {

class UnattendedPrompt : public PromptService {
  public:
    bool promptString(const Tvx_String&, const Tvx_String&, Tvx_String&, const Tvx_String&,
                      const Tvx_String&) override {
        return false;
    }
};

UnattendedPrompt gUnattended;
PromptService* gPrompt = &gUnattended;

}  // namespace

PromptService* setPromptService(PromptService* service) {
    PromptService* previous = gPrompt;
    gPrompt = service ? service : &gUnattended;
    return previous;
}

bool promptString(const Tvx_String& title, const Tvx_String& prompt, Tvx_String& value,
                  const Tvx_String& okText, const Tvx_String& cancelText) {
    return gPrompt->promptString(title, prompt, value, okText, cancelText);
}

PromptRecorder::PromptRecorder() : previous_(setPromptService(this)) {}

PromptRecorder::~PromptRecorder() {
    setPromptService(previous_);
}

bool PromptRecorder::promptString(const Tvx_String& title, const Tvx_String& prompt,
                                  Tvx_String& value, const Tvx_String& okText,
                                  const Tvx_String& cancelText) {
    prompts_.push_back({title, prompt, value, okText, cancelText});
    if (answers_.empty()) {
        return false;
    }
    value = answers_.front();
    answers_.pop_front();
    return true;
}
