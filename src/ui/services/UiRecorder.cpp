// UiRecorder.cpp - scripted file-dialog answers.
#include "ui/services/UiRecorder.h"

namespace ovui {

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
