// GridFileReader.cpp - a whole sheet document into a fresh grid: the cells as the fast reader
// (or, for what it does not parse, the streaming reader) hands them over, then the document
// around them.
#include "grid/GridFileReader.h"

#include <type_traits>
#include <vector>

#include <simdjson.h>

#include "grid/Grid.h"
#include "grid/GridCellReader.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"
#include "grid/GridFileParse.h"
#include "grid/GridFileStream.h"

namespace ovgrid {

using namespace sheetfile;

bool GridReader::read(std::string_view bytes, std::size_t capacity, Grid& fresh,
                      std::string& error) {
    json doc;
    {
        GridCellReader cells(fresh);
        switch (parseSheetDocument(
            bytes, capacity, [&](std::size_t count) { cells.reserve(count); },
            [&](const simdjson::dom::element& cell) { cells.read(cell); }, doc, error)) {
            case ParseOutcome::Read:
                return finish(fresh, cells, doc, error);
            case ParseOutcome::Refused:
                return false;
            case ParseOutcome::Unparsed:
                break;
        }
    }
    // Not valid JSON, or numbers simdjson does not take: the streaming reader names the
    // place of the fault, or reads the file.
    fresh = Grid();
    GridCellReader cells(fresh);
    if (!streamSheetDocument(
            bytes, [&](const json& cell) { cells.read(cell); }, doc, error)) {
        return false;
    }
    return finish(fresh, cells, doc, error);
}

bool GridReader::finish(Grid& fresh, const GridCellReader& cells, const json& doc,
                        std::string& error) {
    try {
        GridReader(fresh, cells).readDocument(doc);
    } catch (const FormatError& e) {
        error = e.message;
        return false;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    return true;
}

void GridReader::readDocument(const json& doc) {
    if (!doc.is_object()) {
        fail("the file is not a sheet document");
    }
    auto format = doc.find(keys::format);
    if (format == doc.end() || !format->is_string() || *format != kFormatName) {
        fail("the file is not an ovss sheet");
    }
    long long version = integer(member(doc, keys::version), "version", 0, INT32_MAX);
    if (version != kFormatVersion) {
        fail("the sheet has format version " + std::to_string(version) +
             "; this program reads version " + std::to_string(kFormatVersion));
    }
    if (!doc.contains(keys::cells)) {
        fail(std::string("missing \"") + keys::cells + "\"");
    }
    g_.maxCols_ = static_cast<int>(integer(member(doc, keys::maxCols), "maxCols", 0, kMaxGridCols));
    g_.maxRows_ = static_cast<int>(integer(member(doc, keys::maxRows), "maxRows", 0, kMaxGridRows));
    if (cells_.maxCol() > g_.maxCols_ || cells_.maxRow() > g_.maxRows_) {
        fail("a cell lies outside the sheet");
    }
    const json& style = member(doc, keys::refStyle);
    if (style == kRefStyleA1) {
        g_.refStyle_ = RefStyle::A1;
    } else if (style == kRefStyleR1C1) {
        g_.refStyle_ = RefStyle::R1C1;
    } else {
        fail("unknown reference style");
    }
    for (const json& p : arrayOf(member(doc, keys::properties), "properties")) {
        const json& pair = arrayOf(p, "a property", 2);
        g_.properties_[intOf(pair[0], "property code")] = boolOf(pair[1], "property value");
    }
    g_.fonts_.clear();
    for (const json& f : arrayOf(member(doc, keys::fonts), "fonts")) {
        g_.fonts_.push_back(fontFrom(f));
    }
    if (g_.fonts_.empty()) {
        fail("the font table is empty");
    }
    const json& styles = arrayOf(member(doc, keys::styles), "styles");
    if (styles.empty() || cells_.maxStyle() >= styles.size()) {
        fail("a cell refers to a missing style");
    }
    // Interning may merge equal styles; cells follow through the remap table.
    std::vector<std::uint32_t> remap;
    bool same = true;  // as written by this program: every style distinct, in table order
    for (const json& s : styles) {
        remap.push_back(g_.styles_.intern(styleFrom(s, g_.fonts_.size())));
        same = same && remap.back() == remap.size() - 1;
    }
    if (!same) {
        for (auto& [key, cell] : g_.cells_) {
            cell.style = remap[cell.style];
        }
    }
    for (const json& w : arrayOf(member(doc, keys::colWidths), "colWidths")) {
        const json& pair = arrayOf(w, "a column width", 2);
        int col = static_cast<int>(integer(pair[0], "column", 0, g_.maxCols_));
        double width = numberOf(pair[1], "column width");
        if (width < 0) {
            fail("a column width is negative");
        }
        g_.colWidths_[col] = width;
    }
    for (const json& h : arrayOf(member(doc, keys::rowHeights), "rowHeights")) {
        const json& pair = arrayOf(h, "a row height", 2);
        int row = static_cast<int>(integer(pair[0], "row", 0, g_.maxRows_));
        double height = numberOf(pair[1], "row height");
        if (height < 0) {
            fail("a row height is negative");
        }
        g_.rowHeights_[row] = height;
    }
    for (const json& r : arrayOf(member(doc, keys::hiddenRows), "hiddenRows")) {
        g_.hiddenRows_.insert(static_cast<int>(integer(r, "hidden row", 1, g_.maxRows_)));
    }
    for (const json& s : arrayOf(member(doc, keys::spans), "spans")) {
        const json& span = arrayOf(s, "a span", 4);
        if (!g_.addCellSpan(intOf(span[0], "span column"), intOf(span[1], "span row"),
                            intOf(span[2], "span columns"), intOf(span[3], "span rows"))) {
            fail("a span leaves the sheet or overlaps another");
        }
    }
    if (auto view = doc.find(keys::view); view != doc.end()) {
        readView(*view);
    }
    g_.rebuildDependencies();
}

void GridReader::readView(const json& v) {
    if (!v.is_object()) {
        fail("\"view\" is not an object");
    }
    SheetView& view = g_.view_;
    const json& active = arrayOf(member(v, keys::active), "active cell", 2);
    view.activeCol = intOf(active[0], "active column");
    view.activeRow = intOf(active[1], "active row");
    const json& sel = member(v, keys::selection);
    if (!sel.is_null()) {
        const json& s = arrayOf(sel, "selection", 4);
        if (!g_.setSelectedBlock(intOf(s[0], "selection"), intOf(s[1], "selection"),
                                 intOf(s[2], "selection"), intOf(s[3], "selection"))) {
            fail("the selection lies outside the sheet");
        }
    }
    view.editMode = boolOf(member(v, keys::editMode), "editMode");
    const json& edit = arrayOf(member(v, keys::editSelection), "editSelection", 2);
    g_.setEditSelection(intOf(edit[0], "edit selection"), intOf(edit[1], "edit selection"));
    for (const json& k : arrayOf(member(v, keys::actionKeys), "actionKeys")) {
        const json& key = arrayOf(k, "an action key", 4);
        g_.setActionKey(intOf(key[0], "action"), intOf(key[1], "shift"), intOf(key[2], "control"),
                        intOf(key[3], "key"));
    }
    const json& tip = member(v, keys::textTip);
    if (!tip.is_object()) {
        fail("\"textTip\" is not an object");
    }
    view.textTip = {intOf(member(tip, keys::status), "tip status"),
                    intOf(member(tip, keys::delay), "tip delay"), fontFrom(member(tip, keys::font)),
                    longOf(member(tip, keys::background), "tip background"),
                    longOf(member(tip, keys::foreground), "tip foreground")};
    const json& a = member(v, keys::appearance);
    if (!a.is_object()) {
        fail("\"appearance\" is not an object");
    }
    Appearance& out = view.appearance;
    auto pair = [&](const char* name, auto& first, auto& second) {
        const json& p = arrayOf(member(a, name), name, 2);
        first = static_cast<std::remove_reference_t<decltype(first)>>(longOf(p[0], name));
        second = static_cast<std::remove_reference_t<decltype(second)>>(longOf(p[1], name));
    };
    out.appearance = intOf(member(a, keys::appearance), "appearance");
    pair(keys::selColors, out.selBackground, out.selForeground);
    out.backColorStyle = intOf(member(a, keys::backColorStyle), "backColorStyle");
    const json& oddEven = arrayOf(member(a, keys::oddEvenColors), "oddEvenColors", 4);
    for (std::size_t i = 0; i < 4; ++i) {
        out.oddEvenColors[i] = longOf(oddEven[i], "odd/even colour");
    }
    out.activeCellHighlightStyle =
        intOf(member(a, keys::activeCellHighlightStyle), "activeCellHighlightStyle");
    pair(keys::gridLine, out.gridLineType, out.gridLineColor);
    pair(keys::headerColors, out.headerBackground, out.headerForeground);
    pair(keys::colorSetting, out.colorBackground, out.colorForeground);
    pair(keys::cursor, out.cursorCode, out.cursorValue);
    pair(keys::modes, out.modeA, out.modeB);
    pair(keys::twoCode, out.twoCodeFirst, out.twoCodeSecond);
    out.cellNoteIndicator = intOf(member(a, keys::cellNoteIndicator), "cellNoteIndicator");
}

}  // namespace ovgrid
