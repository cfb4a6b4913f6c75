// TextTablePage.h - a page that edits one table of texts (the macro editor's and the macro
// settings' pages told by role): a grid with fixed columns, rows added and removed by the
// page's owner, the table read back as it stands.
#pragma once

#include <QWidget>

#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_MacroSettings.h"

class QTableWidget;
class QLabel;

class TextTablePage : public QWidget {
    Q_OBJECT

  public:
    // `title` above the grid (none when empty); `columns` its headings.
    TextTablePage(const Tvx_String& title, const Tvx_StringArray& columns,
                  QWidget* parent = nullptr);

    void setTable(const Tvx_TextTable& table);
    // Every row, each as long as the columns (empty cells as ""); rows left wholly empty go.
    Tvx_TextTable table() const;
    // Rows: a new empty row after the current one (or at the end); the current row removed.
    void addRow();
    void removeRow();
    QTableWidget* grid() const { return grid_; }

  private:
    QTableWidget* grid_;
    int columns_;
};
