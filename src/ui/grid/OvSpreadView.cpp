// OvSpreadView.cpp - the grid view's set-up and what it does with the user's input: clicks on
// check boxes and buttons, the context menu, the grid's own keys, Tab and resizing.
#include "ui/grid/OvSpreadView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>

#include "grid/GridMetrics.h"
#include "spread/Tvx_Spread.h"
#include "ui/QtText.h"
#include "ui/grid/OvCellDelegate.h"
#include "ui/grid/OvGridHeader.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/QtGridMetrics.h"

namespace ovui::grid {

namespace {

// Virtual key codes of the grid's own keys.
constexpr int kKeyF3 = 0x72;
constexpr int kKeyF5 = 0x74;
constexpr int kKeyF8 = 0x77;

int virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_F3:
            return kKeyF3;
        case Qt::Key_F5:
            return kKeyF5;
        case Qt::Key_F8:
            return kKeyF8;
        default:
            return 0;
    }
}

// The window class the spread's Tab rule recognises as its own grid.
const wchar_t* const kGridWindowClass = L"fpSpread70";

}  // namespace

OvSpreadView::OvSpreadView(Tvx_Spread* spread, QWidget* parent)
    : QTableView(parent), spread_(spread) {
    setHorizontalHeader(new OvGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new OvGridHeader(Qt::Vertical, this));
    model_ = new OvSpreadModel(spread, this);
    delegate_ = new OvCellDelegate(this);
    setModel(model_);
    setItemDelegate(delegate_);
    // The delegate draws the grid lines, so spans and borders stay clean.
    setShowGrid(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setDefaultSectionSize(ovgrid::heightToPixels(ovgrid::kDefaultRowHeight));
    // Sizes the user drags are the grid's sizes from then on.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (!applyingGrid_ && spread_ && spread_->grid()) {
                    spread_->grid()->setColWidthInPixels(section + 1, size);
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (!applyingGrid_ && spread_ && spread_->grid()) {
                    spread_->grid()->setRowHeightInPixels(section + 1, size);
                }
            });
    // Dialogs change their grids through the engine without telling the view: a shown view
    // follows its grid a few times a second (only what changed is re-applied).
    followTimer_.setInterval(kFollowIntervalMs);
    connect(&followTimer_, &QTimer::timeout, this, &OvSpreadView::refresh);
    connect(delegate_, &OvCellDelegate::checkToggled, this, &OvSpreadView::onCheckToggled);
    connect(delegate_, &OvCellDelegate::buttonClicked, this, &OvSpreadView::onButtonClicked);
    if (spread_ && spread_->grid()) {
        spread_->grid()->setMetrics(&qtGridMetrics());
    }
    refresh();
}

// The metrics stay installed: they outlive every grid.
OvSpreadView::~OvSpreadView() = default;

void OvSpreadView::detach() {
    if (!spread_) {
        return;
    }
    // The model's reset drops an open editor without writing it into the grid.
    spread_ = nullptr;
    model_->setSpread(nullptr);
    synced_ = Synced{};
    followTimer_.stop();
}

void OvSpreadView::notifyCell(int code, int col, int row) {
    ovgrid::Grid* grid = spread_ ? spread_->grid() : nullptr;
    if (!grid) {
        return;
    }
    grid->setNotificationCell(col, row);
    // The clicked cell is the active one, as the linked-column rule expects.
    grid->setActiveCell(col, row);
    spread_->onGridNotify(code);
    QPointer<OvSpreadView> alive(this);
    emit gridNotify(code, col, row);
    if (alive) {
        refresh();
    }
}

void OvSpreadView::onCheckToggled(const QModelIndex& index) {
    notifyCell(kNotifyCheckBox, index.column() + 1, index.row() + 1);
}

void OvSpreadView::onButtonClicked(const QModelIndex& index) {
    notifyCell(kNotifyButton, index.column() + 1, index.row() + 1);
}

void OvSpreadView::fillContextMenu(QMenu& menu) {
    if (!spread_) {
        return;
    }
    for (const Tvx_Spread::MenuEntry& entry : spread_->contextMenu()) {
        if (entry.code == Tvx_Spread::kMenuSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(toQt(entry.text));
        const int commandId = entry.commandId;
        action->setData(commandId);
        connect(action, &QAction::triggered, this,
                [this, commandId] { runMenuCommand(commandId); });
    }
}

bool OvSpreadView::runMenuCommand(int commandId) {
    if (!spread_) {
        return false;
    }
    const bool done = spread_->onCommand(commandId);
    refresh();
    return done;
}

void OvSpreadView::showContextMenu(const QPoint& globalPos) {
    if (!spread_ || !spread_->hasContextMenu()) {
        return;
    }
    QMenu menu(this);
    fillContextMenu(menu);
    menu.exec(globalPos);
}

void OvSpreadView::mousePressEvent(QMouseEvent* event) {
    // The popup comes first; then the grid handles the press as usual.
    if (event->button() == Qt::RightButton) {
        QPointer<OvSpreadView> alive(this);
        showContextMenu(event->globalPosition().toPoint());
        if (!alive) {
            return;
        }
    }
    QTableView::mousePressEvent(event);
}

void OvSpreadView::contextMenuEvent(QContextMenuEvent* event) {
    // Mouse requests were served on the press; the keyboard's menu key opens it here.
    if (event->reason() != QContextMenuEvent::Mouse) {
        showContextMenu(event->globalPos());
    }
    event->accept();
}

void OvSpreadView::keyPressEvent(QKeyEvent* event) {
    const int key = virtualKey(event->key());
    if (key != 0 && spread_ && spread_->preTranslateKeyDown(key)) {
        refresh();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool OvSpreadView::focusNextPrevChild(bool next) {
    if (spread_ && spread_->keyboardLeave(!next, isVisible(), kGridWindowClass) != 0) {
        return QWidget::focusNextPrevChild(next);
    }
    return QTableView::focusNextPrevChild(next);
}

void OvSpreadView::focusInEvent(QFocusEvent* event) {
    // Entering with Tab lands on the first free cell, with Shift+Tab on the last.
    if (spread_ && event->reason() == Qt::TabFocusReason) {
        spread_->focusFirstFreeCell();
        syncSelectionFromGrid();
    } else if (spread_ && event->reason() == Qt::BacktabFocusReason) {
        spread_->focusLastFreeCell();
        syncSelectionFromGrid();
    }
    QTableView::focusInEvent(event);
}

void OvSpreadView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateClientSize();
}

void OvSpreadView::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    updateClientSize();
    if (spread_) {
        followTimer_.start();
    }
}

void OvSpreadView::hideEvent(QHideEvent* event) {
    followTimer_.stop();
    QTableView::hideEvent(event);
}

void OvSpreadView::updateClientSize() {
    ovgrid::Grid* grid = spread_ ? spread_->grid() : nullptr;
    if (!grid) {
        return;
    }
    const QScrollBar* vertical = verticalScrollBar();
    const QScrollBar* horizontal = horizontalScrollBar();
    grid->setScrollBarSize(vertical->isVisible() ? vertical->width() : 0,
                           horizontal->isVisible() ? horizontal->height() : 0);
    // The client area holds the headers, the cells and the scroll bars, inside the frame.
    const QRect area = contentsRect();
    spread_->setClientSize(area.width(), area.height());
    // The fit changed the sizes; anything else pending in the grid comes along.
    refresh();
}

bool OvSpreadView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened && spread_ && spread_->grid() && state() == EditingState) {
        spread_->grid()->setEditMode(true);
    }
    return opened;
}

void OvSpreadView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (spread_ && spread_->grid()) {
        spread_->grid()->setEditMode(false);
    }
    QTableView::closeEditor(editor, hint);
}

void OvSpreadView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (applyingGrid_ || !spread_ || !spread_->grid() || !current.isValid()) {
        return;
    }
    if (spread_->grid()->setActiveCell(current.column() + 1, current.row() + 1)) {
        synced_.activeCol = current.column() + 1;
        synced_.activeRow = current.row() + 1;
    }
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void OvSpreadView::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    if (!applyingGrid_) {
        writeSelectionToGrid();
    }
}

}  // namespace ovui::grid
