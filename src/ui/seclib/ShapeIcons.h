// ShapeIcons.h - our own drawings of the 24 built-in cross-sections (simple line drawings
// painted with QPainter), the icons shape lists show, and the icon files of the icon folder
// ("ProfSectionI-big.bmp", "-small.bmp", "Unknown-...") made from them.
#pragma once

#include <QIcon>
#include <QImage>

#include "core/Tvx_String.h"

namespace ovui::seclib {

inline constexpr int kBigIconSize = 64;
inline constexpr int kSmallIconSize = 16;

// The cross-section of a built-in shape (1..24) on a white square; shape 0 draws the "unknown"
// question mark.
QImage paintShapeIcon(int shape, int size);
QIcon shapeIcon(int shape);

// Writes the big and small icon of every built-in shape and of "Unknown" into `folder` unless
// they exist already (or always, with `overwrite`). False when a file could not be written.
bool writeShapeIcons(const Tvx_String& folder, bool overwrite = false);

}  // namespace ovui::seclib
