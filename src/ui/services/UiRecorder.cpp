// UiRecorder.cpp - scripted prompt and file-dialog answers.
#include "ui/services/UiRecorder.h"

namespace ovui {

UiRecorder::UiRecorder()
    : previousPrompt_(setPromptService(this)), previousFiles_(setFileDialogService(this)) {}

UiRecorder::~UiRecorder() {
    setPromptService(previousPrompt_);
    setFileDialogService(previousFiles_);
}

bool UiRecorder::prompt(const PromptRequest& request, Tvx_String& answer) {
    prompts_.push_back(request);
    if (promptAnswers_.empty()) {
        return false;
    }
    const std::optional<Tvx_String> next = promptAnswers_.front();
    promptAnswers_.pop_front();
    if (!next) {
        return false;
    }
    answer = *next;
    return true;
}

bool UiRecorder::choose(const FileDialogRequest& request, Tvx_StringArray& chosen) {
    fileRequests_.push_back(request);
    if (fileAnswers_.empty()) {
        return false;
    }
    const std::optional<Tvx_StringArray> next = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!next || next->isEmpty()) {
        return false;
    }
    chosen = *next;
    return true;
}

}  // namespace ovui
