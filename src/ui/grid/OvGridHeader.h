// OvGridHeader.h - the row and column headers of a grid view: grey, bold, thin separating
// lines, the active row and column marked, and header cells that the grid spans over several
// columns (or rows) drawn as one.
#pragma once

#include <QHeaderView>

namespace ovui::grid {

class OvGridHeader : public QHeaderView {
    Q_OBJECT

  public:
    explicit OvGridHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    // The rectangle a header span anchored before or at `logicalIndex` covers, and the span's
    // first section; false when the section's header cell lies in no span.
    bool spanRect(int logicalIndex, const QRect& sectionRect, QRect& out, int& anchor) const;
    bool isCurrentSection(int logicalIndex) const;
};

}  // namespace ovui::grid
