// CellPainters.h - drawing the contents of the cell types that are pictures rather than text:
// check boxes (the module's ticked and unticked bitmaps), push buttons and picture cells.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

#include "grid/GridTypes.h"

class QPainter;
class QStyle;
class QWidget;

namespace ovui::grid {

// The check box picture, with the caption (if any) on its right; centred without one.
void paintCheckCell(QPainter& painter, const QRect& rect, bool checked, bool enabled,
                    const QString& caption, const QWidget* widget);

// A push button filling the cell (less a small margin), sunken while pressed.
void paintButtonCell(QPainter& painter, const QRect& rect, const QString& caption, bool pressed,
                     const QFont& font, const QWidget* widget);

// The picture of a picture cell, scaled down (never up) to fit, keeping its proportions.
void paintPictureCell(QPainter& painter, const QRect& rect, const ovgrid::CellType& type);

// The picture a picture cell shows: a file or module resource by name, or a module bitmap or
// icon by number. Null when there is none; loaded files are cached.
QPixmap cellPicture(const ovgrid::CellType& type);

}  // namespace ovui::grid
