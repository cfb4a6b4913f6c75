// HostServices.h - what the module asks of the host application's command line: printed output
// (acutPrintf), posted commands, the command prompt and one-line text prompts. The calls go to a
// replaceable service: the default prints to the terminal, a host installs its own
// (setHostCommandLine), and tests install a HostRecorder. Texts are wide strings; the core's
// Tvx_String converts to and from them.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/Service.h"

class HostCommandLine {
  public:
    virtual ~HostCommandLine() = default;
    virtual void print(const std::wstring& text) = 0;
    virtual void postCommand(const std::wstring& command) = 0;
    virtual void postCommandPrompt() = 0;
    // Asks for a line of text; false when the user cancels.
    virtual bool getString(const std::wstring& prompt, std::wstring& answer) = 0;
};

// The command-line slot; its default is the terminal.
ovbase::Service<HostCommandLine>& hostCommandLine();
// The host's way in (exported; a host that loads the module finds it by name): installs
// `service` (nullptr restores the terminal); returns the previous one.
HostCommandLine* setHostCommandLine(HostCommandLine* service);

// printf-style output to the host's command line; "%s" takes a const wchar_t*.
int acutPrintf(const wchar_t* format, ...);
// Queues a command for the host to run when the module returns ("CANCELCMD").
void acedPostCommand(const wchar_t* command);
// Asks the host to show its command prompt again.
void acedPostCommandPrompt();
// A one-line text prompt on the command line; false when cancelled.
bool acedGetString(const std::wstring& prompt, std::wstring& answer);

// The terminal default: output as UTF-8 to stdout; commands and prompts are noted there too;
// text prompts are cancelled (there is no one to answer).
class TerminalCommandLine : public HostCommandLine {
  public:
    void print(const std::wstring& text) override;
    void postCommand(const std::wstring& command) override;
    void postCommandPrompt() override;
    bool getString(const std::wstring& prompt, std::wstring& answer) override;
};

// Test recorder: installs itself for its lifetime and records everything. Scripted answers are
// given to text prompts in order; without one a prompt is cancelled.
class HostRecorder : public HostCommandLine {
  public:
    HostRecorder() = default;
    HostRecorder(const HostRecorder&) = delete;
    HostRecorder& operator=(const HostRecorder&) = delete;

    void print(const std::wstring& text) override;
    void postCommand(const std::wstring& command) override;
    void postCommandPrompt() override;
    bool getString(const std::wstring& prompt, std::wstring& answer) override;

    void answerPrompt(const std::wstring& answer) { answers_.push_back(answer); }

    // Everything printed, concatenated, and the same split into lines at "\n".
    const std::wstring& output() const { return output_; }
    std::vector<std::wstring> lines() const;
    const std::vector<std::wstring>& commands() const { return commands_; }
    const std::vector<std::wstring>& prompts() const { return prompts_; }
    int commandPromptCount() const { return commandPrompts_; }
    void clear();

  private:
    ovbase::ScopedService<HostCommandLine> installed_{hostCommandLine(), this};
    std::wstring output_;
    std::vector<std::wstring> commands_;
    std::vector<std::wstring> prompts_;
    std::deque<std::wstring> answers_;
    int commandPrompts_ = 0;
};
