// OvSpreadView.h - the window of a Tvx_Spread: a table view over its grid that looks like a
// spreadsheet and routes what the user does to the grid's owner.
//
// - Typed edits reach the grid as data, or as a formula when they start with "=".
// - Check box changes and button clicks set the grid's notification cell and raise the
//   notifications 59 (check box) and 60 (button): first to Tvx_Spread::onGridNotify (linked
//   check columns), then as the gridNotify signal for the owning dialog.
// - The right button shows the spread's context menu and runs the chosen item; F3, F5 and F8
//   go to the spread first; Tab leaves the grid where the spread says so.
// - A resize reports the new client size to the spread, which re-applies its fit mode; the
//   grid measures text with Qt fonts while a view is attached.
//
// The grid is read live. A shown view follows changes made to the grid from code on its own
// (a light check five times a second); refresh() takes them at once: counts, sizes, spans,
// hidden rows, selection and edit mode.
// The spread must outlive the view, or be detached from it first (QtGridHost does that).
#pragma once

#include <QTableView>
#include <QTimer>
#include <map>
#include <set>
#include <vector>

#include "grid/GridTypes.h"

class QMenu;
class Tvx_Spread;

namespace ovui::grid {

class OvCellDelegate;
class OvSpreadModel;

class OvSpreadView : public QTableView {
    Q_OBJECT

  public:
    // Notification codes the view raises.
    static constexpr int kNotifyCheckBox = 59;
    static constexpr int kNotifyButton = 60;

    explicit OvSpreadView(Tvx_Spread* spread, QWidget* parent = nullptr);
    ~OvSpreadView() override;

    Tvx_Spread* spread() const { return spread_; }
    OvSpreadModel* spreadModel() const { return model_; }
    // Forgets the spread: the view then shows an empty sheet and touches nothing.
    void detach();

    // Takes every change of the grid made outside the view.
    void refresh();

    // The context menu as it is shown; each action runs its item.
    void fillContextMenu(QMenu& menu);
    // Runs a context-menu command id (as the popup reports it); false when it did nothing.
    bool runMenuCommand(int commandId);
    // Raises a notification about a cell, as a click on it does.
    void notifyCell(int code, int col, int row);

  signals:
    // A grid notification for the owning dialog (codes 59 and 60), with its cell.
    void gridNotify(int code, int col, int row);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    // What was last taken from the grid, so that refresh() only touches what changed.
    struct Synced {
        int rows = -1;
        int cols = -1;
        std::vector<int> colWidths;  // pixels, index 0 is the header column
        std::map<int, double> rowHeights;
        std::set<int> hiddenRows;
        std::vector<ovgrid::Span> spans;
        int activeCol = 0, activeRow = 0;
        bool hasBlock = false;
        int block[4] = {0, 0, 0, 0};
    };

    // OvSpreadViewSync.cpp
    void syncLook();
    void syncSizes(bool full);
    void syncHiddenRows(bool full);
    void syncSpans(bool full);
    void syncSelectionFromGrid();
    void writeSelectionToGrid();
    void updateClientSize();

    void showContextMenu(const QPoint& globalPos);
    void onCheckToggled(const QModelIndex& index);
    void onButtonClicked(const QModelIndex& index);

    Tvx_Spread* spread_ = nullptr;
    OvSpreadModel* model_ = nullptr;
    OvCellDelegate* delegate_ = nullptr;
    Synced synced_;
    bool applyingGrid_ = false;
    QTimer followTimer_;
    static constexpr int kFollowIntervalMs =
        200;  // the view is being set from the grid: do not write back
};

}  // namespace ovui::grid
