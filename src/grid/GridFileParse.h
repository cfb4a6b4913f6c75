// GridFileParse.h - the fast reader of a sheet document: parses the whole file with simdjson
// (several times faster than a streaming nlohmann parse), hands each entry of "cells" over as
// a parsed element and converts the small rest of the document to nlohmann json. Bytes it
// cannot parse are left to the streaming reader (GridFileStream.h), which names the place of
// a syntax error and reads numbers beyond simdjson's range. Internal to the grid engine.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace simdjson::dom {
class element;
}

namespace ovgrid::sheetfile {

enum class ParseOutcome {
    Read,      // every cell handed over, `document` filled
    Refused,   // not a sheet document, or refused by `onCell`: the reason is in `error`
    Unparsed,  // not parsed here (not valid JSON, nested too deeply, a huge number)
};

// Calls `reserveCells` with the length of the "cells" list before its entries, and `onCell`
// for every entry; a FormatError (or any exception) thrown by either stops the read. `capacity`
// is the size of the buffer holding the bytes: with simdjson::SIMDJSON_PADDING bytes of room
// past their end the parser reads them in place, else from a copy.
ParseOutcome parseSheetDocument(std::string_view bytes, std::size_t capacity,
                                const std::function<void(std::size_t)>& reserveCells,
                                const std::function<void(const simdjson::dom::element&)>& onCell,
                                nlohmann::json& document, std::string& error);

}  // namespace ovgrid::sheetfile
