// GridFile.cpp - the ".ovs" sheet file: a versioned JSON document holding everything a
// grid keeps (sparse: only cells that hold something).
//
//   { "format": "ovss-grid", "version": 1, "maxCols", "maxRows", "refStyle",
//     "properties": [[code, on]], "fonts": [...], "styles": [...],
//     "colWidths": [[col, width]], "rowHeights": [[row, height]], "hiddenRows": [row],
//     "spans": [[col, row, cols, rows]], "view": {...},
//     "cells": [[col, row, style, value, {"f": formula, "t": tag}]] }
//
// Header cells are stored with coordinate 0. A value is a number, a text, true/false,
// null (empty) or {"error": "#DIV/0!"}; a formula cell stores its formula in A1 style and
// its last computed value. The file is read with a streaming parser that hands over one
// cell at a time, so a million cells load without building the whole document; everything
// is read into a fresh grid that replaces this one only when the whole file was good.
#include <algorithm>
#include <cmath>
#include <functional>

#include <nlohmann/json.hpp>

#include "base/AtomicFile.h"
#include "base/Utf8.h"
#include "grid/Grid.h"

namespace ovgrid {

using json = nlohmann::json;

namespace {

constexpr const char* kFormatName = "ovss-grid";
constexpr int kFormatVersion = 1;
constexpr std::size_t kMaxDepth = 32;

std::string utf8(const std::wstring& text) {
    return ovbase::toUtf8(text);
}

std::wstring wide(const std::string& text) {
    return ovbase::fromUtf8(text);  // a message keeps its readable part
}

// --- writing

json fontToJson(const FontInfo& f) {
    return {{"face", utf8(f.face)}, {"height", f.height},       {"weight", f.weight},
            {"italic", f.italic},   {"underline", f.underline}, {"strikeOut", f.strikeOut},
            {"charSet", f.charSet}};
}

json cellTypeToJson(const CellType& t) {
    json items = json::array();
    for (const auto& item : t.items) {
        items.push_back(utf8(item));
    }
    return {{"type", t.type},
            {"style", t.style},
            {"maxLength", t.maxLength},
            {"charSet", t.charSet},
            {"flag", t.flag},
            {"decimals", t.decimals},
            {"minimum", t.minimum},
            {"maximum", t.maximum},
            {"items", items},
            {"text", utf8(t.text)},
            {"pictureName", utf8(t.pictureName)},
            {"pictureHandle", t.pictureHandle},
            {"palette", t.palette},
            {"deletePicture", t.deletePicture},
            {"pictureType", t.pictureType},
            {"checkPictures", t.checkPictures},
            {"checkPictureTypes", t.checkPictureTypes},
            {"pressedPicture", t.pressedPicture},
            {"pressedPictureType", t.pressedPictureType},
            {"buttonType", t.buttonType},
            {"shadowSize", t.shadowSize},
            {"buttonColor", t.buttonColor}};
}

json styleToJson(const CellStyle& s) {
    json out = {{"locked", s.locked},
                {"background", s.background},
                {"foreground", s.foreground},
                {"font", s.font},
                {"border", {s.border.type, s.border.style, s.border.color}}};
    if (s.hasType) {
        out["cellType"] = cellTypeToJson(s.cellType);
    }
    return out;
}

json valueToJson(const Value& v) {
    switch (v.kind) {
        case Value::Kind::Number:
            return std::isfinite(v.number) ? json(v.number) : json({{"error", "#NUM!"}});
        case Value::Kind::Text:
            return utf8(v.text);
        case Value::Kind::Boolean:
            return v.boolean;
        case Value::Kind::Error:
            return {{"error", utf8(errorText(v.error))}};
        case Value::Kind::Empty:
            break;
    }
    return nullptr;
}

json viewToJson(const Grid& g) {
    const Appearance& a = g.appearance();
    json keys = json::array();
    for (const ActionKey& k : g.actionKeys()) {
        keys.push_back({k.action, k.shift, k.control, k.key});
    }
    int col = 0, row = 0, c1 = 0, r1 = 0, c2 = 0, r2 = 0, s = 0, e = 0;
    g.getActiveCell(col, row);
    bool selected = g.getSelectedBlock(c1, r1, c2, r2);
    g.getEditSelection(s, e);
    const TextTip& tip = g.getTextTip();
    return {{"active", {col, row}},
            {"selection", selected ? json{c1, r1, c2, r2} : json(nullptr)},
            {"editMode", g.isEditModeOn()},
            {"editSelection", {s, e}},
            {"actionKeys", keys},
            {"textTip",
             {{"status", tip.status},
              {"delay", tip.delay},
              {"font", fontToJson(tip.font)},
              {"background", tip.background},
              {"foreground", tip.foreground}}},
            {"appearance",
             {{"appearance", a.appearance},
              {"selColors", {a.selBackground, a.selForeground}},
              {"backColorStyle", a.backColorStyle},
              {"oddEvenColors", a.oddEvenColors},
              {"activeCellHighlightStyle", a.activeCellHighlightStyle},
              {"gridLine", {a.gridLineType, a.gridLineColor}},
              {"headerColors", {a.headerBackground, a.headerForeground}},
              {"colorSetting", {a.colorBackground, a.colorForeground}},
              {"cursor", {a.cursorCode, a.cursorValue}},
              {"modes", {a.modeA, a.modeB}},
              {"twoCode", {a.twoCodeFirst, a.twoCodeSecond}},
              {"cellNoteIndicator", a.cellNoteIndicator}}}};
}

}  // namespace

// Serialises a grid; cells are written in reading order so that files compare well.
static std::string writeGrid(const Grid& g) {
    json doc;
    doc["format"] = kFormatName;
    doc["version"] = kFormatVersion;
    doc["maxCols"] = g.getMaxCols();
    doc["maxRows"] = g.getMaxRows();
    doc["refStyle"] = g.getRefStyle() == RefStyle::R1C1 ? "R1C1" : "A1";
    json props = json::array();
    for (const auto& [code, on] : g.properties()) {
        props.push_back({code, on});
    }
    doc["properties"] = props;
    json fonts = json::array();
    for (const FontInfo& f : g.fonts()) {
        fonts.push_back(fontToJson(f));
    }
    doc["fonts"] = fonts;
    json styles = json::array();
    for (const CellStyle& s : g.styles().all()) {
        styles.push_back(styleToJson(s));
    }
    doc["styles"] = styles;
    json widths = json::array(), heights = json::array(), hidden = json::array();
    for (const auto& [col, w] : g.colWidths()) {
        widths.push_back({col, w});
    }
    for (const auto& [row, h] : g.rowHeights()) {
        heights.push_back({row, h});
    }
    for (int row : g.hiddenRows()) {
        hidden.push_back(row);
    }
    doc["colWidths"] = widths;
    doc["rowHeights"] = heights;
    doc["hiddenRows"] = hidden;
    json spans = json::array();
    for (const Span& s : g.spans()) {
        spans.push_back({s.col, s.row, s.cols, s.rows});
    }
    doc["spans"] = spans;
    doc["view"] = viewToJson(g);

    // Cells are appended as text: the document object would double the memory of a big sheet.
    std::string head = doc.dump();
    head.pop_back();  // the closing brace
    std::string out = std::move(head);
    out += ",\"cells\":[";
    std::vector<CellKey> keys;
    keys.reserve(g.cells().size());
    for (const auto& entry : g.cells()) {
        keys.push_back(entry.first);
    }
    std::sort(keys.begin(), keys.end());
    bool first = true;
    for (CellKey key : keys) {
        const Cell& cell = g.cells().at(key);
        int col = keyCol(key), row = keyRow(key);
        json item = {col, row, cell.style, valueToJson(cell.value)};
        if (cell.formula || cell.tag) {
            json extra = json::object();
            if (cell.formula) {
                extra["f"] = utf8(cell.formula->toText(RefStyle::A1, col, row));
            }
            if (cell.tag) {
                extra["t"] = utf8(*cell.tag);
            }
            item.push_back(std::move(extra));
        }
        if (!first) {
            out += ',';
        }
        first = false;
        out += item.dump();
    }
    out += "]}\n";
    return out;
}

bool Grid::saveToFile(const std::filesystem::path& path, int /*flag*/, std::wstring* error) const {
    std::string bytes;
    try {
        bytes = writeGrid(*this);
    } catch (const std::exception& e) {
        if (error) {
            *error = L"cannot write the sheet: " + wide(e.what());
        }
        return false;
    }
    return ovbase::writeFileAtomically(path, bytes, error);
}

// --- reading

namespace {

struct FormatError {
    std::string message;
};

[[noreturn]] void fail(const std::string& message) {
    throw FormatError{message};
}

const json& member(const json& object, const char* name) {
    auto it = object.find(name);
    if (it == object.end()) {
        fail(std::string("missing \"") + name + "\"");
    }
    return *it;
}

long long integer(const json& v, const char* what, long long lo, long long hi) {
    if (!v.is_number_integer()) {
        fail(std::string(what) + " is not a whole number");
    }
    long long n = v.is_number_unsigned() && v.get<unsigned long long>() > 0x7FFFFFFFFFFFFFFFull
                      ? hi + 1
                      : v.get<long long>();
    if (n < lo || n > hi) {
        fail(std::string(what) + " is out of range");
    }
    return n;
}

int intOf(const json& v, const char* what) {
    return static_cast<int>(integer(v, what, INT32_MIN, INT32_MAX));
}
long longOf(const json& v, const char* what) {
    return static_cast<long>(integer(v, what, INT32_MIN, 0xFFFFFFFFLL));
}
std::int64_t int64Of(const json& v, const char* what) {
    return integer(v, what, INT64_MIN, INT64_MAX);
}
double numberOf(const json& v, const char* what) {
    if (!v.is_number() || !std::isfinite(v.get<double>())) {
        fail(std::string(what) + " is not a number");
    }
    return v.get<double>();
}
bool boolOf(const json& v, const char* what) {
    if (!v.is_boolean()) {
        fail(std::string(what) + " is not true or false");
    }
    return v.get<bool>();
}
std::wstring textOf(const json& v, const char* what) {
    if (!v.is_string()) {
        fail(std::string(what) + " is not a text");
    }
    auto text = ovbase::decodeUtf8(v.get_ref<const std::string&>());
    if (!text) {
        fail(std::string(what) + " is not valid UTF-8");
    }
    return *text;
}
const json& arrayOf(const json& v, const char* what, std::size_t size = 0) {
    if (!v.is_array() || (size && v.size() != size)) {
        fail(std::string(what) + " is not a list" +
             (size ? " of " + std::to_string(size) + " items" : ""));
    }
    return v;
}

FontInfo fontFrom(const json& j) {
    if (!j.is_object()) {
        fail("a font is not an object");
    }
    FontInfo f;
    f.face = textOf(member(j, "face"), "font face");
    f.height = intOf(member(j, "height"), "font height");
    f.weight = intOf(member(j, "weight"), "font weight");
    f.italic = boolOf(member(j, "italic"), "font italic");
    f.underline = boolOf(member(j, "underline"), "font underline");
    f.strikeOut = boolOf(member(j, "strikeOut"), "font strikeOut");
    f.charSet = intOf(member(j, "charSet"), "font charSet");
    return f;
}

CellType cellTypeFrom(const json& j) {
    if (!j.is_object()) {
        fail("a cell type is not an object");
    }
    CellType t;
    t.type = intOf(member(j, "type"), "cell type code");
    t.style = longOf(member(j, "style"), "cell type style");
    t.maxLength = intOf(member(j, "maxLength"), "maxLength");
    t.charSet = intOf(member(j, "charSet"), "charSet");
    t.flag = longOf(member(j, "flag"), "flag");
    t.decimals = static_cast<int>(integer(member(j, "decimals"), "decimals", 0, 15));
    t.minimum = numberOf(member(j, "minimum"), "minimum");
    t.maximum = numberOf(member(j, "maximum"), "maximum");
    for (const json& item : arrayOf(member(j, "items"), "items")) {
        t.items.push_back(textOf(item, "combo item"));
    }
    t.text = textOf(member(j, "text"), "cell type text");
    t.pictureName = textOf(member(j, "pictureName"), "pictureName");
    t.pictureHandle = int64Of(member(j, "pictureHandle"), "pictureHandle");
    t.palette = int64Of(member(j, "palette"), "palette");
    t.deletePicture = boolOf(member(j, "deletePicture"), "deletePicture");
    t.pictureType = intOf(member(j, "pictureType"), "pictureType");
    const json& pictures = arrayOf(member(j, "checkPictures"), "checkPictures", 6);
    const json& types = arrayOf(member(j, "checkPictureTypes"), "checkPictureTypes", 6);
    for (std::size_t i = 0; i < 6; ++i) {
        t.checkPictures[i] = int64Of(pictures[i], "check picture");
        t.checkPictureTypes[i] = intOf(types[i], "check picture type");
    }
    t.pressedPicture = int64Of(member(j, "pressedPicture"), "pressedPicture");
    t.pressedPictureType = intOf(member(j, "pressedPictureType"), "pressedPictureType");
    t.buttonType = intOf(member(j, "buttonType"), "buttonType");
    t.shadowSize = intOf(member(j, "shadowSize"), "shadowSize");
    t.buttonColor = longOf(member(j, "buttonColor"), "buttonColor");
    return t;
}

CellStyle styleFrom(const json& j, std::size_t fontCount) {
    if (!j.is_object()) {
        fail("a style is not an object");
    }
    CellStyle s;
    s.locked = boolOf(member(j, "locked"), "locked");
    s.background = longOf(member(j, "background"), "background");
    s.foreground = longOf(member(j, "foreground"), "foreground");
    s.font = static_cast<int>(
        integer(member(j, "font"), "font handle", 0, static_cast<long long>(fontCount) - 1));
    const json& border = arrayOf(member(j, "border"), "border", 3);
    s.border = {intOf(border[0], "border type"), intOf(border[1], "border style"),
                longOf(border[2], "border colour")};
    if (auto it = j.find("cellType"); it != j.end()) {
        s.hasType = true;
        s.cellType = cellTypeFrom(*it);
    }
    return s;
}

Value valueFrom(const json& j) {
    if (j.is_null()) {
        return Value{};
    }
    if (j.is_boolean()) {
        return Value::fromBool(j.get<bool>());
    }
    if (j.is_number()) {
        return Value::fromNumber(numberOf(j, "a cell value"));
    }
    if (j.is_string()) {
        return Value::fromText(textOf(j, "a cell text"));
    }
    if (j.is_object()) {
        ErrorCode code;
        if (!parseErrorText(textOf(member(j, "error"), "an error value"), code)) {
            fail("unknown error value");
        }
        return Value::fromError(code);
    }
    fail("a cell value has an unknown form");
}

// Builds the document except the cells, which are handed to the reader one at a time.
class SheetSax : public nlohmann::json_sax<json> {
  public:
    explicit SheetSax(std::function<void(const json&)> onCell) : onCell_(std::move(onCell)) {}

    json& document() { return root_; }
    const std::string& error() const { return error_; }

    bool null() override { return add(nullptr); }
    bool boolean(bool v) override { return add(v); }
    bool number_integer(number_integer_t v) override { return add(v); }
    bool number_unsigned(number_unsigned_t v) override { return add(v); }
    bool number_float(number_float_t v, const string_t&) override { return add(v); }
    bool string(string_t& v) override { return add(std::move(v)); }
    bool binary(binary_t&) override { return refuse("binary data"); }
    bool key(string_t& k) override {
        key_ = std::move(k);
        return true;
    }
    bool start_object(std::size_t) override { return open(json::object()); }
    bool start_array(std::size_t) override {
        bool cells = stack_.size() == 1 && key_ == "cells";
        if (!open(json::array())) {
            return false;
        }
        if (cells) {
            cells_ = stack_.back();
        }
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception&) override {
        error_ = "the file is not valid JSON (broken or truncated near byte " +
                 std::to_string(position) + ")";
        return false;
    }

  private:
    bool refuse(const std::string& why) {
        error_ = why;
        return false;
    }
    json* place(json&& v) {
        if (stack_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        json& top = *stack_.back();
        if (top.is_object()) {
            json& slot = top[key_];
            slot = std::move(v);
            return &slot;
        }
        top.push_back(std::move(v));
        return &top.back();
    }
    bool add(json&& v) {
        if (stack_.empty()) {
            return refuse("the file is not a sheet document");
        }
        if (stack_.back() == cells_) {
            return refuse("a cell entry is not a list");
        }
        place(std::move(v));
        return true;
    }
    bool open(json&& v) {
        if (stack_.size() >= kMaxDepth) {
            return refuse("the document is nested too deeply");
        }
        if (stack_.empty() && !v.is_object()) {
            return refuse("the file is not a sheet document");
        }
        stack_.push_back(place(std::move(v)));
        return true;
    }
    bool close() {
        json* done = stack_.back();
        stack_.pop_back();
        if (!stack_.empty() && stack_.back() == cells_ && done != cells_) {
            try {
                onCell_(*done);
            } catch (const FormatError& e) {
                return refuse(e.message);
            } catch (const std::exception& e) {
                return refuse(e.what());
            }
            cells_->get_ref<json::array_t&>().pop_back();
        }
        return true;
    }

    std::function<void(const json&)> onCell_;
    json root_;
    std::vector<json*> stack_;
    std::string key_;
    json* cells_ = nullptr;
    std::string error_;
};

}  // namespace

// Fills a fresh grid from a document; a friend of Grid so that a big sheet loads without
// going through the one-cell operations.
class GridReader {
  public:
    explicit GridReader(Grid& grid) : g_(grid) {}

    void cell(const json& j) {
        if (!j.is_array() || j.size() < 4 || j.size() > 5) {
            fail("a cell entry must be a list of 4 or 5 items");
        }
        int col = static_cast<int>(integer(j[0], "cell column", 0, kMaxGridCols));
        int row = static_cast<int>(integer(j[1], "cell row", 0, kMaxGridRows));
        auto style = static_cast<std::uint32_t>(integer(j[2], "cell style", 0, UINT32_MAX));
        CellKey key = cellKey(col, row);
        if (g_.cells_.count(key)) {
            fail("a cell appears twice");
        }
        Cell cell;
        cell.value = valueFrom(j[3]);
        cell.style = style;
        maxStyle_ = std::max(maxStyle_, style);
        if (j.size() == 5) {
            const json& extra = j[4];
            if (!extra.is_object()) {
                fail("cell extras are not an object");
            }
            if (auto t = extra.find("t"); t != extra.end()) {
                cell.tag = std::make_unique<std::wstring>(textOf(*t, "a cell tag"));
            }
            if (auto f = extra.find("f"); f != extra.end()) {
                std::wstring text = textOf(*f, "a formula");
                std::wstring why;
                auto compiled = CompiledFormula::compile(text, RefStyle::A1, col, row, &why);
                if (!compiled || col == 0 || row == 0) {
                    fail("the formula of cell (" + std::to_string(col) + ", " +
                         std::to_string(row) + ") does not compile: " + ovbase::toUtf8(why));
                }
                cell.formula = std::make_shared<CompiledFormula>(std::move(*compiled));
            }
        }
        maxCol_ = std::max(maxCol_, col);
        maxRow_ = std::max(maxRow_, row);
        g_.cells_.emplace(key, std::move(cell));
    }

    void rest(const json& doc) {
        if (!doc.is_object()) {
            fail("the file is not a sheet document");
        }
        auto format = doc.find("format");
        if (format == doc.end() || !format->is_string() || *format != kFormatName) {
            fail("the file is not an ovss sheet");
        }
        long long version = integer(member(doc, "version"), "version", 0, INT32_MAX);
        if (version != kFormatVersion) {
            fail("the sheet has format version " + std::to_string(version) +
                 "; this program reads version " + std::to_string(kFormatVersion));
        }
        if (!doc.contains("cells")) {
            fail("missing \"cells\"");
        }
        g_.maxCols_ = static_cast<int>(integer(member(doc, "maxCols"), "maxCols", 0, kMaxGridCols));
        g_.maxRows_ = static_cast<int>(integer(member(doc, "maxRows"), "maxRows", 0, kMaxGridRows));
        if (maxCol_ > g_.maxCols_ || maxRow_ > g_.maxRows_) {
            fail("a cell lies outside the sheet");
        }
        const json& style = member(doc, "refStyle");
        if (style == "A1") {
            g_.refStyle_ = RefStyle::A1;
        } else if (style == "R1C1") {
            g_.refStyle_ = RefStyle::R1C1;
        } else {
            fail("unknown reference style");
        }
        for (const json& p : arrayOf(member(doc, "properties"), "properties")) {
            const json& pair = arrayOf(p, "a property", 2);
            g_.properties_[intOf(pair[0], "property code")] = boolOf(pair[1], "property value");
        }
        g_.fonts_.clear();
        for (const json& f : arrayOf(member(doc, "fonts"), "fonts")) {
            g_.fonts_.push_back(fontFrom(f));
        }
        if (g_.fonts_.empty()) {
            fail("the font table is empty");
        }
        const json& styles = arrayOf(member(doc, "styles"), "styles");
        if (styles.empty() || maxStyle_ >= styles.size()) {
            fail("a cell refers to a missing style");
        }
        // Interning may merge equal styles; cells follow through the remap table.
        std::vector<std::uint32_t> remap;
        for (const json& s : styles) {
            remap.push_back(g_.styles_.intern(styleFrom(s, g_.fonts_.size())));
        }
        for (auto& [key, cell] : g_.cells_) {
            cell.style = remap[cell.style];
        }
        for (const json& w : arrayOf(member(doc, "colWidths"), "colWidths")) {
            const json& pair = arrayOf(w, "a column width", 2);
            int col = static_cast<int>(integer(pair[0], "column", 0, g_.maxCols_));
            double width = numberOf(pair[1], "column width");
            if (width < 0) {
                fail("a column width is negative");
            }
            g_.colWidths_[col] = width;
        }
        for (const json& h : arrayOf(member(doc, "rowHeights"), "rowHeights")) {
            const json& pair = arrayOf(h, "a row height", 2);
            int row = static_cast<int>(integer(pair[0], "row", 0, g_.maxRows_));
            double height = numberOf(pair[1], "row height");
            if (height < 0) {
                fail("a row height is negative");
            }
            g_.rowHeights_[row] = height;
        }
        for (const json& r : arrayOf(member(doc, "hiddenRows"), "hiddenRows")) {
            g_.hiddenRows_.insert(static_cast<int>(integer(r, "hidden row", 1, g_.maxRows_)));
        }
        for (const json& s : arrayOf(member(doc, "spans"), "spans")) {
            const json& span = arrayOf(s, "a span", 4);
            if (!g_.addCellSpan(intOf(span[0], "span column"), intOf(span[1], "span row"),
                                intOf(span[2], "span columns"), intOf(span[3], "span rows"))) {
                fail("a span leaves the sheet or overlaps another");
            }
        }
        if (auto view = doc.find("view"); view != doc.end()) {
            readView(*view);
        }
        g_.rebuildDependencies();
    }

  private:
    void readView(const json& v) {
        if (!v.is_object()) {
            fail("\"view\" is not an object");
        }
        const json& active = arrayOf(member(v, "active"), "active cell", 2);
        g_.activeCol_ = intOf(active[0], "active column");
        g_.activeRow_ = intOf(active[1], "active row");
        const json& sel = member(v, "selection");
        if (!sel.is_null()) {
            const json& s = arrayOf(sel, "selection", 4);
            if (!g_.setSelectedBlock(intOf(s[0], "selection"), intOf(s[1], "selection"),
                                     intOf(s[2], "selection"), intOf(s[3], "selection"))) {
                fail("the selection lies outside the sheet");
            }
        }
        g_.editMode_ = boolOf(member(v, "editMode"), "editMode");
        const json& edit = arrayOf(member(v, "editSelection"), "editSelection", 2);
        g_.setEditSelection(intOf(edit[0], "edit selection"), intOf(edit[1], "edit selection"));
        for (const json& k : arrayOf(member(v, "actionKeys"), "actionKeys")) {
            const json& key = arrayOf(k, "an action key", 4);
            g_.setActionKey(intOf(key[0], "action"), intOf(key[1], "shift"),
                            intOf(key[2], "control"), intOf(key[3], "key"));
        }
        const json& tip = member(v, "textTip");
        if (!tip.is_object()) {
            fail("\"textTip\" is not an object");
        }
        g_.textTip_ = {intOf(member(tip, "status"), "tip status"),
                       intOf(member(tip, "delay"), "tip delay"), fontFrom(member(tip, "font")),
                       longOf(member(tip, "background"), "tip background"),
                       longOf(member(tip, "foreground"), "tip foreground")};
        const json& a = member(v, "appearance");
        if (!a.is_object()) {
            fail("\"appearance\" is not an object");
        }
        Appearance& out = g_.appearance_;
        auto pair = [&](const char* name, auto& first, auto& second) {
            const json& p = arrayOf(member(a, name), name, 2);
            first = static_cast<std::remove_reference_t<decltype(first)>>(longOf(p[0], name));
            second = static_cast<std::remove_reference_t<decltype(second)>>(longOf(p[1], name));
        };
        out.appearance = intOf(member(a, "appearance"), "appearance");
        pair("selColors", out.selBackground, out.selForeground);
        out.backColorStyle = intOf(member(a, "backColorStyle"), "backColorStyle");
        const json& oddEven = arrayOf(member(a, "oddEvenColors"), "oddEvenColors", 4);
        for (std::size_t i = 0; i < 4; ++i) {
            out.oddEvenColors[i] = longOf(oddEven[i], "odd/even colour");
        }
        out.activeCellHighlightStyle =
            intOf(member(a, "activeCellHighlightStyle"), "activeCellHighlightStyle");
        pair("gridLine", out.gridLineType, out.gridLineColor);
        pair("headerColors", out.headerBackground, out.headerForeground);
        pair("colorSetting", out.colorBackground, out.colorForeground);
        pair("cursor", out.cursorCode, out.cursorValue);
        pair("modes", out.modeA, out.modeB);
        pair("twoCode", out.twoCodeFirst, out.twoCodeSecond);
        out.cellNoteIndicator = intOf(member(a, "cellNoteIndicator"), "cellNoteIndicator");
    }

    Grid& g_;
    std::uint32_t maxStyle_ = 0;
    int maxCol_ = 0;
    int maxRow_ = 0;
};

bool Grid::loadFromMemory(std::string_view bytes, std::wstring* error) {
    auto report = [&](const std::string& why) {
        if (error) {
            *error = L"cannot load the sheet: " + wide(why);
        }
        return false;
    };
    if (structureLocked()) {
        return report("a formula is being evaluated");
    }
    Grid fresh;
    GridReader reader(fresh);
    SheetSax sax([&](const json& cell) { reader.cell(cell); });
    bool parsed = false;
    try {
        parsed = json::sax_parse(bytes.begin(), bytes.end(), &sax);
    } catch (const std::exception& e) {
        return report(e.what());
    }
    if (!parsed) {
        return report(sax.error().empty() ? "the file is not valid JSON" : sax.error());
    }
    try {
        reader.rest(sax.document());
    } catch (const FormatError& e) {
        return report(e.message);
    } catch (const std::exception& e) {
        return report(e.what());
    }
    replaceSheet([&] { *this = std::move(fresh); });
    return true;
}

bool Grid::loadFromSheet(const Grid& sheet, std::wstring* error) {
    if (structureLocked()) {
        if (error) {
            *error = L"cannot load the sheet: a formula is being evaluated";
        }
        return false;
    }
    if (&sheet != this) {
        // Assigned member by member, so that this grid's storage is reused for the copy.
        replaceSheet([&] { *this = sheet; });
    }
    return true;
}

template <typename Assign>
void Grid::replaceSheet(Assign assign) {
    // Loading replaces the sheet, including its registered functions; the view stays.
    const GridMetrics* metrics = metrics_;
    const std::intptr_t owner = owner_;
    const Rect clientRect = clientRect_;
    const int scrollBarWidth = scrollBarWidth_;
    const int scrollBarHeight = scrollBarHeight_;
    assign();
    metrics_ = metrics;
    owner_ = owner;
    clientRect_ = clientRect;
    scrollBarWidth_ = scrollBarWidth;
    scrollBarHeight_ = scrollBarHeight;
    evalDepth_ = 0;
    pendingAuto_.clear();
}

bool Grid::loadFromFile(const std::filesystem::path& path, std::wstring* error) {
    std::string bytes;
    if (!ovbase::readWholeFile(path, bytes, error)) {
        return false;
    }
    return loadFromMemory(bytes, error);
}

}  // namespace ovgrid
