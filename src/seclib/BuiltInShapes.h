// BuiltInShapes.h - the 24 built-in cross-section shapes of user section types: their display
// texts, icon base names and default dimension (value column) names, and how a type's shape
// field is shown in shape lists ("<" display text ">") and read back.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline constexpr int kFirstBuiltInShape = 1;
inline constexpr int kLastBuiltInShape = 24;
// The rectangular tube: its fourth value must be 0 or greater than its third.
inline constexpr int kShapeRectTube = 10;

// The numbered text that names a shape; 0 outside 1..24.
int shapeDisplayTextNumber(int shape);
// "<" + the shape's display text + ">"; empty outside 1..24.
Tvx_String shapeDisplayText(int shape);
// The shape whose "<" display text ">" equals `text`: shapes 1 to 24 are tried in order,
// stopping at the first without a text; -1 when none matches.
int shapeFromDisplayText(const Tvx_String& text);
// The icon base name ("ProfSectionI"); empty outside 1..24.
Tvx_String getProfSectionName(int shape);
// The default dimension names of a built-in shape (at most 10, never empty ones); empty list
// outside 1..24.
Tvx_StringArray defaultDimensionNames(int shape);

// A shape field names a drawing exactly when it ends in ".dwg".
bool isDrawingShape(const Tvx_String& shape);
// The built-in shape number of a shape field, -1 when it is a drawing or not a number 1..24.
int builtInShapeNumber(const Tvx_String& shape);
// How a shape field is shown in a shape list: the display text of a built-in shape, the file
// name of a drawing (other texts as they are).
Tvx_String shapeToListText(const Tvx_String& shape);
// The shape field for a shape list's text: a display text turns back into its number.
Tvx_String shapeFromListText(const Tvx_String& text);
