// GridFileWriter.cpp - the sheet document writer: the records (fonts, cell types, styles,
// values, the view section) and the document around them, with the cells appended as text.
#include "grid/GridFileWriter.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "base/Utf8.h"
#include "grid/Grid.h"
#include "grid/GridFileFormat.h"

namespace ovgrid {

using json = nlohmann::json;
namespace keys = sheetfile::keys;

namespace {

std::string utf8(const std::wstring& text) {
    return ovbase::toUtf8(text);
}

json fontToJson(const FontInfo& f) {
    return {{keys::face, utf8(f.face)},     {keys::height, f.height},
            {keys::weight, f.weight},       {keys::italic, f.italic},
            {keys::underline, f.underline}, {keys::strikeOut, f.strikeOut},
            {keys::charSet, f.charSet}};
}

json cellTypeToJson(const CellType& t) {
    json items = json::array();
    for (const auto& item : t.items) {
        items.push_back(utf8(item));
    }
    return {{keys::type, t.type},
            {keys::style, t.style},
            {keys::maxLength, t.maxLength},
            {keys::charSet, t.charSet},
            {keys::flag, t.flag},
            {keys::decimals, t.decimals},
            {keys::minimum, t.minimum},
            {keys::maximum, t.maximum},
            {keys::items, items},
            {keys::text, utf8(t.text)},
            {keys::pictureName, utf8(t.pictureName)},
            {keys::pictureHandle, t.pictureHandle},
            {keys::palette, t.palette},
            {keys::deletePicture, t.deletePicture},
            {keys::pictureType, t.pictureType},
            {keys::checkPictures, t.checkPictures},
            {keys::checkPictureTypes, t.checkPictureTypes},
            {keys::pressedPicture, t.pressedPicture},
            {keys::pressedPictureType, t.pressedPictureType},
            {keys::buttonType, t.buttonType},
            {keys::shadowSize, t.shadowSize},
            {keys::buttonColor, t.buttonColor}};
}

json styleToJson(const CellStyle& s) {
    json out = {{keys::locked, s.locked},
                {keys::background, s.background},
                {keys::foreground, s.foreground},
                {keys::font, s.font},
                {keys::border, {s.border.type, s.border.style, s.border.color}}};
    if (s.hasType) {
        out[keys::cellType] = cellTypeToJson(s.cellType);
    }
    return out;
}

json valueToJson(const Value& v) {
    switch (v.kind) {
        case Value::Kind::Number:
            return std::isfinite(v.number) ? json(v.number) : json({{keys::error, "#NUM!"}});
        case Value::Kind::Text:
            return utf8(v.text);
        case Value::Kind::Boolean:
            return v.boolean;
        case Value::Kind::Error:
            return {{keys::error, utf8(errorText(v.error))}};
        case Value::Kind::Empty:
            break;
    }
    return nullptr;
}

json viewToJson(const Grid& g) {
    const Appearance& a = g.appearance();
    json actionKeys = json::array();
    for (const ActionKey& k : g.actionKeys()) {
        actionKeys.push_back({k.action, k.shift, k.control, k.key});
    }
    int col = 0, row = 0, c1 = 0, r1 = 0, c2 = 0, r2 = 0, s = 0, e = 0;
    g.getActiveCell(col, row);
    bool selected = g.getSelectedBlock(c1, r1, c2, r2);
    g.getEditSelection(s, e);
    const TextTip& tip = g.getTextTip();
    return {{keys::active, {col, row}},
            {keys::selection, selected ? json{c1, r1, c2, r2} : json(nullptr)},
            {keys::editMode, g.isEditModeOn()},
            {keys::editSelection, {s, e}},
            {keys::actionKeys, actionKeys},
            {keys::textTip,
             {{keys::status, tip.status},
              {keys::delay, tip.delay},
              {keys::font, fontToJson(tip.font)},
              {keys::background, tip.background},
              {keys::foreground, tip.foreground}}},
            {keys::appearance,
             {{keys::appearance, a.appearance},
              {keys::selColors, {a.selBackground, a.selForeground}},
              {keys::backColorStyle, a.backColorStyle},
              {keys::oddEvenColors, a.oddEvenColors},
              {keys::activeCellHighlightStyle, a.activeCellHighlightStyle},
              {keys::gridLine, {a.gridLineType, a.gridLineColor}},
              {keys::headerColors, {a.headerBackground, a.headerForeground}},
              {keys::colorSetting, {a.colorBackground, a.colorForeground}},
              {keys::cursor, {a.cursorCode, a.cursorValue}},
              {keys::modes, {a.modeA, a.modeB}},
              {keys::twoCode, {a.twoCodeFirst, a.twoCodeSecond}},
              {keys::cellNoteIndicator, a.cellNoteIndicator}}}};
}

// One entry of the "cells" list: [col, row, style, value] and the extras when there are any.
json cellToJson(const Cell& cell, int col, int row) {
    json item = {col, row, cell.style, valueToJson(cell.value)};
    if (cell.formula || cell.tag) {
        json extra = json::object();
        if (cell.formula) {
            extra[keys::formula] = utf8(cell.formula.toText(RefStyle::A1, col, row));
        }
        if (cell.tag) {
            extra[keys::tag] = utf8(*cell.tag);
        }
        item.push_back(std::move(extra));
    }
    return item;
}

}  // namespace

std::string writeSheetDocument(const Grid& g) {
    json doc;
    doc[keys::format] = sheetfile::kFormatName;
    doc[keys::version] = sheetfile::kFormatVersion;
    doc[keys::maxCols] = g.getMaxCols();
    doc[keys::maxRows] = g.getMaxRows();
    doc[keys::refStyle] =
        g.getRefStyle() == RefStyle::R1C1 ? sheetfile::kRefStyleR1C1 : sheetfile::kRefStyleA1;
    json props = json::array();
    for (const auto& [code, on] : g.properties()) {
        props.push_back({code, on});
    }
    doc[keys::properties] = props;
    json fonts = json::array();
    for (const FontInfo& f : g.fonts()) {
        fonts.push_back(fontToJson(f));
    }
    doc[keys::fonts] = fonts;
    json styles = json::array();
    for (const CellStyle& s : g.styles().all()) {
        styles.push_back(styleToJson(s));
    }
    doc[keys::styles] = styles;
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
    doc[keys::colWidths] = widths;
    doc[keys::rowHeights] = heights;
    doc[keys::hiddenRows] = hidden;
    json spans = json::array();
    for (const Span& s : g.spans()) {
        spans.push_back({s.col, s.row, s.cols, s.rows});
    }
    doc[keys::spans] = spans;
    doc[keys::view] = viewToJson(g);

    // Cells are appended as text: the document object would double the memory of a big sheet.
    std::string head = doc.dump();
    head.pop_back();  // the closing brace
    std::string out = std::move(head);
    out += ",\"";
    out += keys::cells;
    out += "\":[";
    std::vector<CellKey> order;
    order.reserve(g.cells().size());
    for (const auto& entry : g.cells()) {
        order.push_back(entry.first);
    }
    std::sort(order.begin(), order.end());
    bool first = true;
    for (CellKey key : order) {
        if (!first) {
            out += ',';
        }
        first = false;
        out += cellToJson(g.cells().at(key), keyCol(key), keyRow(key)).dump();
    }
    out += "]}\n";
    return out;
}

}  // namespace ovgrid
