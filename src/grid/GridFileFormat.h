// GridFileFormat.h - the ".ovs" sheet file's name, version and key names, shared by the
// writer (GridFileWriter) and the readers (GridFileStream, GridFileReader, GridCellReader) so
// that the two sides cannot drift apart. Internal to the grid engine.
//
// The file is a versioned JSON document holding everything a grid keeps (sparse: only cells
// that hold something):
//
//   { "format": "ovss-grid", "version": 1, "maxCols", "maxRows", "refStyle",
//     "properties": [[code, on]], "fonts": [...], "styles": [...],
//     "colWidths": [[col, width]], "rowHeights": [[row, height]], "hiddenRows": [row],
//     "spans": [[col, row, cols, rows]], "view": {...},
//     "cells": [[col, row, style, value, {"f": formula, "t": tag}]] }
//
// Header cells are stored with coordinate 0. A value is a number, a text, true/false, null
// (empty) or {"error": "#DIV/0!"}; a formula cell stores its formula in A1 style and its last
// computed value. "cells" comes last, so that a reader can stream it.
#pragma once

#include <cstddef>

namespace ovgrid::sheetfile {

inline constexpr char kFormatName[] = "ovss-grid";
inline constexpr int kFormatVersion = 1;
// Deeper nesting than any sheet has is refused before it can exhaust the stack.
inline constexpr std::size_t kMaxDepth = 32;

inline constexpr char kRefStyleA1[] = "A1";
inline constexpr char kRefStyleR1C1[] = "R1C1";

namespace keys {

// The document.
inline constexpr char format[] = "format";
inline constexpr char version[] = "version";
inline constexpr char maxCols[] = "maxCols";
inline constexpr char maxRows[] = "maxRows";
inline constexpr char refStyle[] = "refStyle";
inline constexpr char properties[] = "properties";
inline constexpr char fonts[] = "fonts";
inline constexpr char styles[] = "styles";
inline constexpr char colWidths[] = "colWidths";
inline constexpr char rowHeights[] = "rowHeights";
inline constexpr char hiddenRows[] = "hiddenRows";
inline constexpr char spans[] = "spans";
inline constexpr char view[] = "view";
inline constexpr char cells[] = "cells";

// A cell's extras, and an error value.
inline constexpr char formula[] = "f";
inline constexpr char tag[] = "t";
inline constexpr char error[] = "error";

// A font (the font table, the text tip).
inline constexpr char face[] = "face";
inline constexpr char height[] = "height";
inline constexpr char weight[] = "weight";
inline constexpr char italic[] = "italic";
inline constexpr char underline[] = "underline";
inline constexpr char strikeOut[] = "strikeOut";
inline constexpr char charSet[] = "charSet";

// A style; "font" is a handle into the font table.
inline constexpr char locked[] = "locked";
inline constexpr char background[] = "background";
inline constexpr char foreground[] = "foreground";
inline constexpr char font[] = "font";
inline constexpr char border[] = "border";
inline constexpr char cellType[] = "cellType";

// A cell type.
inline constexpr char type[] = "type";
inline constexpr char style[] = "style";
inline constexpr char maxLength[] = "maxLength";
inline constexpr char flag[] = "flag";
inline constexpr char decimals[] = "decimals";
inline constexpr char minimum[] = "minimum";
inline constexpr char maximum[] = "maximum";
inline constexpr char items[] = "items";
inline constexpr char text[] = "text";
inline constexpr char pictureName[] = "pictureName";
inline constexpr char pictureHandle[] = "pictureHandle";
inline constexpr char palette[] = "palette";
inline constexpr char deletePicture[] = "deletePicture";
inline constexpr char pictureType[] = "pictureType";
inline constexpr char checkPictures[] = "checkPictures";
inline constexpr char checkPictureTypes[] = "checkPictureTypes";
inline constexpr char pressedPicture[] = "pressedPicture";
inline constexpr char pressedPictureType[] = "pressedPictureType";
inline constexpr char buttonType[] = "buttonType";
inline constexpr char shadowSize[] = "shadowSize";
inline constexpr char buttonColor[] = "buttonColor";

// The view section.
inline constexpr char active[] = "active";
inline constexpr char selection[] = "selection";
inline constexpr char editMode[] = "editMode";
inline constexpr char editSelection[] = "editSelection";
inline constexpr char actionKeys[] = "actionKeys";
inline constexpr char textTip[] = "textTip";
inline constexpr char appearance[] = "appearance";

// The text tip (with font, background, foreground above).
inline constexpr char status[] = "status";
inline constexpr char delay[] = "delay";

// The appearance (with "appearance", its code, above).
inline constexpr char selColors[] = "selColors";
inline constexpr char backColorStyle[] = "backColorStyle";
inline constexpr char oddEvenColors[] = "oddEvenColors";
inline constexpr char activeCellHighlightStyle[] = "activeCellHighlightStyle";
inline constexpr char gridLine[] = "gridLine";
inline constexpr char headerColors[] = "headerColors";
inline constexpr char colorSetting[] = "colorSetting";
inline constexpr char cursor[] = "cursor";
inline constexpr char modes[] = "modes";
inline constexpr char twoCode[] = "twoCode";
inline constexpr char cellNoteIndicator[] = "cellNoteIndicator";

}  // namespace keys
}  // namespace ovgrid::sheetfile
