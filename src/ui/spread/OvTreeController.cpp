// OvTreeController.cpp - mouse, keys, drag and drop and the popup of a tree grid's view.
#include "ui/spread/OvTreeController.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "core/sheets/PickFirstSelection.h"
#include "spread/tree/OvTreeSpread.h"
#include "ui/QtText.h"
#include "ui/grid/OvSpreadView.h"

namespace ovui::spread {

QString OvTreeController::dragFormat() {
    return QString::fromWCharArray(OvTreeSpread::dragFormatName());
}

QString OvTreeController::hostEntityFormat() {
    return ovui::toQt(hostEntityDragFormat());
}

OvTreeController::OvTreeController(OvTreeSpread& tree, grid::OvSpreadView& view)
    : QObject(&view), tree_(tree), view_(&view) {
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
    view.viewport()->setAcceptDrops(true);
    view.setAcceptDrops(true);
    view.setDragEnabled(false);  // drags are started here, with the tree's own data
}

bool OvTreeController::isMarkCell(int col, int row) const {
    return col >= tree_.getLevelColumn() && col < tree_.getLevelColumn() + tree_.getLevelCount() &&
           row >= 1 && row <= tree_.getMaxRows() &&
           tree_.markCodeAt(col, row) != OvTreeSpread::kMarkNone;
}

void OvTreeController::afterChange() {
    if (view_) {
        view_->refresh();
    }
}

bool OvTreeController::clickCell(int col, int row) {
    if (!tree_.onCellClicked(col, row)) {
        return false;
    }
    afterChange();
    return true;
}

QMimeData* OvTreeController::makeDragData() const {
    const Tvx_String text = tree_.dragText();
    if (text.isEmpty()) {
        return nullptr;
    }
    auto* data = new QMimeData;
    const QString qtext = ovui::toQt(text);
    data->setText(qtext);
    data->setData(dragFormat(), qtext.toUtf8());
    return data;
}

bool OvTreeController::canDrop(const QMimeData& data) const {
    if (!tree_.acceptsDrops()) {
        return false;
    }
    return data.hasFormat(dragFormat()) || data.hasFormat(hostEntityFormat()) || data.hasText();
}

bool OvTreeController::dropData(const QMimeData& data) {
    if (!canDrop(data)) {
        return false;
    }
    Tvx_StringArray names;
    Tvx_Array<AcDbObjectId> ids;
    if (data.hasFormat(hostEntityFormat())) {
        // Dragged drawing objects: what they are is the host's pick-first selection.
        readPickFirstSelection(ids);
    }
    if (data.hasFormat(dragFormat())) {
        names = OvTreeSpread::splitDroppedNames(
            ovui::fromQt(QString::fromUtf8(data.data(dragFormat()))));
    } else if (data.hasText()) {
        names = OvTreeSpread::splitDroppedNames(ovui::fromQt(data.text()));
    }
    return tree_.receiveDrop(names, ids);
}

void OvTreeController::fillPopup(QMenu& menu) {
    const Tvx_StringArray& texts = tree_.treeMenuTexts();
    for (int i = 0; i < texts.length(); ++i) {
        menu.addAction(ovui::toQt(texts[i]), this, [this, i] { tree_.chooseTreeMenuItem(i); });
    }
    if (view_ && tree_.hasContextMenu()) {
        if (!texts.isEmpty()) {
            menu.addSeparator();
        }
        view_->fillContextMenu(menu);
    }
}

void OvTreeController::startDrag() {
    QMimeData* data = makeDragData();
    if (data == nullptr || !view_) {
        delete data;
        return;
    }
    // The drag runs from the event loop, not from inside the view's event: the palette may be
    // closed (and this view deleted) while it is under way.
    QPointer<grid::OvSpreadView> source = view_;
    QMetaObject::invokeMethod(
        qApp,
        [source, data] {
            if (!source) {
                delete data;
                return;
            }
            auto* drag = new QDrag(source);
            drag->setMimeData(data);
            drag->exec(Qt::CopyAction);
        },
        Qt::QueuedConnection);
}

bool OvTreeController::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = view_->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::RightButton && !tree_.treeMenuTexts().isEmpty()) {
                if (index.isValid()) {
                    tree_.SSSetActiveCell(index.column() + 1, index.row() + 1);
                    view_->refresh();
                }
                QMenu menu(view_);
                fillPopup(menu);
                menu.exec(mouse->globalPosition().toPoint());
                return true;
            }
            if (mouse->button() != Qt::LeftButton || !index.isValid()) {
                return false;
            }
            const int col = index.column() + 1, row = index.row() + 1;
            if (isMarkCell(col, row)) {
                if (event->type() == QEvent::MouseButtonPress) {
                    clickCell(col, row);
                }
                return true;
            }
            if (event->type() == QEvent::MouseButtonDblClick && tree_.onRowAction(row)) {
                afterChange();
                return true;
            }
            pressed_ = true;
            pressPos_ = mouse->position().toPoint();
            return false;
        }
        case QEvent::MouseButtonRelease: {
            pressed_ = false;
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = view_->indexAt(mouse->position().toPoint());
            // The mark was served on the press; the release must not toggle a check box.
            return index.isValid() && isMarkCell(index.column() + 1, index.row() + 1);
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed_ && (mouse->buttons() & Qt::LeftButton) &&
                (mouse->position().toPoint() - pressPos_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                pressed_ = false;
                startDrag();
                return true;
            }
            return false;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData() != nullptr && canDrop(*drag->mimeData())) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData() != nullptr && dropData(*drop->mimeData())) {
                drop->acceptProposedAction();
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            return false;
    }
}

bool OvTreeController::keyEvent(QKeyEvent* event) {
    int col = 0, row = 0;
    if (!tree_.SSGetActiveCell(col, row) || row < 1 || row > tree_.getMaxRows()) {
        return false;
    }
    int target = row;
    switch (event->key()) {
        case Qt::Key_Left:
            target = tree_.onKeyLeft(row);
            break;
        case Qt::Key_Right:
            target = tree_.onKeyRight(row);
            break;
        case Qt::Key_Space:
            if (!isMarkCell(col, row)) {
                return false;
            }
            tree_.toggleRow(row);
            break;
        default:
            return false;
    }
    tree_.SSSetActiveCell(col, target);
    afterChange();
    return true;
}

bool OvTreeController::eventFilter(QObject* watched, QEvent* event) {
    if (!view_ || !tree_.isTree()) {
        return false;
    }
    if (watched == view_->viewport()) {
        return viewportEvent(event);
    }
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        return keyEvent(static_cast<QKeyEvent*>(event));
    }
    return false;
}

}  // namespace ovui::spread
