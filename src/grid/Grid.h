// Grid.h - one grid instance: the sheet model behind every grid operation (cells and their
// attributes, rows and columns, headers, properties), its recalculation and its registered
// functions, and the view state kept apart from the model (GridViewState.h): the sheet's view
// (selection, active cell, edit state, presentation settings) and what the host gives the grid.
//
// Coordinates are 1-based; HEADER (-32767) or 0 addresses the header row or column.
// Every operation checks its coordinates against the data counts first and fails without
// side effects. Text is read in four modes (ReadMode); booleans read as "1" and "0".
//
// Setting cell data or a cell value stores the text as typed: in a number cell it must be a
// number (or empty), a check box takes any text (callers write "1" and "0"), every other
// cell keeps the text exactly. Neither makes a formula of a text starting with "=": formulas
// are set with setFormula. For formulas, a text that is a whole number reads as that number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "grid/CellStore.h"
#include "grid/CustomFunction.h"
#include "grid/DependencyIndex.h"
#include "grid/EvalOrder.h"
#include "grid/GridMetrics.h"
#include "grid/GridTypes.h"
#include "grid/GridViewState.h"
#include "grid/Value.h"
#include "grid/formula/Formula.h"

namespace ovgrid {

enum class ReadMode { Data = 0, Formula = 1, Tag = 2, Value = 3 };

// Boolean property codes with a meaning inside the engine.
constexpr int kPropRedraw = 8;
constexpr int kPropAutoCalc = 7;
constexpr int kPropChanged = 30;

class Grid {
  public:
    Grid();
    ~Grid();
    Grid(const Grid&) = delete;
    Grid(Grid&&) noexcept;
    Grid& operator=(Grid&&) noexcept;

    // The grid and cell whose formula is being evaluated (for registered functions); null
    // and false outside an evaluation. Nested evaluations restore the outer ones.
    static Grid* current();
    static bool currentCell(int& col, int& row);

    // --- counts and properties
    int getMaxCols() const { return maxCols_; }
    int getMaxRows() const { return maxRows_; }
    // Dropping columns or rows drops their cells; false for a count out of range.
    bool setMaxCols(int count);
    bool setMaxRows(int count);
    void setBool(int code, bool value);
    bool getBool(int code) const;
    void setRefStyle(RefStyle style) { refStyle_ = style; }
    RefStyle getRefStyle() const { return refStyle_; }

    // --- cell contents
    bool setData(int col, int row, std::wstring_view text);
    bool setValue(int col, int row, std::wstring_view text);
    bool setCellNumber(int col, int row, double number);
    // The number a cell holds (a numeric text converts; anything else gives 0).
    bool getCellNumber(int col, int row, double& number) const;
    // Compiles and stores a formula; with recalc (or automatic calculation) it is computed
    // at once. False, with the cell unchanged, when the formula does not compile.
    bool setFormula(int col, int row, std::wstring_view text, bool recalc,
                    std::wstring* error = nullptr);
    // Stores a formula compiled (CompiledFormula::compile) for this very cell, as setFormula
    // stores the one it compiles; the formula may be shared, the grid copies it before it
    // adjusts it for a structural edit.
    bool setCompiledFormula(int col, int row, CompiledFormula formula, bool recalc);
    bool getText(int col, int row, ReadMode mode, std::wstring& out) const;
    bool getData(int col, int row, std::wstring& out) const;
    bool getValue(int col, int row, std::wstring& out) const;
    bool getFormula(int col, int row, std::wstring& out) const;
    bool hasFormula(int col, int row) const;
    bool getCellTag(int col, int row, std::wstring& out) const;
    bool setCellTag(int col, int row, std::wstring_view tag);
    // The cell's computed value as formulas see it.
    Value cellValue(int col, int row) const;
    // The text the cell's value holds (its data, or its formula's result), without a copy;
    // null for a cell outside the sheet or one whose value is no text.
    const std::wstring* valueText(int col, int row) const;
    // Empties contents (value, formula) of a block; looks and tags stay.
    bool clearRange(int col1, int row1, int col2, int row2);

    // --- cell types
    bool setCellType(int col, int row, const CellType& type);
    bool setCellTypeRange(int col1, int row1, int col2, int row2, const CellType& type);
    bool getCellType(int col, int row, CellType& out) const;
    bool hasCellType(int col, int row) const;

    // --- lock, colours, fonts, borders
    bool lockCell(int col, int row, bool locked);
    bool lockRange(int col1, int row1, int col2, int row2, bool locked);
    bool isLocked(int col, int row) const;
    bool setColor(int col, int row, long background, long foreground);
    bool setColorRange(int col1, int row1, int col2, int row2, long background, long foreground);
    bool getColor(int col, int row, long& background, long& foreground) const;
    // A font handle indexes the grid's font table; 0 is the default font. Equal
    // descriptions share one handle.
    int createFont(const FontInfo& font);
    const FontInfo& font(int handle) const;
    int fontCount() const { return static_cast<int>(fonts_.size()); }
    bool setFont(int col, int row, int fontHandle);
    // The delete-font flag hands the font to the grid; fonts live as long as the grid.
    bool setFontRange(int col1, int row1, int col2, int row2, int fontHandle,
                      bool deleteFont = true);
    int getFont(int col, int row) const;
    bool setBorder(int col, int row, int type, int style, long color);
    bool setBorderRange(int col1, int row1, int col2, int row2, int type, int style, long color);
    bool getBorder(int col, int row, int& type, int& style, long& color) const;
    const CellStyle& cellStyle(int col, int row) const;

    // --- spans
    // False when the block leaves the sheet, is empty or overlaps another span.
    bool addCellSpan(int col, int row, int cols, int rows);
    bool getCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& cols, int& rows) const;
    bool removeCellSpan(int anchorCol, int anchorRow);
    const std::vector<Span>& spans() const { return spans_; }

    // --- sizes (widths in characters, heights in points; see GridMetrics.h)
    bool setColWidth(int col, double width);
    double getColWidth(int col) const;
    bool setRowHeight(int row, double height);
    double getRowHeight(int row) const;
    bool getColWidthInPixels(int col, int& pixels) const;
    bool setColWidthInPixels(int col, int pixels);
    bool getRowHeightInPixels(int row, int& pixels) const;
    bool setRowHeightInPixels(int row, int pixels);
    bool getPreferredCellSize(int col, int row, double& width, double& height) const;
    bool getPreferredColWidth(int col, double& width) const;
    bool getPreferredRowHeight(int row, double& height) const;
    // The metrics must outlive the grid; null restores the headless metrics.
    void setMetrics(const GridMetrics* metrics);
    bool isRowHidden(int row) const;
    bool setRowHidden(int row, bool hidden);

    // --- selection and edit state
    bool getActiveCell(int& col, int& row) const;
    bool setActiveCell(int col, int row);
    // A negative coordinate means up to the last column or row.
    bool getSelectedBlock(int& col1, int& row1, int& col2, int& row2) const;
    bool setSelectedBlock(int col1, int row1, int col2, int row2);
    void clearSelection() { view_.hasSelection = false; }
    bool isEditModeOn() const { return view_.editMode; }
    void setEditMode(bool on) { view_.editMode = on; }
    void getEditSelection(int& start, int& end) const;
    void setEditSelection(int start, int end);
    bool getNotificationCell(int& col, int& row) const;
    void setNotificationCell(int col, int row);

    // --- presentation settings kept for the view
    void setAppearance(int code) { view_.appearance.appearance = code; }
    bool setActionKey(int action, int shift, int control, int key);
    const std::vector<ActionKey>& actionKeys() const { return view_.actionKeys; }
    void setSelColor(long background, long foreground);
    void setBackColorStyle(int style) { view_.appearance.backColorStyle = style; }
    void setOddEvenRowColor(long oddBack, long oddFore, long evenBack, long evenFore);
    void setActiveCellHighlightStyle(int style) {
        view_.appearance.activeCellHighlightStyle = style;
    }
    void setGridLineType(int type) { view_.appearance.gridLineType = type; }
    void setGridLineColor(long color) { view_.appearance.gridLineColor = color; }
    void setHeaderColors(long background, long foreground);
    void setColorSetting(long background, long foreground);
    void setCursorSetting(int code, int value);
    void setModeA(int code) { view_.appearance.modeA = code; }
    void setTwoCodeSetting(int first, int second);
    void setModeB(int code) { view_.appearance.modeB = code; }
    void setCellNoteIndicator(int style) { view_.appearance.cellNoteIndicator = style; }
    const Appearance& appearance() const { return view_.appearance; }
    void setTextTip(const TextTip& tip) { view_.textTip = tip; }
    const TextTip& getTextTip() const { return view_.textTip; }
    void setOwner(std::intptr_t owner) { host_.owner = owner; }
    std::intptr_t getOwner() const { return host_.owner; }
    void setClientRect(const Rect& rect) { host_.clientRect = rect; }
    Rect getClientRect() const { return host_.clientRect; }
    void setScrollBarSize(int verticalWidth, int horizontalHeight);
    void getScrollBarSize(int& verticalWidth, int& horizontalHeight) const;

    // --- structure: cells behind the edit point move, formulas follow them. The counts
    // do not change (callers adjust them); cells pushed past the count are dropped.
    bool insertRows(int row, int count = 1);
    bool deleteRows(int row, int count = 1);
    bool insertCols(int col, int count = 1);
    bool deleteCols(int col, int count = 1);
    bool insertRow(int row) { return insertRows(row, 1); }
    bool deleteRow(int row) { return deleteRows(row, 1); }
    bool insertCol(int col) { return insertCols(col, 1); }
    bool deleteCol(int col) { return deleteCols(col, 1); }
    // Copies contents and looks; relative references of copied formulas shift.
    bool copyRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow);
    // Moves contents and looks; moved formulas keep reading the same cells.
    bool moveRange(int col1, int row1, int col2, int row2, int targetCol, int targetRow);
    // The selection (or the active cell) as tab-separated text into the clipboard / from it.
    bool clipboardCopy();
    bool clipboardPaste();
    // The clipboard the host shares among its grids; null gives the grid one of its own.
    void setClipboard(std::shared_ptr<GridClipboard> clipboard) {
        host_.clipboard = std::move(clipboard);
    }
    const std::shared_ptr<GridClipboard>& clipboard() const { return host_.clipboard; }
    // Back to an empty sheet (counts, cells, settings, view); registered functions and what
    // the host gave the grid stay.
    void reset();

    // --- files (.ovs); a failed load leaves the grid unchanged and says why
    bool loadFromFile(const std::filesystem::path& path, std::wstring* error = nullptr);
    bool loadFromMemory(std::string_view bytes, std::wstring* error = nullptr);
    // Loads a copy of a sheet already in memory, as loading its file would; formulas are
    // shared with it until either side edits them.
    bool loadFromSheet(const Grid& sheet, std::wstring* error = nullptr);
    bool saveToFile(const std::filesystem::path& path, int flag = 0,
                    std::wstring* error = nullptr) const;

    // --- recalculation
    bool recalculateAll();
    bool reCalcCell(int col, int row);
    // The value `formula` computes as if it stood in cell (col, row), read from what the cells
    // hold now (stale formulas are not brought up to date), without storing it anywhere. The
    // grid and the cell are current for registered functions while it runs, as in any
    // evaluation; what they write is settled afterwards.
    Value evaluateAt(const CompiledFormula& formula, int col, int row);

    // --- registered functions (a name registered again replaces the earlier entry)
    bool addCustomFunctionExt(std::wstring_view name, int minArgs, int maxArgs,
                              SSCustomFunctionProc proc, long flags);
    const CustomFunction* customFunction(std::wstring_view upperName) const;
    void clearCustomFunctions() { functions_.clear(); }
    std::size_t customFunctionCount() const { return functions_.size(); }

    // --- read access for views and the file writer
    const std::unordered_map<CellKey, Cell>& cells() const { return cells_; }
    const StyleTable& styles() const { return styles_; }
    const std::map<int, double>& colWidths() const { return colWidths_; }
    const std::map<int, double>& rowHeights() const { return rowHeights_; }
    const std::set<int>& hiddenRows() const { return hiddenRows_; }
    const std::map<int, bool>& properties() const { return properties_; }
    const std::vector<FontInfo>& fonts() const { return fonts_; }

  private:
    friend class GridReader;
    friend class GridCellReader;
    friend class GridEvaluator;
    // Whole-grid copies happen only through loadFromSheet.
    Grid& operator=(const Grid&);
    // Runs `assign` (which replaces this grid's model and sheet view), keeping the host state.
    template <typename Assign>
    void replaceSheet(Assign assign);
    // loadFromMemory with the size of the buffer holding the bytes (see GridReader::read).
    bool loadBytes(std::string_view bytes, std::size_t capacity, std::wstring* error);

    // Maps HEADER and 0 to 0; false when outside 0..count or otherwise invalid.
    bool toInternal(int& col, int& row) const {
        col = toInternalIndex(col);
        row = toInternalIndex(row);
        return col >= 0 && row >= 0 && col <= maxCols_ && row <= maxRows_;
    }
    bool toInternalRange(int& col1, int& row1, int& col2, int& row2) const;
    static int toInternalIndex(int index) { return index == HEADER ? 0 : index; }
    const Cell* findCell(int col, int row) const;
    Cell* findCell(int col, int row);
    Cell& cellAt(int col, int row);
    void eraseIfBlank(int col, int row);
    const CellStyle& styleOf(const Cell* cell) const;
    template <typename Change>
    bool changeStyleRange(int col1, int row1, int col2, int row2, Change change);
    bool storeText(int col, int row, std::wstring_view text);
    std::wstring readText(int col, int row, ReadMode mode) const;
    void dropFormula(CellKey key, Cell& cell);
    void attachFormula(CellKey key, Cell& cell, CompiledFormula formula);
    void storeFormula(CellKey key, CompiledFormula formula, bool recalc);
    void rebuildDependencies();
    void dropCellsOutside();
    // Inserts (or deletes) `count` rows (or columns) at `at`, with everything that follows.
    bool editAxis(bool rows, int at, int count, bool insert);
    template <typename Remap>
    void remapCells(Remap remap);
    bool structureLocked() const;
    void settleChanges(const std::vector<CellKey>& changed);
    void recalcAfterStructureEdit();

    // Recalculation (GridRecalc.cpp).
    void contentChanged(int col, int row);
    void formulaChanged(CellKey key, bool recalc);
    // False, with part of them marked, when more than `limit` cells would be marked.
    bool markDependentsDirty(int col, int row, std::vector<CellKey>* touched,
                             std::size_t limit = SIZE_MAX);
    void addVolatile(std::vector<CellKey>& touched);
    void evaluateCell(CellKey key);
    void computeDirty(std::span<const CellKey> targets);
    // Every stale formula cell the formula of `key` reads (itself too, when it reads itself).
    void forEachDirtyPrecedent(CellKey key, const std::function<void(CellKey)>& visit);
    bool computeInOrder(std::size_t dirtyTargets);
    // Evaluates the stale formulas (every one with `all`) in the order; `dirty` is how many.
    void evaluateInOrder(std::size_t dirty, bool all = false);
    void buildPositions();
    void buildEvalOrder();
    template <typename Visit>
    void forEachPrecedentFormula(CellKey key, const CompiledFormula& formula, Visit visit);
    void computeExact(std::span<const CellKey> targets);
    void runPendingAutoCalc();
    // The formula cells, row by row.
    std::vector<CellKey> sortedFormulaKeys() const;

    // The sheet model. Loading a sheet replaces it, the registered functions, the recalculation
    // state and the sheet's view.
    int maxCols_ = 0;
    int maxRows_ = 0;
    RefStyle refStyle_ = RefStyle::A1;
    std::map<int, bool> properties_;
    std::unordered_map<CellKey, Cell> cells_;
    StyleTable styles_;
    std::vector<FontInfo> fonts_;
    std::vector<Span> spans_;
    std::map<int, double> colWidths_;  // internal index -> width; missing means default
    std::map<int, double> rowHeights_;
    std::set<int> hiddenRows_;

    std::unordered_map<std::wstring, CustomFunction> functions_;

    SheetView view_;
    // Kept whole when a sheet is loaded or the grid reset: nothing to list field by field.
    GridHostState host_;

    // Recalculation state.
    std::size_t formulaCount_ = 0;  // cells holding a formula
    std::unordered_set<CellKey> volatileCells_;
    DependencyIndex dependents_;
    EvalOrder order_;
    std::vector<CellKey> pendingAuto_;  // changed while an evaluation ran
    int evalDepth_ = 0;
};

}  // namespace ovgrid
