// CControlTracker.cpp - painting the selection and dragging it with the mouse and the keys.
#include "ui/designer/CControlTracker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kFrame(20, 90, 200);
const QColor kOutline(120, 120, 120, 150);
// How far into a group box its frame and its title catch a click.
constexpr int kGroupFrame = 6;
constexpr int kGroupTitle = 14;

QRect toQRect(const DesignerRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

DesignerRect toDesignerRect(const QRect& r) {
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

Qt::CursorShape handleCursor(int handle) {
    switch (handle) {
        case 0:
        case 2:
            return Qt::SizeFDiagCursor;
        case 1:
        case 3:
            return Qt::SizeBDiagCursor;
        case 4:
        case 6:
            return Qt::SizeVerCursor;
        case 5:
        case 7:
            return Qt::SizeHorCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

CControlTracker::CControlTracker(Tvx_DlgDesignerData& data, QWidget* page)
    : QWidget(page), data_(data) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(page->rect());
}

QRect CControlTracker::handleRect(const QRect& r, int handle) {
    const int s = kHandleSize;
    const int midX = r.left() + r.width() / 2 - s / 2;
    const int midY = r.top() + r.height() / 2 - s / 2;
    const int left = r.left() - s;
    const int top = r.top() - s;
    const int right = r.right() + 1;
    const int bottom = r.bottom() + 1;
    switch (handle) {
        case 0:
            return QRect(left, top, s, s);
        case 1:
            return QRect(right, top, s, s);
        case 2:
            return QRect(right, bottom, s, s);
        case 3:
            return QRect(left, bottom, s, s);
        case 4:
            return QRect(midX, top, s, s);
        case 5:
            return QRect(right, midY, s, s);
        case 6:
            return QRect(midX, bottom, s, s);
        case 7:
            return QRect(left, midY, s, s);
        default:
            return QRect();
    }
}

QRect CControlTracker::windowRect(int id) const {
    const Tvx_ControlWindow* window = data_.getCtrlPtr(id);
    return window != nullptr ? toQRect(window->rect()) : QRect();
}

bool CControlTracker::handleAt(const QPoint& point, int& id, int& handle) const {
    const Tvx_ControlSelection* selection = data_.getTracker();
    if (selection == nullptr) {
        return false;
    }
    for (int selected : selection->selectedIds()) {
        const QRect rect = windowRect(selected);
        for (int h = 0; h < 8; ++h) {
            // One pixel of slack makes the small handles easier to catch.
            if (handleRect(rect, h).adjusted(-1, -1, 1, 1).contains(point)) {
                id = selected;
                handle = h;
                return true;
            }
        }
    }
    return false;
}

int CControlTracker::controlAt(const QPoint& point) const {
    const Tvx_ControlSelection* selection = data_.getTracker();
    if (selection == nullptr) {
        return -1;
    }
    // Registration order: the first registered control wins where controls overlap. A group box
    // is caught by its frame and title only, so that a rubber band can start inside it and the
    // controls it frames stay in reach.
    int groupHit = -1;
    for (int id : selection->registered()) {
        const QRect rect = windowRect(id);
        if (!rect.contains(point)) {
            continue;
        }
        const Tvx_DesignerControl* control = data_.getControlFromRes(id);
        if (control != nullptr && control->type == DesignerType::kGroupBox) {
            const QRect inside =
                rect.adjusted(kGroupFrame, kGroupTitle, -kGroupFrame, -kGroupFrame);
            if (groupHit < 0 && !inside.contains(point)) {
                groupHit = id;
            }
            continue;
        }
        return id;
    }
    return groupHit;
}

void CControlTracker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Tvx_ControlSelection* selection = data_.getTracker();
    if (selection == nullptr) {
        return;
    }
    // A faint outline for every control, so that empty labels and frames can be found.
    p.setPen(QPen(kOutline, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    for (int id : selection->registered()) {
        if (!selection->isSelected(id)) {
            p.drawRect(windowRect(id).adjusted(0, 0, -1, -1).adjusted(-1, -1, 1, 1));
        }
    }
    for (int id : selection->selectedIds()) {
        const QRect rect = windowRect(id);
        p.setPen(QPen(kFrame, 1, Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect.adjusted(-1, -1, 0, 0));
        p.setBrush(kFrame);
        p.setPen(QPen(Qt::white, 1));
        for (int h = 0; h < 8; ++h) {
            p.drawRect(handleRect(rect, h).adjusted(0, 0, -1, -1));
        }
    }
    if (drag_ == Drag::Band) {
        p.setPen(QPen(kFrame, 1, Qt::DashLine));
        p.setBrush(QColor(20, 90, 200, 30));
        p.drawRect(QRect(start_, current_).normalized());
    }
}

void CControlTracker::mousePressEvent(QMouseEvent* event) {
    Tvx_ControlSelection* selection = data_.getTracker();
    if (selection == nullptr || event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    start_ = current_ = point;
    drag_ = Drag::None;

    int id = -1;
    int handle = -1;
    const bool onHandle = !ctrl && !shift && handleAt(point, id, handle);
    if (!onHandle) {
        id = controlAt(point);
    }
    if (id >= 0) {
        switch (selection->click(id, ctrl, shift, onHandle)) {
            case Tvx_ControlSelection::ClickResult::Move:
                drag_ = Drag::Move;
                break;
            case Tvx_ControlSelection::ClickResult::Resize:
                drag_ = Drag::Resize;
                resizeId_ = id;
                resizeHandle_ = handle;
                break;
            case Tvx_ControlSelection::ClickResult::None:
                break;
        }
    } else if (selection->clickOutside(ctrl, shift)) {
        drag_ = Drag::Band;
    }
    startRects_.clear();
    for (int selected : selection->selectedIds()) {
        startRects_[selected] = windowRect(selected);
    }
    update();
    emit selectionChanged();
}

void CControlTracker::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (drag_ == Drag::None) {
        updateCursor(point);
        return;
    }
    current_ = point;
    const QPoint offset = current_ - start_;
    if (drag_ == Drag::Move) {
        for (const auto& [id, rect] : startRects_) {
            if (Tvx_ControlWindow* window = data_.getCtrlPtr(id)) {
                window->setRect(toDesignerRect(rect.translated(offset)));
            }
        }
    } else if (drag_ == Drag::Resize) {
        QRect rect = startRects_[resizeId_];
        const int h = resizeHandle_;
        if (h == 0 || h == 3 || h == 7) {
            rect.setLeft(rect.left() + offset.x());
        }
        if (h == 1 || h == 2 || h == 5) {
            rect.setRight(rect.right() + offset.x());
        }
        if (h == 0 || h == 1 || h == 4) {
            rect.setTop(rect.top() + offset.y());
        }
        if (h == 2 || h == 3 || h == 6) {
            rect.setBottom(rect.bottom() + offset.y());
        }
        rect = rect.normalized();
        rect.setWidth(std::max(rect.width(), 2));
        rect.setHeight(std::max(rect.height(), 2));
        if (Tvx_ControlWindow* window = data_.getCtrlPtr(resizeId_)) {
            window->setRect(toDesignerRect(rect));
        }
    }
    update();
}

void CControlTracker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const Drag finished = drag_;
    drag_ = Drag::None;
    if (finished == Drag::Band) {
        current_ = event->position().toPoint();
        std::vector<DesignerRect> rects;
        std::vector<int> ids;
        for (int id : data_.getTracker()->registered()) {
            rects.push_back(toDesignerRect(windowRect(id)));
            ids.push_back(id);
        }
        data_.getTracker()->selectInside(toDesignerRect(QRect(start_, current_).normalized()),
                                         rects, ids);
        update();
        emit selectionChanged();
        return;
    }
    update();
    if (finished == Drag::Move && current_ != start_) {
        emit editFinished(tr("Move"));
    } else if (finished == Drag::Resize && current_ != start_) {
        emit editFinished(tr("Resize"));
    }
}

void CControlTracker::mouseDoubleClickEvent(QMouseEvent* event) {
    const int id = controlAt(event->position().toPoint());
    if (id >= 0) {
        emit controlActivated(id);
    }
}

void CControlTracker::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -step;
            break;
        case Qt::Key_Right:
            dx = step;
            break;
        case Qt::Key_Up:
            dy = -step;
            break;
        case Qt::Key_Down:
            dy = step;
            break;
        case Qt::Key_Delete:
            emit deleteRequested();
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (data_.getSelectedIds().isEmpty()) {
        return;
    }
    data_.moveCurCtrls(dx, dy);
    update();
    emit editFinished(tr("Move"));
}

void CControlTracker::updateCursor(const QPoint& point) {
    int id = -1;
    int handle = -1;
    if (handleAt(point, id, handle)) {
        setCursor(handleCursor(handle));
    } else if (const int over = controlAt(point);
               over >= 0 && data_.getTracker()->isSelected(over)) {
        setCursor(Qt::SizeAllCursor);
    } else {
        unsetCursor();
    }
}
