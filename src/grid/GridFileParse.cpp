// GridFileParse.cpp - the fast reader of a sheet document, over simdjson's DOM. It gives the
// same result and the same reasons as the streaming reader for every document it parses: the
// parser's depth limit is the streaming reader's, and anything it refuses is read there.
#include "grid/GridFileParse.h"

#include <algorithm>
#include <exception>

#include "base/LargePages.h"
#include "grid/GridFileElements.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid::sheetfile {

namespace {

void readCells(simdjson::dom::array cells, const std::function<void(std::size_t)>& reserveCells,
               const std::function<void(const element&)>& onCell) {
    reserveCells(cells.size());
    for (element entry : cells) {
        if (!entry.is_array() && !entry.is_object()) {
            fail("a cell entry is not a list");
        }
        onCell(entry);
    }
}

}  // namespace

ParseOutcome parseSheetDocument(std::string_view bytes,
                                const std::function<void(std::size_t)>& reserveCells,
                                const std::function<void(const element&)>& onCell, json& document,
                                std::string& error) {
    simdjson::dom::parser parser;
    if (parser.allocate(bytes.size(), kMaxDepth) != simdjson::SUCCESS) {
        return ParseOutcome::Unparsed;
    }
    // The parser's tables run to several times the file's size: in huge pages where the
    // system has them. The sizes are what allocate() guarantees at least.
    const std::size_t size = bytes.size();
    ovbase::adviseLargePages(parser.implementation->structural_indexes.get(), size * 4);
    ovbase::adviseLargePages(parser.doc.tape.get(), size * 8);
    ovbase::adviseLargePages(parser.doc.string_buf.get(), 5 * size / 3);
    element root;
    {
        // The parser reads a little past the end. The parsed document holds copies of the
        // texts: the bytes go before the cells are built.
        simdjson::padded_string padded(size);
        ovbase::adviseLargePages(padded.data(), size);
        std::copy(bytes.begin(), bytes.end(), padded.data());
        if (parser.parse(padded).get(root) != simdjson::SUCCESS) {
            return ParseOutcome::Unparsed;
        }
    }
    if (!root.is_object()) {
        error = "the file is not a sheet document";
        return ParseOutcome::Refused;
    }
    try {
        json rest = json::object();
        simdjson::dom::object fields = root.get_object().value_unsafe();
        for (auto field : fields) {
            if (field.key == keys::cells && field.value.is_array()) {
                readCells(field.value.get_array().value_unsafe(), reserveCells, onCell);
                // The streaming reader keeps the list, emptied of the entries it handed over.
                rest[keys::cells] = json::array();
            } else {
                rest[std::string(field.key)] = toJson(field.value);
            }
        }
        document = std::move(rest);
    } catch (const FormatError& e) {
        error = e.message;
        return ParseOutcome::Refused;
    } catch (const std::exception& e) {
        error = e.what();
        return ParseOutcome::Refused;
    }
    return ParseOutcome::Read;
}

}  // namespace ovgrid::sheetfile
