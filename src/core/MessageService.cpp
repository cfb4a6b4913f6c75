// MessageService.cpp - message boxes: the service slot, the stderr default and the recorder.
#include "core/MessageService.h"

#include <cstdio>

int defaultMessageAnswer(unsigned type) {
    const unsigned buttons = type & 0xF;
    const unsigned which = (type >> 8) & 0xF;  // 0, 1 or 2
    switch (buttons) {
        case MB_OKCANCEL:
            return which == 1 ? IDCANCEL : IDOK;
        case MB_YESNO:
            return which == 1 ? IDNO : IDYES;
        case MB_YESNOCANCEL:
            return which == 1 ? IDNO : (which == 2 ? IDCANCEL : IDYES);
        default:
            return IDOK;
    }
}

ovbase::Service<MessageService>& messageService() {
    static constinit ovbase::Service<MessageService> slot{
        &ovbase::defaultService<MessageService, StderrMessageService>};
    return slot;
}

int ovMessageBox(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    return messageService()->show(text, caption, type);
}

int AfxMessageBox(const Tvx_String& text, unsigned type) {
    return ovMessageBox(text, L"ovss", type);
}

int StderrMessageService::show(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    const Tvx_String line = caption.isEmpty() ? text : caption + L": " + text;
    std::fprintf(stderr, "%s\n", line.toUtf8().c_str());
    return defaultMessageAnswer(type);
}

int MessageRecorder::show(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    messages_.push_back({text, caption, type});
    if (answers_.empty()) {
        return defaultMessageAnswer(type);
    }
    const int choice = answers_.front();
    answers_.pop_front();
    return choice;
}

void MessageRecorder::clear() {
    messages_.clear();
    answers_.clear();
}
