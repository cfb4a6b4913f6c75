// TreeMarks.cpp - drawing the tree marks.
#include "ui/resources/TreeMarks.h"

#include <QPainter>

#include "core/resources/ModuleBitmaps.h"

namespace ovui {

namespace {

const QColor kLineColour(128, 128, 128);
const QColor kBoxColour(90, 90, 90);
const QColor kSignColour(20, 40, 110);
const QColor kLeafColour(60, 140, 70);

enum class Box { None, Closed, Open };

struct MarkShape {
    bool lineUp = false;     // from the top edge to the centre
    bool lineDown = false;   // from the centre to the bottom edge
    bool lineRight = false;  // from the centre to the right edge
    Box box = Box::None;
    bool leaf = false;
};

MarkShape shapeOf(int id) {
    using namespace ovres;
    switch (id) {
        case kTreeFirstClosed:
            return {false, true, false, Box::Closed, false};
        case kTreeFirstOpen:
            return {false, true, false, Box::Open, false};
        case kTreeMiddleClosed:
            return {true, true, false, Box::Closed, false};
        case kTreeMiddleOpen:
            return {true, true, false, Box::Open, false};
        case kTreeLastClosed:
            return {true, false, false, Box::Closed, false};
        case kTreeLastOpen:
            return {true, false, false, Box::Open, false};
        case kTreeBranch:
            return {true, true, true, Box::None, true};
        case kTreeLastLeaf:
            return {true, false, true, Box::None, true};
        case kTreeLine:
            return {true, true, false, Box::None, false};
        default:
            return {};
    }
}

}  // namespace

bool isTreeMarkBitmap(int resourceId) {
    return resourceId >= ovres::kTreeFirstOpen && resourceId <= ovres::kTreeMiddleOpen &&
           resourceId != 273;
}

void paintTreeMark(QPainter& painter, const QRect& cell, int resourceId) {
    if (!isTreeMarkBitmap(resourceId) || cell.isEmpty()) {
        return;
    }
    const MarkShape shape = shapeOf(resourceId);
    const QPointF centre(cell.left() + cell.width() / 2.0, cell.top() + cell.height() / 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen dotted(kLineColour, 1, Qt::DotLine);
    painter.setPen(dotted);
    if (shape.lineUp) {
        painter.drawLine(QPointF(centre.x(), cell.top()), centre);
    }
    if (shape.lineDown) {
        painter.drawLine(centre, QPointF(centre.x(), cell.bottom() + 1));
    }
    if (shape.lineRight) {
        painter.drawLine(centre, QPointF(cell.right() + 1, centre.y()));
    }
    if (shape.leaf) {
        // A small leaf where the branch meets the item.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLeafColour);
        painter.drawEllipse(QPointF(cell.right() - 3.0, centre.y()), 2.5, 2.5);
    }
    if (shape.box != Box::None) {
        const qreal half = 4.5;
        const QRectF box(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
        painter.setPen(QPen(kBoxColour, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(box);
        painter.setPen(QPen(kSignColour, 1.4));
        painter.drawLine(QPointF(box.left() + 2, centre.y()), QPointF(box.right() - 2, centre.y()));
        if (shape.box == Box::Closed) {
            painter.drawLine(QPointF(centre.x(), box.top() + 2),
                             QPointF(centre.x(), box.bottom() - 2));
        }
    }
    painter.restore();
}

QPixmap treeMarkPixmap(int resourceId) {
    QPixmap pixmap(20, 18);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    paintTreeMark(painter, pixmap.rect(), resourceId);
    return pixmap;
}

}  // namespace ovui
