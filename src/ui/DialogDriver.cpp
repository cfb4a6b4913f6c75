// DialogDriver.cpp - the queue of scripted dialog actions.
#include "ui/DialogDriver.h"

#include <QPointer>
#include <QTimer>
#include <deque>

#include "ui/OvDialog.h"

namespace ovui {

namespace {

struct DriverState {
    std::deque<DialogAction> actions;
    bool unattended = false;
    QStringList opened;
    QStringList leftOpen;
};

DriverState& state() {
    static DriverState instance;
    return instance;
}

void cancelIfOpen(QPointer<OvDialog> dialog) {
    if (dialog && dialog->isRunning()) {
        state().leftOpen.append(QString::fromLatin1(dialog->metaObject()->className()));
        dialog->EndDialog(IDCANCEL);
    }
}

}  // namespace

void DialogDriver::push(DialogAction action) {
    state().actions.push_back(std::move(action));
}

int DialogDriver::pending() {
    return static_cast<int>(state().actions.size());
}

void DialogDriver::clear() {
    state().actions.clear();
    state().opened.clear();
    state().leftOpen.clear();
}

void DialogDriver::setUnattended(bool on) {
    state().unattended = on;
}

bool DialogDriver::unattended() {
    return state().unattended;
}

const QStringList& DialogDriver::opened() {
    return state().opened;
}

const QStringList& DialogDriver::leftOpen() {
    return state().leftOpen;
}

void DialogDriver::attach(OvDialog& dialog) {
    DriverState& s = state();
    s.opened.append(QString::fromLatin1(dialog.metaObject()->className()));
    DialogAction action;
    if (!s.actions.empty()) {
        action = std::move(s.actions.front());
        s.actions.pop_front();
    }
    if (!action && !s.unattended) {
        return;
    }
    QPointer<OvDialog> guard(&dialog);
    QTimer::singleShot(0, &dialog, [guard, action = std::move(action)]() {
        if (guard && action) {
            action(*guard);
        }
        if (state().unattended) {
            cancelIfOpen(guard);
        }
    });
}

}  // namespace ovui
