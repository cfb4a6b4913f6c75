// HostServices.h - what the module asks of the host application's command line: printed output
// (acutPrintf), posted commands, the command prompt and one-line text prompts. The calls go to a
// replaceable service: the default prints to the terminal, the host installs its own, and tests
// install a HostRecorder.
#pragma once

#include <deque>
#include <vector>

#include "core/Tvx_String.h"

class HostCommandLine {
  public:
    virtual ~HostCommandLine() = default;
    virtual void print(const Tvx_String& text) = 0;
    virtual void postCommand(const Tvx_String& command) = 0;
    virtual void postCommandPrompt() = 0;
    // Asks for a line of text; false when the user cancels.
    virtual bool getString(const Tvx_String& prompt, Tvx_String& answer) = 0;
};

// Installs `service` (nullptr restores the terminal default); returns the previous one.
HostCommandLine* setHostCommandLine(HostCommandLine* service);
HostCommandLine& hostCommandLine();

// printf-style output to the host's command line; "%s" takes a const wchar_t*.
int acutPrintf(const wchar_t* format, ...);
// Queues a command for the host to run when the module returns ("CANCELCMD").
void acedPostCommand(const wchar_t* command);
// Asks the host to show its command prompt again.
void acedPostCommandPrompt();
// A one-line text prompt on the command line; false when cancelled.
bool acedGetString(const Tvx_String& prompt, Tvx_String& answer);

// The terminal default: output as UTF-8 to stdout; commands and prompts are noted there too;
// text prompts are cancelled (there is no one to answer).
class TerminalCommandLine : public HostCommandLine {
  public:
    void print(const Tvx_String& text) override;
    void postCommand(const Tvx_String& command) override;
    void postCommandPrompt() override;
    bool getString(const Tvx_String& prompt, Tvx_String& answer) override;
};

// Test recorder: installs itself for its lifetime and records everything. Scripted answers are
// given to text prompts in order; without one a prompt is cancelled.
class HostRecorder : public HostCommandLine {
  public:
    HostRecorder();
    ~HostRecorder() override;
    HostRecorder(const HostRecorder&) = delete;
    HostRecorder& operator=(const HostRecorder&) = delete;

    void print(const Tvx_String& text) override;
    void postCommand(const Tvx_String& command) override;
    void postCommandPrompt() override;
    bool getString(const Tvx_String& prompt, Tvx_String& answer) override;

    void answerPrompt(const Tvx_String& answer) { answers_.push_back(answer); }

    // Everything printed, concatenated, and the same split into lines at "\n".
    const Tvx_String& output() const { return output_; }
    std::vector<Tvx_String> lines() const;
    const std::vector<Tvx_String>& commands() const { return commands_; }
    const std::vector<Tvx_String>& prompts() const { return prompts_; }
    int commandPromptCount() const { return commandPrompts_; }
    void clear();

  private:
    HostCommandLine* previous_;
    Tvx_String output_;
    std::vector<Tvx_String> commands_;
    std::vector<Tvx_String> prompts_;
    std::deque<Tvx_String> answers_;
    int commandPrompts_ = 0;
};
