// ovss: the command-line tool of the spreadsheet engine (runs without a display).
#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"ovss - connection standards and spreadsheet engine"};
    app.require_subcommand(0, 1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
