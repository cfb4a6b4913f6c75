// DetailWidgets.h - small pieces the macro detail dialogs share: a plain table for their grids,
// combos filled from text lists, and pictures read from the application folder with drawn
// stand-ins when a picture file is missing.
#pragma once

#include <QPixmap>
#include <functional>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class QComboBox;
class QPainter;
class QTableWidget;
class QWidget;

namespace ovui::detail {

// A table with `columns` headers, row headers hidden, stretching its last column.
QTableWidget* makeTable(QWidget* parent, const Tvx_StringArray& headers);

// The text of cell (row, column); "" for a missing cell.
Tvx_String cellText(const QTableWidget* table, int row, int column);
void setCellText(QTableWidget* table, int row, int column, const Tvx_String& text,
                 bool editable = true);
bool cellChecked(const QTableWidget* table, int row, int column);
void setCellCheck(QTableWidget* table, int row, int column, bool checked);

// Replaces the items of the combo.
void fillCombo(QComboBox* combo, const Tvx_StringArray& items);
// Selects `value`, inserting it at the end when the combo does not hold it; -1 for "" when the
// combo has no empty item.
int selectOrAdd(QComboBox* combo, const Tvx_String& value);

// The picture file, or when it cannot be read a `size` picture drawn by `draw` on white. With
// `whiteTransparent` white pixels become transparent.
QPixmap pictureOr(const Tvx_String& path, QSize size, const std::function<void(QPainter&)>& draw,
                  bool whiteTransparent = false);

}  // namespace ovui::detail
