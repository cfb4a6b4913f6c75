// GridTypes.h - the records a grid keeps per cell, row, column and for the whole sheet:
// cell types, fonts, borders, spans, text tips and the fixed codes callers rely on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ovgrid {

// The header row and column; 0 is accepted for them as well.
constexpr int HEADER = -32767;
// "Use the default colour" for any colour argument.
constexpr long DEFAULT_COLOR = 0x8000000B;

// Upper bounds of the data counts; they keep coordinates inside 32 bits with room to spare.
constexpr int kMaxGridCols = 100000;
constexpr int kMaxGridRows = 10000000;

// Numeric cell-type codes. Static text (8) and check box (12) are what callers test for.
enum CellTypeCode : int {
    kTypeEdit = 1,
    kTypePicture = 5,
    kTypeButton = 7,
    kTypeStatic = 8,
    kTypeCombo = 9,
    kTypeCheck = 12,
    kTypeNumber = 14,
};

// A cell-type record as the define-type functions fill it and set-cell-type applies it.
// Only the fields of its kind are meaningful; the rest keep their defaults.
struct CellType {
    int type = kTypeEdit;
    long style = 0;
    int maxLength = 0;                // edit
    int charSet = 0;                  // edit
    long flag = 0;                    // edit and number: the caller's extra flag
    int decimals = 0;                 // number
    double minimum = 0;               // number
    double maximum = 0;               // number
    std::vector<std::wstring> items;  // combo
    std::wstring text;                // check box and button caption
    std::wstring pictureName;         // picture by name
    std::int64_t pictureHandle = 0;   // picture by handle, button picture
    std::int64_t palette = 0;
    bool deletePicture = false;
    int pictureType = 0;
    // Check box: six picture/picture-type pairs (up, down, focus up, focus down, disabled
    // up, disabled down).
    std::array<std::int64_t, 6> checkPictures{};
    std::array<int, 6> checkPictureTypes{};
    // Button.
    std::int64_t pressedPicture = 0;
    int pressedPictureType = 0;
    int buttonType = 0;
    int shadowSize = 0;
    long buttonColor = 0;

    bool operator==(const CellType&) const = default;
};

struct FontInfo {
    std::wstring face = L"Tahoma";
    int height = 13;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;

    bool operator==(const FontInfo&) const = default;
};

struct Border {
    int type = 0;
    int style = 0;
    long color = DEFAULT_COLOR;

    bool operator==(const Border&) const = default;
};

// Everything about a cell's look and behaviour except its contents. Cells share these
// through an interned table, so a million formatted cells cost one record each only once.
struct CellStyle {
    bool hasType = false;  // without a type the cell behaves as a plain edit cell
    CellType cellType;
    bool locked = false;
    long background = DEFAULT_COLOR;
    long foreground = DEFAULT_COLOR;
    int font = 0;  // handle into the grid's font table; 0 is the default font
    Border border;

    bool operator==(const CellStyle&) const = default;
};

struct Span {
    int col = 0;  // anchor
    int row = 0;
    int cols = 1;
    int rows = 1;

    bool contains(int c, int r) const {
        return c >= col && c < col + cols && r >= row && r < row + rows;
    }
    bool operator==(const Span&) const = default;
};

struct TextTip {
    int status = 0;
    int delay = 0;
    FontInfo font;
    long background = DEFAULT_COLOR;
    long foreground = DEFAULT_COLOR;

    bool operator==(const TextTip&) const = default;
};

struct ActionKey {
    int action = 0;
    int shift = 0;
    int control = 0;
    int key = 0;

    bool operator==(const ActionKey&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Presentation settings without a meaning inside the engine: kept so that a view can show
// them and a caller can read them back.
struct Appearance {
    int appearance = 0;
    long selBackground = DEFAULT_COLOR;
    long selForeground = DEFAULT_COLOR;
    int backColorStyle = 0;
    std::array<long, 4> oddEvenColors{DEFAULT_COLOR, DEFAULT_COLOR, DEFAULT_COLOR, DEFAULT_COLOR};
    int activeCellHighlightStyle = 0;
    int gridLineType = 0;
    long gridLineColor = DEFAULT_COLOR;
    long headerBackground = DEFAULT_COLOR;
    long headerForeground = DEFAULT_COLOR;
    long colorBackground = DEFAULT_COLOR;  // the "colour setting"
    long colorForeground = DEFAULT_COLOR;
    int cursorCode = 0;
    int cursorValue = 0;
    int modeA = 0;
    int modeB = 0;
    int twoCodeFirst = 0;
    int twoCodeSecond = 0;
    int cellNoteIndicator = 0;

    bool operator==(const Appearance&) const = default;
};

}  // namespace ovgrid
