// DrawingListView.cpp - selection and dragging of the drawing's macros.
#include "DrawingListView.h"

#include <QMimeData>

#include "core/sheets/PickFirstSelection.h"

DrawingListView::DrawingListView(QWidget* parent) : QTreeWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QMimeData* DrawingListView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    QStringList names;
    for (const QTreeWidgetItem* item : items) {
        names.append(item->text(0));
    }
    auto* data = new QMimeData;
    data->setData(QString::fromStdWString(hostEntityDragFormat().wstr()), QByteArray());
    data->setText(names.join(u';'));
    return data;
}
