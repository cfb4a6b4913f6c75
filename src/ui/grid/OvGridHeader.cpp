// OvGridHeader.cpp - painting grid headers.
#include "ui/grid/OvGridHeader.h"

#include <QAbstractItemView>
#include <QPainter>

#include "grid/Grid.h"
#include "ui/grid/GridLook.h"
#include "ui/grid/OvSpreadModel.h"

namespace ovui::grid {

OvGridHeader::OvGridHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setSectionsClickable(true);
    setHighlightSections(true);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignCenter);
    // Beyond the last section the header shows the grey of the area outside the cells.
    QPalette colours = palette();
    colours.setColor(QPalette::Button, QColor(0xE6, 0xE6, 0xE6));
    colours.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xE6));
    setPalette(colours);
}

bool OvGridHeader::isCurrentSection(int logicalIndex) const {
    auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
    if (!view || !view->currentIndex().isValid()) {
        return false;
    }
    const QModelIndex current = view->currentIndex();
    return (orientation() == Qt::Horizontal ? current.column() : current.row()) == logicalIndex;
}

bool OvGridHeader::spanRect(int logicalIndex, const QRect& sectionRect, QRect& out,
                            int& anchor) const {
    auto* spreadModel = qobject_cast<const OvSpreadModel*>(model());
    const ovgrid::Grid* grid = spreadModel ? spreadModel->grid() : nullptr;
    if (!grid) {
        return false;
    }
    const bool horizontal = orientation() == Qt::Horizontal;
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    const int col = horizontal ? logicalIndex + 1 : ovgrid::HEADER;
    const int row = horizontal ? ovgrid::HEADER : logicalIndex + 1;
    if (!grid->getCellSpan(col, row, anchorCol, anchorRow, cols, rows)) {
        return false;
    }
    const int first = (horizontal ? anchorCol : anchorRow) - 1;
    const int length = horizontal ? cols : rows;
    if (first < 0 || length < 2) {
        return false;
    }
    int size = 0;
    for (int i = first; i < first + length && i < count(); ++i) {
        size += isSectionHidden(i) ? 0 : sectionSize(i);
    }
    const int start = sectionViewportPosition(first);
    out = horizontal ? QRect(start, sectionRect.top(), size, sectionRect.height())
                     : QRect(sectionRect.left(), start, sectionRect.width(), size);
    anchor = first;
    return true;
}

void OvGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) {
        return;
    }
    QRect area = rect;
    int section = logicalIndex;
    spanRect(logicalIndex, rect, area, section);

    const QVariant background = model()->headerData(section, orientation(), Qt::BackgroundRole);
    QColor fill = background.isValid() ? background.value<QBrush>().color() : kHeaderFace;
    if (isCurrentSection(logicalIndex)) {
        fill = fill.darker(112);
    }
    painter->save();
    painter->fillRect(area, fill);
    painter->setPen(kHeaderLine);
    painter->drawLine(area.topRight(), area.bottomRight());
    painter->drawLine(area.bottomLeft(), area.bottomRight());

    const QVariant font = model()->headerData(section, orientation(), Qt::FontRole);
    if (font.isValid()) {
        painter->setFont(font.value<QFont>());
    }
    const QVariant foreground = model()->headerData(section, orientation(), Qt::ForegroundRole);
    painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color() : kCellText);
    const QString text = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
    painter->drawText(area.adjusted(3, 0, -3, 0), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter->restore();
}

}  // namespace ovui::grid
