// CalcCommandSupport.h - pieces shared by the calc and lint jobs of the ovss tool: the library
// folder and warnings setting for one job, a message service that prints to a stream, and
// NAME=VALUE arguments.
#pragma once

#include <ostream>
#include <string>

#include "core/MessageService.h"
#include "core/Tvx_Settings.h"
#include "core/Tvx_String.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "host/HostServices.h"

namespace ovcalc {

// Sets the library folder (when given) and the warnings flag for one job; restores both.
class JobSettings {
  public:
    JobSettings(const std::string& libDir, bool warnings);
    ~JobSettings();
    JobSettings(const JobSettings&) = delete;
    JobSettings& operator=(const JobSettings&) = delete;

  private:
    Tvx_String savedLibDir_;
    bool savedWarnings_;
};

// Message boxes as "caption: text" lines on a stream; installed for its lifetime.
class StreamMessages : public MessageService {
  public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    StreamMessages(const StreamMessages&) = delete;
    StreamMessages& operator=(const StreamMessages&) = delete;
    int show(const Tvx_String& text, const Tvx_String& caption, unsigned type) override;

  private:
    std::ostream& out_;
    ovbase::ScopedService<MessageService> installed_{messageService(), this};
};

// Host command-line output (notices such as a skipped profile table) on a stream, so that the
// tool's stdout holds its results only; installed for its lifetime.
class StreamCommandLine : public TerminalCommandLine {
  public:
    explicit StreamCommandLine(std::ostream& out) : out_(out) {}
    StreamCommandLine(const StreamCommandLine&) = delete;
    StreamCommandLine& operator=(const StreamCommandLine&) = delete;
    void print(const std::wstring& text) override;

  private:
    std::ostream& out_;
    ovbase::ScopedService<HostCommandLine> installed_{hostCommandLine(), this};
};

// The rules for writing a calculated drawing back: with `failures` > 0, --write leaves the file
// untouched and --write-anyway writes it with a warning. `failed` is what failed as the error
// names it ("2 macro(s) failed"), `despite` as the warning does ("2 failed macro(s)"). Returns
// the tool's exit code (CalcStatus).
struct DrawingWrite {
    bool write = false;
    bool writeAnyway = false;
    std::string failed;
    std::string despite;
};
int finishDrawingWrite(const DrawingWrite& rules, std::size_t failures, AcTransaction& transaction,
                       Tvx_Drawing& drawing, const Tvx_String& drawingPath, std::ostream& err);

// Splits NAME=VALUE at the first "="; false for a missing "=" or an empty name.
bool splitAssignment(const std::string& argument, Tvx_String& name, Tvx_String& value);

// The sheet file a name stands for (as the calculation resolves it); false when none exists.
bool findSheetFile(const std::string& sheet, Tvx_String& path);
// "no standards sheet "X" (looked for A and B)", with the places the calculation looks.
Tvx_String sheetNotFoundText(const std::string& sheet);

}  // namespace ovcalc
