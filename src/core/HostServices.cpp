// HostServices.cpp - the host command-line service, its terminal default and the recorder.
#include "core/HostServices.h"

#include <cstdarg>
#include <cstdio>

#include "base/WidePrintf.h"
#include "core/StringHelpers.h"

namespace {

HostCommandLine& terminal() {
    static TerminalCommandLine instance;
    return instance;
}

HostCommandLine* gService = nullptr;

}  // namespace

HostCommandLine* setHostCommandLine(HostCommandLine* service) {
    HostCommandLine* previous = gService;
    gService = service;
    return previous;
}

HostCommandLine& hostCommandLine() {
    return gService ? *gService : terminal();
}

int acutPrintf(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const Tvx_String text(ovbase::formatWide(format, args));
    va_end(args);
    hostCommandLine().print(text);
    return text.length();
}

void acedPostCommand(const wchar_t* command) {
    hostCommandLine().postCommand(command);
}

void acedPostCommandPrompt() {
    hostCommandLine().postCommandPrompt();
}

bool acedGetString(const Tvx_String& prompt, Tvx_String& answer) {
    return hostCommandLine().getString(prompt, answer);
}

void TerminalCommandLine::print(const Tvx_String& text) {
    const std::string utf8 = text.toUtf8();
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

void TerminalCommandLine::postCommand(const Tvx_String& command) {
    print(L"[command] " + command + L"\n");
}

void TerminalCommandLine::postCommandPrompt() {}

bool TerminalCommandLine::getString(const Tvx_String& /*prompt*/, Tvx_String& /*answer*/) {
    return false;
}

HostRecorder::HostRecorder() : previous_(setHostCommandLine(this)) {}

HostRecorder::~HostRecorder() {
    setHostCommandLine(previous_);
}

void HostRecorder::print(const Tvx_String& text) {
    output_ += text;
}

void HostRecorder::postCommand(const Tvx_String& command) {
    commands_.push_back(command);
}

void HostRecorder::postCommandPrompt() {
    ++commandPrompts_;
}

bool HostRecorder::getString(const Tvx_String& prompt, Tvx_String& answer) {
    prompts_.push_back(prompt);
    if (answers_.empty()) {
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    return true;
}

std::vector<Tvx_String> HostRecorder::lines() const {
    const Tvx_StringArray parts = strToArr(output_, L"\n");
    std::vector<Tvx_String> out(parts.begin(), parts.end());
    if (!out.empty() && out.back().isEmpty()) {
        out.pop_back();  // the text after the last line feed
    }
    return out;
}

void HostRecorder::clear() {
    output_ = Tvx_String();
    commands_.clear();
    prompts_.clear();
    answers_.clear();
    commandPrompts_ = 0;
}
