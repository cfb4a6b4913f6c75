// OvSpreadModel.h - a Qt table model over the grid of a Tvx_Spread. Every cell attribute is
// read live from the grid (contents, colours, fonts, types, locks); only the row and column
// counts are taken at refresh(), so the view's sections never disagree with the model while
// the grid changes underneath.
#pragma once

#include <QAbstractTableModel>

#include "grid/Grid.h"

class Tvx_Spread;

namespace ovui::grid {

class OvSpreadModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The cell's type code (ovgrid::CellTypeCode; edit when the cell has no type).
    static constexpr int CellTypeRole = Qt::UserRole + 1;

    explicit OvSpreadModel(Tvx_Spread* spread, QObject* parent = nullptr);

    // The spread whose grid is shown; null detaches (the model then shows nothing).
    void setSpread(Tvx_Spread* spread);
    Tvx_Spread* spread() const { return spread_; }
    ovgrid::Grid* grid() const;

    // Takes the grid's counts (a reset when they changed) and repaints every cell.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Edit role: a text starting with "=" becomes the cell's formula, any other text its data
    // as typed. Check-state role: the check box reads "1" or "0".
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cell's type record; false when the index is outside the grid.
    bool cellType(const QModelIndex& index, ovgrid::CellType& out) const;
    // The cell's look record, or null outside the grid.
    const ovgrid::CellStyle* cellStyle(const QModelIndex& index) const;

  signals:
    // A cell was changed through the model (an edit or a check box).
    void cellEdited(int col, int row);

  private:
    bool inGrid(const QModelIndex& index) const;
    void explainRefusedEdit(int col, int row, const QString& text) const;
    QVariant alignment(const QModelIndex& index, const ovgrid::CellStyle& style) const;

    Tvx_Spread* spread_ = nullptr;
    int rows_ = 0;
    int cols_ = 0;
};

// The default header texts of a spreadsheet: A..Z, AA.. for columns, 1.. for rows.
QString defaultColumnHeader(int col);

}  // namespace ovui::grid
