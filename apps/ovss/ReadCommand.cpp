// `ovss read SHEET`: the column headers and every row as shown, tab-separated, read through
// the module's exported sheet reader (ReadSSFile). The reader's command-line notes go to stderr
// so that stdout holds the table only.
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "base/Utf8.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "host/HostServices.h"
#include "spread/SheetFileIo.h"
#include "spread/workbench/ReadSSFile.h"

namespace ovcli {

namespace {

// Host output of the reader, sent to stderr for as long as the command runs.
class StderrCommandLine : public TerminalCommandLine {
  public:
    StderrCommandLine() = default;
    StderrCommandLine(const StderrCommandLine&) = delete;
    StderrCommandLine& operator=(const StderrCommandLine&) = delete;
    void print(const std::wstring& text) override { std::cerr << ovbase::toUtf8(text); }

  private:
    ovbase::ScopedService<HostCommandLine> installed_{hostCommandLine(), this};
};

std::string tsvLine(const Tvx_StringArray& fields) {
    std::string line;
    for (int i = 0; i < fields.length(); ++i) {
        line += (i > 0 ? "\t" : "") + Tvx_String(tsvField(fields[i].wstr())).toUtf8();
    }
    return line + "\n";
}

int readSheetFile(const std::string& sheet) {
    Tvx_String firstCell;
    Tvx_StringArray headers;
    Tvx_Array<Tvx_StringArray> rows;
    {
        StderrCommandLine quiet;
        Tvx_String error;
        if (!ReadSSFile(fromFileSystemPath(sheet), firstCell, headers, rows, &error)) {
            std::cerr << "ovss read: cannot load the sheet "
                      << shortenedText(error.isEmpty() ? Tvx_String::fromUtf8(sheet) : error, 400)
                             .toUtf8()
                      << "\n";
            return kExitBadInput;
        }
    }
    // An empty header shows its column letters.
    for (int col = 0; col < headers.length(); ++col) {
        if (headers[col].isEmpty()) {
            std::wstring letters = cellName(col + 1, 1);
            letters.pop_back();
            headers.setAt(col, Tvx_String(letters));
        }
    }
    std::string text = tsvLine(headers);
    for (const Tvx_StringArray& row : rows) {
        text += tsvLine(row);
    }
    std::cout << text;
    return std::cout ? kExitOk : kExitFailed;
}

}  // namespace

void addReadCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand("read", "Print a sheet's headers and rows as TSV");
    auto sheet = std::make_shared<std::string>();
    cmd->add_option("SHEET", *sheet, "Sheet file (.ovs, .csv, .tsv)")->required();
    cmd->callback([&exitCode, sheet] { exitCode = readSheetFile(*sheet); });
}

}  // namespace ovcli
