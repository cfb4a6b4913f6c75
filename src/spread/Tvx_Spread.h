// Tvx_Spread.h - the module's grid: a TSpread with the logic every dialog needs on top of
// the bare grid: creation in place of a placeholder control, the standard look, counts that
// format new rows and columns, typed reads and writes of cells, rows and columns, cell types,
// spans, locking, column fitting, row and column commands, find and replace, the context
// menu and linked check-box columns.
//
// Every operation fails (false, counts -1) while the grid is not created and when a column or
// row lies beyond the current count. The header row and column are ovgrid::HEADER.
#pragma once

#include <memory>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/resources/ModuleBitmaps.h"
#include "spread/OvFindDialog.h"
#include "spread/OvGridHost.h"
#include "spread/SpreadAxis.h"
#include "spread/TSpread.h"

class Tvx_Spread : public TSpread {
  public:
    // Reading modes of getCellText.
    enum { kReadData = 0, kReadFormula = 1, kReadTag = 2, kReadValue = 3 };
    // Property codes the wrapper switches.
    enum {
        kPropRowHeaderShares = 4,
        kPropAutoCalc = 7,
        kPropRedraw = 8,
        kPropUserMode = 10,
        kPropDesignMode = 13,
        kPropChanged = 30
    };
    static constexpr long kStaticStyle = 140;

    // Owns a fresh grid from the start; attachGrid() may replace it.
    Tvx_Spread();
    ~Tvx_Spread() override;

    // --- creation and look (Tvx_Spread.cpp)
    bool create(OvGridHost* parent, int placeholderId, bool hasFrame);
    bool isCreated() const { return created; }
    OvGridHost* parentHost() const { return parentHandle; }
    int getControlId() const { return controlId; }
    bool setDefaultLook(bool designMode);

    // --- counts and fonts (SpreadCounts.cpp)
    int getMaxCols() const;
    int getMaxRows() const;
    bool setMaxCols(int count, bool copyNeighbour = false);
    bool setMaxRows(int count, bool copyNeighbour = false);
    bool setHeaderFont();
    bool setFonts(bool textTips);
    const Tvx_String& getFontFace() const { return fontFace; }
    int getFontHeight() const { return fontHeight; }
    void setFontFace(const Tvx_String& face) { fontFace = face; }
    void setFontHeight(int height) { fontHeight = height; }

    // --- single cells, rows and columns (SpreadCells.cpp)
    bool getCellText(int col, int row, Tvx_String& out, int mode = kReadValue) const;
    bool setCellText(int col, int row, const Tvx_String& text);
    bool setCellValue(int col, int row, const Tvx_String& text);
    // setCellValue of a number's text when the caller holds the number that text reads as
    // (ovbase::parseNumberText): a number cell stores it without reading the text again.
    bool setCellValueNumber(int col, int row, std::wstring_view text, double number);
    bool getCellInt(int col, int row, int& out) const;
    bool getCellDouble(int col, int row, double& out) const;
    bool setCellDouble(int col, int row, double value);
    bool setColTexts(int col, const Tvx_StringArray& texts, bool asValue = false);
    bool setRowTexts(int row, const Tvx_StringArray& texts, bool asValue = false);
    bool getColTexts(int col, Tvx_StringArray& out) const;
    bool getRowTexts(int row, Tvx_StringArray& out) const;
    bool setColInts(int col, const Tvx_Array<int>& values);
    bool setColDoubles(int col, const Tvx_Array<double>& values);
    bool setColBools(int col, const Tvx_Array<bool>& values);
    bool getColInts(int col, Tvx_Array<int>& out) const;
    bool getColDoubles(int col, Tvx_Array<double>& out) const;
    bool getColBools(int col, Tvx_Array<bool>& out) const;
    bool getAllRows(Tvx_Array<Tvx_StringArray>& out) const;
    bool clearRow(int row);

    // --- cell types, lock, spans (SpreadTypes.cpp)
    bool setNumberType(int col1, int row1, int col2, int row2, int decimals, bool styleFlag);
    bool setEditType(int col1, int row1, int col2, int row2);
    bool setStaticColumn(int col, long style = kStaticStyle);
    bool setStaticCell(int col, int row, long style = kStaticStyle);
    // With `groupHeaders`, items framed "------ name ------" are group headers (not choosable).
    bool setComboType(int col1, int row1, int col2, int row2, const Tvx_StringArray& items,
                      bool editable, bool groupHeaders = false);
    bool setCheckBoxType(int col, bool withBorder, bool spanHeader);
    bool setButtonType(int col, const Tvx_String& caption, bool spanHeader);
    bool setButtonCell(int col, int row, const Tvx_String& caption);
    bool setPictureCell(int col, int row, int resourceId, bool icon);
    // Shows a picture file across the row from col to the last column (SpreadPictureRow.cpp).
    bool insertPictureRow(const Tvx_String& imageFile, int col, int row, int& out);
    bool lockCell(int col, int row, bool locked);
    bool lockRow(int row, bool locked);
    bool mergeEqualInColumn(int col);
    bool removeSpansInColumn(int col);
    // The type code of a cell (0 when it has none or cannot be read).
    int cellTypeCode(int col, int row) const;

    // --- fitting (SpreadFit.cpp)
    bool fitColumnWidth(int col, bool skipStatic);
    bool fitRowHeight(int row);
    bool fitAll();
    bool fitLastColumn(int col);
    // Modes 0..5; mode 5 takes its columns and widths from setFitFixedColumns.
    bool setFitMode(int mode, int arg1 = 0, int arg2 = 0);
    void setFitFixedColumns(const Tvx_Array<int>& cols, const Tvx_Array<int>& widths);
    int getFitMode() const { return fitMode; }
    // Re-applies the stored rule, as after every resize.
    bool applyFitMode();
    // A view reports its new client size here; headless callers set it directly.
    bool setClientSize(int width, int height);

    // --- row and column commands (SpreadRows.cpp)
    bool insertRowAt(int row, bool prompt, bool copyLayout);
    bool deleteRowAt(int row);
    bool insertColAt(int col, bool prompt, bool copyLayout);
    bool deleteColAt(int col);
    // The new row's index; -1 on failure.
    int appendRow(bool copyLayout);
    bool moveRows(int first, int last, int target);

    // --- find and replace (SpreadFind.cpp)
    bool findText(const Tvx_String& text, bool substring, int startCol, int startRow, int& outCol,
                  int& outRow) const;
    // Finds the next hit after the current one, offering to restart from the top when `ask`.
    bool findNext(const Tvx_String& text, bool substring, bool ask);
    bool findAndReplace(const Tvx_String& text, const Tvx_String& replacement, bool substring,
                        bool ask);
    bool replaceSelection(const Tvx_String& replacement);
    // Replaces every hit once; returns the number of cells changed (-1 when not created).
    int replaceAll(const Tvx_String& text, const Tvx_String& replacement, bool substring);

    // --- check boxes and the context menu (SpreadChecks.cpp, SpreadMenu.cpp)
    bool linkCheckBoxColumns(int checkCol, int lockedCol);
    // The view calls this for every command notification of the grid; true when handled.
    bool onGridNotify(int code);
    bool setAllChecks(bool value);
    enum MenuCode {
        kMenuSeparator = 1,
        kMenuCopy = 2,
        kMenuPaste = 3,
        kMenuInsertRow = 4,
        kMenuDeleteRow = 5,
        kMenuInsertCol = 6,
        kMenuDeleteCol = 7,
        kMenuCheckAll = 8,
        kMenuUncheckAll = 9
    };
    struct MenuEntry {
        int code = 0;
        Tvx_String text;    // empty for a separator
        int commandId = 0;  // 0 for a separator
    };
    bool setContextMenuItems(const Tvx_Array<int>& codes);
    const Tvx_Array<MenuEntry>& contextMenu() const { return menuEntries; }
    // Whether a right-button press shows the popup.
    bool hasContextMenu() const;
    // Runs the n-th non-separator item; false when there is none.
    bool runContextMenuItem(int n);
    // Maps a popup command id back to its item and runs it; false for a foreign id.
    bool onCommand(int commandId);

    // --- keys and focus (SpreadKeys.cpp)
    // F3 (find next), F5 (find and replace), F8 (design toggle); true when the key was used.
    bool preTranslateKeyDown(int virtualKey);
    // Whether a Tab press should leave the grid: 3 with Shift on the first free cell, 2 without
    // Shift on the last free cell, else 0. The view supplies what only it knows.
    int keyboardLeave(bool shift, bool visible, const Tvx_String& focusWindowClass) const;
    bool focusFirstFreeCell();
    bool focusLastFreeCell();
    OvFindDialog* getFindDialog() const { return findDialog.get(); }

    // --- sheet settings (SpreadSettings.cpp)
    bool applyTextSettings(const Tvx_String& settingsName);

    const ovres::BitmapHandle& checkOffBitmap();
    const ovres::BitmapHandle& checkOnBitmap();

  protected:
    bool inCols(int col) const;
    bool inRows(int row) const;
    bool inCell(int col, int row) const { return inCols(col) && inRows(row); }
    bool inLines(SpreadAxis axis, int line) const {
        return axis == SpreadAxis::Rows ? inRows(line) : inCols(line);
    }
    bool isFreeCell(int col, int row) const;
    bool selectHit(int col, int row, int start, int length);
    int clientWidth() const;
    int shareCount() const;
    bool applyCheckLink(int row);
    // A row operation and its column twin, written once (SpreadAxis.h).
    bool setLineCount(SpreadAxis axis, int count, bool copyNeighbour);
    void copyLineLayout(SpreadAxis axis, int from, int to);
    bool insertLineAt(SpreadAxis axis, int at, bool prompt, bool copyLayout);
    bool deleteLineAt(SpreadAxis axis, int at);
    bool setLineTexts(SpreadAxis axis, int line, const Tvx_StringArray& texts, bool asValue);
    bool getLineTexts(SpreadAxis axis, int line, Tvx_StringArray& out) const;
    bool runMenuCode(int code);
    void loadCheckBitmaps();

    OvGridHost* parentHandle = nullptr;
    int controlId = 0;
    bool created = false;
    Tvx_String fontFace = L"Tahoma";
    int fontHeight = 15;
    int fitMode = 0;
    ovres::BitmapHandle checkBitmapOff;
    ovres::BitmapHandle checkBitmapOn;
    Tvx_Array<MenuEntry> menuEntries;  // the popup as built from menuItems
    Tvx_Array<int> menuItems;
    std::unique_ptr<OvFindDialog> findDialog;
    int fitArg1 = 0;
    int fitArg2 = 0;
    Tvx_Array<int> fitFixedCols;
    Tvx_Array<int> fitFixedWidths;
    int checkColumn = -1;
    int lockedColumn = -1;
};
