// OvTreeController.h - what the user does with a tree grid in its view (OvSpreadView):
// - a left click on a row's fold mark folds or unfolds its subtree; a double click on a row
//   with children does the same; Left and Right fold, unfold and move as in a tree, Space on a
//   mark folds (mark cells are never toggled as check boxes: their state is the tree's);
// - dragging a row offers its text as plain text and in the module's drag format;
// - drops in the module's drag format (names joined by ";"), as plain text, or in the host's
//   entity format (the host's pick-first selection is read) reach OvTreeSpread::receiveDrop;
//   anything else is refused without a message;
// - the right button shows the tree's own popup, followed by the grid's standard items.
// The controller belongs to the view and never outlives it; the tree must outlive the view.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class OvTreeSpread;
class QKeyEvent;
class QMenu;
class QMimeData;

namespace ovui::grid {
class OvSpreadView;
}

namespace ovui::spread {

class OvTreeController : public QObject {
    Q_OBJECT

  public:
    // The mime format of the module's drag format.
    static QString dragFormat();
    // The host's entity drag format: product name, ".r", release ("%s.r%d").
    static QString hostEntityFormat();

    OvTreeController(OvTreeSpread& tree, grid::OvSpreadView& view);

    // The drag data of the active row (null when there is no text to drag).
    QMimeData* makeDragData() const;
    // Whether a drop of this data would be taken, and taking it.
    bool canDrop(const QMimeData& data) const;
    bool dropData(const QMimeData& data);
    // A click on a grid cell, as the mouse gives it.
    bool clickCell(int col, int row);
    // Fills the popup with the tree's items (then the standard ones); the chosen action runs.
    void fillPopup(QMenu& menu);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool viewportEvent(QEvent* event);
    bool keyEvent(QKeyEvent* event);
    bool isMarkCell(int col, int row) const;
    void startDrag();
    void afterChange();

    OvTreeSpread& tree_;
    QPointer<grid::OvSpreadView> view_;
    QPoint pressPos_;
    bool pressed_ = false;
};

}  // namespace ovui::spread
