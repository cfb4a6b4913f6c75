// MessageService.cpp - message boxes: the service switch, the stderr default and the recorder.
#include "core/MessageService.h"

#include <cstdio>

namespace {

MessageService& fallback() {
    static StderrMessageService instance;
    return instance;
}

MessageService* gService = nullptr;

}  // namespace

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

MessageService* setMessageService(MessageService* service) {
    MessageService* previous = gService;
    gService = service;
    return previous;
}

int ovMessageBox(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    return (gService ? *gService : fallback()).show(text, caption, type);
}

int AfxMessageBox(const Tvx_String& text, unsigned type) {
    return ovMessageBox(text, L"ovss", type);
}

int StderrMessageService::show(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    const Tvx_String line = caption.isEmpty() ? text : caption + L": " + text;
    std::fprintf(stderr, "%s\n", line.toUtf8().c_str());
    return defaultMessageAnswer(type);
}

MessageRecorder::MessageRecorder() : previous_(setMessageService(this)) {}

MessageRecorder::~MessageRecorder() {
    setMessageService(previous_);
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
