// DrawingListView.h - the studio's list of the open drawing's macros. Selecting rows makes those
// macros the host's pick-first selection; dragging them out carries the host's entity format
// (the module reads what was dragged from the pick-first selection) and their names as text.
#pragma once

#include <QTreeWidget>

class DrawingListView : public QTreeWidget {
  public:
    explicit DrawingListView(QWidget* parent = nullptr);

  protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
};
