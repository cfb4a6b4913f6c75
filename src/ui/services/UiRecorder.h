// UiRecorder.h - the scriptable stand-in for the prompt and file-dialog services of the dialogs.
// It installs itself in both slots for its lifetime, records every request and gives the queued
// answers in order; when the script runs out a request is cancelled, so nothing ever waits for a
// person. The prompt half is the core's PromptRecorder.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "core/PromptService.h"
#include "ui/services/FileDialogs.h"

namespace ovui {

class UiRecorder : public PromptRecorder, public FileDialogService {
  public:
    UiRecorder() = default;
    UiRecorder(const UiRecorder&) = delete;
    UiRecorder& operator=(const UiRecorder&) = delete;

    // The next file dialog chooses `paths` / is cancelled.
    void answerFiles(const Tvx_StringArray& paths) { fileAnswers_.emplace_back(paths); }
    void cancelFiles() { fileAnswers_.emplace_back(std::nullopt); }

    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }

    bool choose(const FileDialogRequest& request, Tvx_StringArray& chosen) override;

  private:
    ovbase::ScopedService<FileDialogService> installedFiles_{fileDialogService(), this};
    std::deque<std::optional<Tvx_StringArray>> fileAnswers_;
    std::vector<FileDialogRequest> fileRequests_;
};

}  // namespace ovui
