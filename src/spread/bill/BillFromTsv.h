// BillFromTsv.h - a bill written from a tab-separated file, as the command line offers it: the
// first line holds the column captions, a line whose first field is "#subtotal" is a sub-total
// row (its other fields are the texts), every other line is a bill row; blank lines are skipped.
// Fields may be quoted as in CSV (a doubled quote inside quotes).
#pragma once

#include <vector>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

struct BillTsvLine {
    bool subTotal = false;
    Tvx_StringArray texts;
};

struct BillTsv {
    Tvx_StringArray captions;
    std::vector<BillTsvLine> lines;
};

// False, with a message naming the problem, for text without a caption line, a quote left open,
// or a line wider or a bill longer than a sheet can hold.
bool parseBillTsv(const Tvx_String& text, BillTsv& bill, Tvx_String& error);

// "1,3,2" -> {1, 3, 2}; "" gives no types. False for an item that is not a whole number >= 0.
bool parseColumnTypes(const Tvx_String& text, Tvx_Array<int>& types, Tvx_String& error);

enum class BillWriteResult { Ok, BadInput, Failed };

// Reads `rowsFile`, feeds it through a bill output and saves the sheet to `sheetFile` (".ovs").
// Bad input (unreadable or malformed rows, an output that is not an ".ovs" file in an existing
// folder) writes nothing; `message` says what went wrong, or on success what was written.
BillWriteResult writeBillFromTsv(const Tvx_String& rowsFile, const Tvx_String& sheetFile,
                                 const Tvx_String& settingsName, const Tvx_Array<int>& types,
                                 Tvx_String& message);
