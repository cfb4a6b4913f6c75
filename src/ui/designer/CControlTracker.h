// CControlTracker.h - the designer's selection tracker on screen: a transparent layer over the
// designed controls that paints their outlines, the frames and eight handles of the selected
// ones and the rubber band, and turns the mouse and the arrow keys into selection, moving and
// resizing. The selection rules themselves are Tvx_ControlSelection's.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <map>

#include "designer/Tvx_DlgDesignerData.h"

class CControlTracker : public QWidget {
    Q_OBJECT

  public:
    // Handle size in pixels; handles sit outside the control's rectangle.
    static constexpr int kHandleSize = 5;

    CControlTracker(Tvx_DlgDesignerData& data, QWidget* page);

    // Handle 0..7 of `rect` (corners clockwise from the top left, then the edge middles:
    // top, right, bottom, left); -1 for none.
    static QRect handleRect(const QRect& rect, int handle);

  signals:
    // The selection changed (click, rubber band).
    void selectionChanged();
    // A drag, resize or key move ended: the controls' windows may have moved.
    void editFinished(const QString& what);
    // Delete pressed over the canvas.
    void deleteRequested();
    // A control was double-clicked (the property field can take the focus).
    void controlActivated(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Drag { None, Move, Resize, Band };

    QRect windowRect(int id) const;
    // The selected control whose handle lies under `point` (and the handle); false for none.
    bool handleAt(const QPoint& point, int& id, int& handle) const;
    // The first registered control containing `point`; -1 for none.
    int controlAt(const QPoint& point) const;
    void updateCursor(const QPoint& point);

    Tvx_DlgDesignerData& data_;
    Drag drag_ = Drag::None;
    QPoint start_;
    QPoint current_;
    int resizeId_ = -1;
    int resizeHandle_ = -1;
    std::map<int, QRect> startRects_;  // the selected windows' rectangles when the drag began
};
