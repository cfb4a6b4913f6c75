// GridLook.h - how the grid's stored looks become Qt ones: COLORREF colours (0x00BBGGRR, with
// 0x8000000B meaning "default"), font descriptions and border records.
#pragma once

#include <QColor>
#include <QFont>
#include <optional>

#include "grid/GridTypes.h"

namespace ovui::grid {

// The colour a COLORREF names; nothing for the default colour and other system colours the
// view resolves from its palette.
std::optional<QColor> toQColor(long colorRef);
// `colorRef` or, when it is a default, `fallback`.
QColor toQColor(long colorRef, const QColor& fallback);

// A font as the grid describes it. A positive height is the cell height of the font (the em
// size is smaller, about 1/1.2 of it), a negative one the character height itself.
QFont toQFont(const ovgrid::FontInfo& font);

// Which sides a border type draws: bits 1 left, 2 right, 4 top, 8 bottom; 16 outlines all four.
struct BorderSides {
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
    bool any() const { return left || right || top || bottom; }
};
BorderSides borderSides(int type);

// Standard colours of the spreadsheet look where the grid says "default".
inline const QColor kHeaderFace{0xF0, 0xF0, 0xF0};
inline const QColor kHeaderLine{0xA0, 0xA0, 0xA0};
inline const QColor kGridLine{0xD4, 0xD4, 0xD4};
inline const QColor kCellBackground{Qt::white};
inline const QColor kCellText{Qt::black};

}  // namespace ovui::grid
