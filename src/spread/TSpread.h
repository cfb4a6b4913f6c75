// TSpread.h - the thin handle around one grid instance: every grid operation the module uses,
// forwarded unchanged with the grid's own result. Module logic lives in Tvx_Spread.
//
// A TSpread either owns its grid (createGrid) or is attached to one that lives elsewhere
// (attachGrid). Without a grid every forwarder fails: false, 0 or an empty result.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "grid/CellTypes.h"
#include "grid/Grid.h"

class TSpread {
  public:
    TSpread() = default;
    virtual ~TSpread();
    TSpread(const TSpread&) = delete;
    TSpread& operator=(const TSpread&) = delete;

    // Makes a fresh grid that this object owns (dropping any earlier one).
    void createGrid();
    // Uses a grid owned by someone else; it must outlive this object. Null detaches.
    void attachGrid(ovgrid::Grid* grid);
    ovgrid::Grid* grid() const { return grid_; }
    bool hasGrid() const { return grid_ != nullptr; }
    bool ownsGrid() const { return owned_ != nullptr; }

    // --- counts and properties
    int SSGetMaxCols() const { return grid_ ? grid_->getMaxCols() : 0; }
    int SSGetMaxRows() const { return grid_ ? grid_->getMaxRows() : 0; }
    bool SSSetMaxCols(int count) { return grid_ && grid_->setMaxCols(count); }
    bool SSSetMaxRows(int count) { return grid_ && grid_->setMaxRows(count); }
    bool SSSetBool(int code, bool value);
    bool SSGetBool(int code) const { return grid_ && grid_->getBool(code); }

    // --- contents
    bool SSSetData(int col, int row, std::wstring_view text) {
        return grid_ && grid_->setData(col, row, text);
    }
    bool SSSetValue(int col, int row, std::wstring_view text) {
        return grid_ && grid_->setValue(col, row, text);
    }
    int SSGetDataLen(int col, int row) const {
        return textLength(col, row, ovgrid::ReadMode::Data);
    }
    bool SSGetData(int col, int row, std::wstring& out) const {
        return grid_ && grid_->getData(col, row, out);
    }
    int SSGetValueLen(int col, int row) const {
        return textLength(col, row, ovgrid::ReadMode::Value);
    }
    bool SSGetValue(int col, int row, std::wstring& out) const {
        return grid_ && grid_->getValue(col, row, out);
    }
    int SSGetFormulaLen(int col, int row) const {
        return textLength(col, row, ovgrid::ReadMode::Formula);
    }
    bool SSGetFormula(int col, int row, std::wstring& out) const {
        return grid_ && grid_->getFormula(col, row, out);
    }
    bool SSSetFormula(int col, int row, std::wstring_view text, bool recalc) {
        return grid_ && grid_->setFormula(col, row, text, recalc);
    }
    // With null: the tag's length; with a buffer: copies the tag and returns its length.
    int SSGetCellTag(int col, int row, std::wstring* out) const;
    bool SSSetCellTag(int col, int row, std::wstring_view tag) {
        return grid_ && grid_->setCellTag(col, row, tag);
    }
    bool SSSetCellNumber(int col, int row, double number) {
        return grid_ && grid_->setCellNumber(col, row, number);
    }
    bool SSGetCellNumber(int col, int row, double& number) const {
        return grid_ && grid_->getCellNumber(col, row, number);
    }

    // --- cell types (records are filled by the define-type functions)
    bool SSGetCellType(int col, int row, ovgrid::CellType& out) const {
        return grid_ && grid_->getCellType(col, row, out);
    }
    bool SSSetCellType(int col, int row, const ovgrid::CellType& type) {
        return grid_ && grid_->setCellType(col, row, type);
    }
    bool SSSetCellTypeRange(int col1, int row1, int col2, int row2, const ovgrid::CellType& type) {
        return grid_ && grid_->setCellTypeRange(col1, row1, col2, row2, type);
    }
    static void SSSetTypeEdit(ovgrid::CellType& rec, long style, int maxLength, int charSet,
                              long flag) {
        rec = ovgrid::defineEditType(style, maxLength, charSet, flag);
    }
    static void SSSetTypeStaticText(ovgrid::CellType& rec, long style) {
        rec = ovgrid::defineStaticType(style);
    }
    static void SSSetTypeNumber(ovgrid::CellType& rec, long style, int decimals, double minimum,
                                double maximum, long flag) {
        rec = ovgrid::defineNumberType(style, decimals, minimum, maximum, flag);
    }
    static void SSSetTypeComboBox(ovgrid::CellType& rec, long style, std::wstring_view items) {
        rec = ovgrid::defineComboType(style, items);
    }
    static void SSSetTypeCheckBox(ovgrid::CellType& rec, long style, std::wstring_view text,
                                  const std::array<std::int64_t, 6>& pictures,
                                  const std::array<int, 6>& pictureTypes) {
        rec = ovgrid::defineCheckType(style, text, pictures, pictureTypes);
    }
    static void SSSetTypeButton(ovgrid::CellType& rec, long style, std::wstring_view text,
                                std::int64_t picture, int pictureType, std::int64_t pressed,
                                int pressedType, int buttonType, int shadowSize, long color) {
        rec = ovgrid::defineButtonType(style, text, picture, pictureType, pressed, pressedType,
                                       buttonType, shadowSize, color);
    }
    static void SSSetTypePicture(ovgrid::CellType& rec, long style, std::wstring_view name) {
        rec = ovgrid::definePictureType(style, name);
    }
    static void SSSetTypePictureHandle(ovgrid::CellType& rec, long style, std::int64_t handle,
                                       std::int64_t palette, bool deletePicture) {
        rec = ovgrid::definePictureTypeHandle(style, handle, palette, deletePicture);
    }

    // --- lock, colours, fonts, borders
    bool SSSetLock(int col, int row, bool locked) {
        return grid_ && grid_->lockCell(col, row, locked);
    }
    bool SSSetLockRange(int col1, int row1, int col2, int row2, bool locked) {
        return grid_ && grid_->lockRange(col1, row1, col2, row2, locked);
    }
    bool SSGetLock(int col, int row) const { return grid_ && grid_->isLocked(col, row); }
    bool SSSetColor(int col, int row, long background, long foreground) {
        return grid_ && grid_->setColor(col, row, background, foreground);
    }
    bool SSSetColorRange(int col1, int row1, int col2, int row2, long background, long foreground) {
        return grid_ && grid_->setColorRange(col1, row1, col2, row2, background, foreground);
    }
    bool SSGetColor(int col, int row, long& background, long& foreground) const {
        return grid_ && grid_->getColor(col, row, background, foreground);
    }
    int SSCreateFont(const ovgrid::FontInfo& font) { return grid_ ? grid_->createFont(font) : 0; }
    bool SSSetFontRange(int col1, int row1, int col2, int row2, int font, bool deleteFont) {
        return grid_ && grid_->setFontRange(col1, row1, col2, row2, font, deleteFont);
    }
    int SSGetFont(int col, int row) const { return grid_ ? grid_->getFont(col, row) : 0; }
    bool SSSetBorder(int col, int row, int type, int style, long color) {
        return grid_ && grid_->setBorder(col, row, type, style, color);
    }
    bool SSSetBorderRange(int col1, int row1, int col2, int row2, int type, int style, long color) {
        return grid_ && grid_->setBorderRange(col1, row1, col2, row2, type, style, color);
    }
    bool SSGetBorder(int col, int row, int& type, int& style, long& color) const {
        return grid_ && grid_->getBorder(col, row, type, style, color);
    }

    // --- spans
    bool SSAddCellSpan(int col, int row, int cols, int rows) {
        return grid_ && grid_->addCellSpan(col, row, cols, rows);
    }
    bool SSGetCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& cols,
                       int& rows) const {
        return grid_ && grid_->getCellSpan(col, row, anchorCol, anchorRow, cols, rows);
    }
    bool SSRemoveCellSpan(int anchorCol, int anchorRow) {
        return grid_ && grid_->removeCellSpan(anchorCol, anchorRow);
    }

    // --- sizes
    bool SSSetColWidth(int col, double width) { return grid_ && grid_->setColWidth(col, width); }
    bool SSSetRowHeight(int row, double height) {
        return grid_ && grid_->setRowHeight(row, height);
    }
    bool SSGetPreferredCellSize(int col, int row, double& width, double& height) const {
        return grid_ && grid_->getPreferredCellSize(col, row, width, height);
    }
    bool SSGetMaxTextColWidth(int col, double& width) const {
        return grid_ && grid_->getPreferredColWidth(col, width);
    }
    bool SSGetMaxTextRowHeight(int row, double& height) const {
        return grid_ && grid_->getPreferredRowHeight(row, height);
    }
    bool SSGetColWidthInPixels(int col, int& pixels) const {
        return grid_ && grid_->getColWidthInPixels(col, pixels);
    }
    bool SSSetColWidthInPixels(int col, int pixels) {
        return grid_ && grid_->setColWidthInPixels(col, pixels);
    }
    bool SSGetRowHeightInPixels(int row, int& pixels) const {
        return grid_ && grid_->getRowHeightInPixels(row, pixels);
    }
    bool SSSetRowHeightInPixels(int row, int pixels) {
        return grid_ && grid_->setRowHeightInPixels(row, pixels);
    }
    bool SSGetClientRect(ovgrid::Rect& rect) const;
    void SSGetScrollBarSize(int& verticalWidth, int& horizontalHeight) const;
    bool SSIsRowHidden(int row) const { return grid_ && grid_->isRowHidden(row); }
    bool SSSetRowHidden(int row, bool hidden) { return grid_ && grid_->setRowHidden(row, hidden); }

    // --- notifications, selection and edit state
    bool SSGetNotificationCell(int& col, int& row) const;
    bool SSGetActiveCell(int& col, int& row) const;
    bool SSSetActiveCell(int col, int row) { return grid_ && grid_->setActiveCell(col, row); }
    bool SSGetSelectedBlock(int& col1, int& row1, int& col2, int& row2) const;
    bool SSSetSelectedBlock(int col1, int row1, int col2, int row2) {
        return grid_ && grid_->setSelectedBlock(col1, row1, col2, row2);
    }
    bool SSIsEditModeOn() const { return grid_ && grid_->isEditModeOn(); }
    void SSSetEditMode(bool on) {
        if (grid_)
            grid_->setEditMode(on);
    }
    void SSGetEditSel(int& start, int& end) const;
    void SSSetEditSel(int start, int end) {
        if (grid_)
            grid_->setEditSelection(start, end);
    }

    // --- structure
    bool SSInsertRow(int row) { return grid_ && grid_->insertRow(row); }
    bool SSDelRow(int row) { return grid_ && grid_->deleteRow(row); }
    bool SSInsertCol(int col) { return grid_ && grid_->insertCol(col); }
    bool SSDelCol(int col) { return grid_ && grid_->deleteCol(col); }
    bool SSInsertRows(int row, int count) { return grid_ && grid_->insertRows(row, count); }
    bool SSDeleteRows(int row, int count) { return grid_ && grid_->deleteRows(row, count); }
    bool SSCopyRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow) {
        return grid_ && grid_->copyRange(col1, row1, col2, row2, targetCol, targetRow);
    }
    bool SSMoveRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow) {
        return grid_ && grid_->moveRange(col1, row1, col2, row2, targetCol, targetRow);
    }
    bool SSClipboardCopy() { return grid_ && grid_->clipboardCopy(); }
    bool SSClipboardPaste() { return grid_ && grid_->clipboardPaste(); }
    void SSReset() {
        if (grid_)
            grid_->reset();
    }

    // --- files and recalculation
    bool SSLoadFromFile(const std::filesystem::path& path, std::wstring* error = nullptr) {
        return grid_ && grid_->loadFromFile(path, error);
    }
    bool SSLoadFromSheet(const ovgrid::Grid& sheet, std::wstring* error = nullptr) {
        return grid_ && grid_->loadFromSheet(sheet, error);
    }
    bool SSSaveToFile(const std::filesystem::path& path, int flag,
                      std::wstring* error = nullptr) const {
        return grid_ && grid_->saveToFile(path, flag, error);
    }
    bool SSReCalc() { return grid_ && grid_->recalculateAll(); }
    bool SSReCalcCell(int col, int row) { return grid_ && grid_->reCalcCell(col, row); }
    void SSSetRefStyle(ovgrid::RefStyle style) {
        if (grid_)
            grid_->setRefStyle(style);
    }
    ovgrid::RefStyle SSGetRefStyle() const {
        return grid_ ? grid_->getRefStyle() : ovgrid::RefStyle::A1;
    }
    bool SSAddCustomFunctionExt(std::wstring_view name, int minArgs, int maxArgs,
                                ovgrid::SSCustomFunctionProc proc, long flags) {
        return grid_ && grid_->addCustomFunctionExt(name, minArgs, maxArgs, proc, flags);
    }

    // --- presentation settings
    void SSSetAppearance(int code);
    bool SSSetActionKey(int action, int shift, int control, int key) {
        return grid_ && grid_->setActionKey(action, shift, control, key);
    }
    void SSSetSelColor(long background, long foreground);
    void SSSetBackColorStyle(int style);
    void SSSetOddEvenRowColor(long oddBack, long oddFore, long evenBack, long evenFore);
    void SSSetActiveCellHighlightStyle(int style);
    void SSSetGridType(int type);
    void SSSetGridColor(long color);
    void SSSetHeaderColors(long background, long foreground);
    void SSSetColorSetting(long background, long foreground);
    void SSSetCursor(int code, int value);
    void SSSetModeA(int code);
    void SSSetTwoCodeSetting(int first, int second);
    void SSSetModeB(int code);
    std::intptr_t SSGetOwner() const { return grid_ ? grid_->getOwner() : 0; }
    void SSSetTextTip(const ovgrid::TextTip& tip);
    ovgrid::TextTip SSGetTextTip() const { return grid_ ? grid_->getTextTip() : ovgrid::TextTip{}; }
    void SSSetCellNoteIndicator(int style);

  private:
    int textLength(int col, int row, ovgrid::ReadMode mode) const;

    std::unique_ptr<ovgrid::Grid> owned_;
    ovgrid::Grid* grid_ = nullptr;
};
