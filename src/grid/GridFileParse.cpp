// GridFileParse.cpp - the fast reader of a sheet document, over simdjson's DOM. It gives the
// same result and the same reasons as the streaming reader for every document it parses: the
// parser's depth limit is the streaming reader's, and anything it refuses is read there.
#include "grid/GridFileParse.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "base/AtomicFile.h"
#include "base/LargePages.h"
#include "grid/GridFileElements.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid::sheetfile {

// Files are read with room for the parser past their end (see Grid::loadFromFile).
static_assert(ovbase::kReadAheadRoom >= simdjson::SIMDJSON_PADDING);

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

// A parser kept for the next document read on this thread. A fresh parser's tables fill page by
// page, and on machines where a page fault is dear that is most of a big file's parse; a kept
// parser has them in memory already (a 12 MB sheet parses in 15 ms instead of 200). Files
// larger than this get a parser of their own, freed after the read, so that what stays held
// is bounded.
constexpr std::size_t kKeptParserMaxBytes = std::size_t{16} << 20;

class ParserLease {
  public:
    explicit ParserLease(std::size_t size) {
        if (size <= kKeptParserMaxBytes && !kept().busy) {
            kept().busy = true;
            leased_ = &kept().parser;
        } else {
            own_ = std::make_unique<simdjson::dom::parser>();
            leased_ = own_.get();
        }
    }
    ~ParserLease() {
        if (leased_ == &kept().parser) {
            kept().busy = false;
        }
    }
    ParserLease(const ParserLease&) = delete;
    ParserLease& operator=(const ParserLease&) = delete;

    simdjson::dom::parser& parser() { return *leased_; }

  private:
    struct Kept {
        simdjson::dom::parser parser;
        bool busy = false;  // a read in progress on this thread holds it
    };
    static Kept& kept() {
        thread_local Kept instance;
        return instance;
    }

    simdjson::dom::parser* leased_ = nullptr;
    std::unique_ptr<simdjson::dom::parser> own_;
};

}  // namespace

ParseOutcome parseSheetDocument(std::string_view bytes, std::size_t capacity,
                                const std::function<void(std::size_t)>& reserveCells,
                                const std::function<void(const element&)>& onCell, json& document,
                                std::string& error) {
    const std::size_t size = bytes.size();
    ParserLease lease(size);
    simdjson::dom::parser& parser = lease.parser();
    if (parser.capacity() < size || parser.max_depth() != kMaxDepth) {
        if (parser.allocate(size, kMaxDepth) != simdjson::SUCCESS) {
            return ParseOutcome::Unparsed;
        }
        // The parser's tables run to several times the file's size: in huge pages where the
        // system has them. The sizes are what allocate() guarantees at least.
        ovbase::adviseLargePages(parser.implementation->structural_indexes.get(), size * 4);
        ovbase::adviseLargePages(parser.doc.tape.get(), size * 8);
        ovbase::adviseLargePages(parser.doc.string_buf.get(), 5 * size / 3);
    }
    element root;
    if (capacity >= size + simdjson::SIMDJSON_PADDING) {
        // The parser reads a little past the end: there is room for that.
        if (parser.parse(bytes.data(), size, false).get(root) != simdjson::SUCCESS) {
            return ParseOutcome::Unparsed;
        }
    } else {
        // The parsed document holds copies of the texts: the copy goes before the cells are
        // built.
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
