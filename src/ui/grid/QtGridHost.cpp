// QtGridHost.cpp - putting a grid view in place of a placeholder widget.
#include "ui/grid/QtGridHost.h"

#include <QLayout>

#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/OvSpreadView.h"

namespace ovui::grid {

namespace {

ovgrid::Rect screenRect(const QWidget& widget) {
    const QPoint topLeft = widget.mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), topLeft.x() + widget.width(), topLeft.y() + widget.height()};
}

}  // namespace

QtGridHost::QtGridHost(QWidget* dialog, std::map<int, QWidget*> placeholders) : dialog_(dialog) {
    for (const auto& [id, widget] : placeholders) {
        addPlaceholder(id, widget);
    }
}

QtGridHost::~QtGridHost() {
    for (auto& [id, view] : views_) {
        if (view) {
            view->detach();
        }
    }
}

void QtGridHost::addPlaceholder(int controlId, QWidget* widget) {
    if (widget) {
        placeholders_[controlId] = widget;
    }
}

QWidget* QtGridHost::placeholder(int controlId) const {
    if (auto it = placeholders_.find(controlId); it != placeholders_.end() && it->second) {
        return it->second;
    }
    if (auto* dialog = qobject_cast<OvDialog*>(dialog_.data())) {
        QWidget* widget = dialog->item(controlId);
        // A grid view already in place is not a placeholder.
        if (widget && !qobject_cast<OvSpreadView*>(widget)) {
            return widget;
        }
    }
    return nullptr;
}

bool QtGridHost::hasControl(int controlId) const {
    return dialog_ && placeholder(controlId) != nullptr;
}

bool QtGridHost::controlWindowRect(int controlId, ovgrid::Rect& rect) const {
    const QWidget* widget = placeholder(controlId);
    if (!widget) {
        return false;
    }
    rect = screenRect(*widget);
    return true;
}

// The dialog's client area: a placeholder's rectangle relative to it is its place in the dialog.
ovgrid::Rect QtGridHost::windowRect() const {
    return dialog_ ? screenRect(*dialog_) : ovgrid::Rect{};
}

void QtGridHost::destroyControl(int controlId) {
    QWidget* widget = placeholder(controlId);
    if (!widget) {
        return;
    }
    // Kept (hidden) until attachGrid, which needs its parent and its place in a layout.
    if (removed_) {
        removed_->deleteLater();
    }
    widget->hide();
    removed_ = widget;
    removedId_ = controlId;
    placeholders_.erase(controlId);
}

bool QtGridHost::attachGrid(Tvx_Spread& spread, int controlId, const ovgrid::Rect& rect) {
    if (!dialog_ || !spread.grid()) {
        return false;
    }
    QWidget* old = removedId_ == controlId ? removed_.data() : nullptr;
    QWidget* parent = old && old->parentWidget() ? old->parentWidget() : dialog_.data();
    auto* view = new OvSpreadView(&spread, parent);
    view->setProperty("ovControlId", controlId);

    QLayout* layout = parent->layout();
    QLayoutItem* replaced = old && layout ? layout->replaceWidget(old, view) : nullptr;
    if (replaced) {
        delete replaced;
    } else {
        // Not in a layout: the rectangle is relative to the dialog; map it into the parent.
        const QPoint topLeft = parent->mapFrom(dialog_.data(), QPoint(rect.left, rect.top));
        view->setGeometry(topLeft.x(), topLeft.y(), rect.right - rect.left, rect.bottom - rect.top);
    }
    if (old) {
        view->setSizePolicy(old->sizePolicy());
        view->setMinimumSize(old->minimumSize());
        old->deleteLater();
        removed_ = nullptr;
        removedId_ = 0;
    }
    if (auto* dialog = qobject_cast<OvDialog*>(dialog_.data())) {
        dialog->addControl(controlId, view);
    }
    views_[controlId] = view;
    view->show();

    ovgrid::Grid* grid = spread.grid();
    grid->setClientRect({0, 0, rect.right - rect.left, rect.bottom - rect.top});
    grid->setOwner(notificationOwner());
    return true;
}

std::intptr_t QtGridHost::notificationOwner() const {
    return reinterpret_cast<std::intptr_t>(dialog_.data());
}

OvSpreadView* QtGridHost::view(int controlId) const {
    auto it = views_.find(controlId);
    return it == views_.end() ? nullptr : it->second.data();
}

}  // namespace ovui::grid
