// `ovss bill ROWS.tsv OUT.ovs [--settings NAME] [--types 1,3,...]`: writes a bill sheet from a
// tab-separated rows file through the module's bill output, with the sheet's header and footer
// files beside it. The sheet is written whole or not at all.
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "core/Paths.h"
#include "spread/bill/BillFromTsv.h"

namespace ovcli {

namespace {

struct BillArgs {
    std::string rows;
    std::string sheet;
    std::string settings;
    std::string types;
};

int writeBill(const BillArgs& args) {
    Tvx_Array<int> types;
    Tvx_String error;
    if (!parseColumnTypes(Tvx_String::fromUtf8(args.types), types, error)) {
        std::cerr << "ovss bill: " << error.toUtf8() << "\n";
        return kExitBadInput;
    }
    Tvx_String message;
    const BillWriteResult result =
        writeBillFromTsv(fromFileSystemPath(args.rows), fromFileSystemPath(args.sheet),
                         Tvx_String::fromUtf8(args.settings), types, message);
    if (result != BillWriteResult::Ok) {
        std::cerr << "ovss bill: " << message.toUtf8() << "\n";
        return result == BillWriteResult::BadInput ? kExitBadInput : kExitFailed;
    }
    std::cout << message.toUtf8() << "\n";
    return std::cout ? kExitOk : kExitFailed;
}

}  // namespace

void addBillCommand(CLI::App& app, int& exitCode) {
    auto* cmd = app.add_subcommand("bill", "Write a bill sheet (.ovs) from a TSV rows file");
    auto args = std::make_shared<BillArgs>();
    cmd->add_option("ROWS", args->rows,
                    "Rows file: captions on the first line, one row per line, "
                    "\"#subtotal\" as first field for a sub-total row")
        ->required();
    cmd->add_option("OUT", args->sheet, "Sheet to write (.ovs)")->required();
    cmd->add_option("--settings", args->settings, "Sheet settings name (an .ovd file)");
    cmd->add_option("--types", args->types,
                    "Column types, comma-separated: 1 integer, 2 one decimal, 3 text");
    cmd->callback([&exitCode, args] { exitCode = writeBill(*args); });
}

}  // namespace ovcli
