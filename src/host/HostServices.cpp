// HostServices.cpp - the host command-line service, its terminal default and the recorder.
#include "host/HostServices.h"

#include <cstdarg>
#include <cstdio>

#include "base/Utf8.h"
#include "base/WidePrintf.h"

ovbase::Service<HostCommandLine>& hostCommandLine() {
    static constinit ovbase::Service<HostCommandLine> slot{
        &ovbase::defaultService<HostCommandLine, TerminalCommandLine>};
    return slot;
}

HostCommandLine* setHostCommandLine(HostCommandLine* service) {
    return hostCommandLine().install(service);
}

int acutPrintf(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const std::wstring text = ovbase::formatWide(format, args);
    va_end(args);
    hostCommandLine()->print(text);
    return static_cast<int>(text.size());
}

void acedPostCommand(const wchar_t* command) {
    hostCommandLine()->postCommand(command);
}

void acedPostCommandPrompt() {
    hostCommandLine()->postCommandPrompt();
}

bool acedGetString(const std::wstring& prompt, std::wstring& answer) {
    return hostCommandLine()->getString(prompt, answer);
}

void TerminalCommandLine::print(const std::wstring& text) {
    const std::string utf8 = ovbase::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

void TerminalCommandLine::postCommand(const std::wstring& command) {
    print(L"[command] " + command + L"\n");
}

void TerminalCommandLine::postCommandPrompt() {}

bool TerminalCommandLine::getString(const std::wstring& /*prompt*/, std::wstring& /*answer*/) {
    return false;
}

void HostRecorder::print(const std::wstring& text) {
    output_ += text;
}

void HostRecorder::postCommand(const std::wstring& command) {
    commands_.push_back(command);
}

void HostRecorder::postCommandPrompt() {
    ++commandPrompts_;
}

bool HostRecorder::getString(const std::wstring& prompt, std::wstring& answer) {
    prompts_.push_back(prompt);
    if (answers_.empty()) {
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    return true;
}

std::vector<std::wstring> HostRecorder::lines() const {
    std::vector<std::wstring> out;
    std::size_t start = 0;
    for (std::size_t end = output_.find(L'\n'); end != std::wstring::npos;
         end = output_.find(L'\n', start)) {
        out.push_back(output_.substr(start, end - start));
        start = end + 1;
    }
    if (start < output_.size()) {
        out.push_back(output_.substr(start));  // an unfinished last line
    }
    return out;
}

void HostRecorder::clear() {
    output_.clear();
    commands_.clear();
    prompts_.clear();
    answers_.clear();
    commandPrompts_ = 0;
}
