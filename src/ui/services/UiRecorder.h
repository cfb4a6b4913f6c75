// UiRecorder.h - the scriptable stand-in for the prompt and file-dialog services. It installs
// itself for its lifetime, records every request and gives the queued answers in order; when the
// script runs out a request is cancelled, so nothing ever waits for a person.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "ui/services/FileDialogs.h"
#include "ui/services/PromptService.h"

namespace ovui {

class UiRecorder : public PromptService, public FileDialogService {
  public:
    UiRecorder();
    ~UiRecorder() override;
    UiRecorder(const UiRecorder&) = delete;
    UiRecorder& operator=(const UiRecorder&) = delete;

    // Scripts: the next prompt confirms `value` / is cancelled; the next file dialog chooses
    // `paths` / is cancelled.
    void answerPrompt(const Tvx_String& value) { promptAnswers_.emplace_back(value); }
    void cancelPrompt() { promptAnswers_.emplace_back(std::nullopt); }
    void answerFiles(const Tvx_StringArray& paths) { fileAnswers_.emplace_back(paths); }
    void cancelFiles() { fileAnswers_.emplace_back(std::nullopt); }

    const std::vector<PromptRequest>& prompts() const { return prompts_; }
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }

    bool prompt(const PromptRequest& request, Tvx_String& answer) override;
    bool choose(const FileDialogRequest& request, Tvx_StringArray& chosen) override;

  private:
    PromptService* previousPrompt_;
    FileDialogService* previousFiles_;
    std::deque<std::optional<Tvx_String>> promptAnswers_;
    std::deque<std::optional<Tvx_StringArray>> fileAnswers_;
    std::vector<PromptRequest> prompts_;
    std::vector<FileDialogRequest> fileRequests_;
};

}  // namespace ovui
