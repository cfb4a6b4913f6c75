// OvTriStateCheckBox.cpp - the three-state check box.
#include "ui/controls/OvTriStateCheckBox.h"

OvTriStateCheckBox::OvTriStateCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {}

void OvTriStateCheckBox::setState(int state) {
    setTristate(state == 2);
    setCheckState(state == 0 ? Qt::Unchecked : state == 2 ? Qt::PartiallyChecked : Qt::Checked);
}

int OvTriStateCheckBox::state() const {
    switch (checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 1;
    }
}

void OvTriStateCheckBox::nextCheckState() {
    // From mixed a click goes to on; after that the box toggles between on and off only.
    const bool wasMixed = checkState() == Qt::PartiallyChecked;
    setTristate(false);
    setCheckState(wasMixed || checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}
