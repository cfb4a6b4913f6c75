// DesignerTabOrder.cpp - the keyboard order of a designed dialog (rows from the top, left to
// right within a row), Tab and Shift+Tab between the designed controls, and focus.
#include "core/NumberHelpers.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

// Tops are fractions; every valid top lies below this start value.
constexpr double kTopStart = 100.0;

bool takesTabOrder(const Tvx_DesignerControl& control) {
    return !control.disabled && control.type != DesignerType::kLabel &&
           control.type != DesignerType::kGroupBox;
}

}  // namespace

void Tvx_DlgDesignerData::sortAllControls() {
    Tvx_Array<int> candidates;
    for (int i = 0; i < getNrControls(); ++i) {
        if (takesTabOrder(m_controls[i])) {
            candidates.append(i);
        }
    }
    int nextOrder = 1;
    while (!candidates.isEmpty()) {
        const int before = candidates.length();
        sortNextRow(candidates, nextOrder);
        if (candidates.length() == before) {
            break;  // a top beyond the start value: the rest cannot be ordered
        }
    }
}

void Tvx_DlgDesignerData::sortNextRow(Tvx_Array<int>& candidates, int& nextOrder) {
    int top = -1;
    double topY = kTopStart;
    for (int index : candidates) {
        if (m_controls[index].topLeftY < topY) {
            topY = m_controls[index].topLeftY;
            top = index;
        }
    }
    if (top < 0) {
        return;
    }
    const double rowBottom = m_controls[top].bottomRightY;
    Tvx_Array<double> lefts;
    Tvx_Array<int> row;
    Tvx_Array<int> rest;
    for (int index : candidates) {
        if (m_controls[index].topLeftY <= rowBottom) {
            lefts.append(m_controls[index].topLeftX);
            row.append(index);
        } else {
            rest.append(index);
        }
    }
    candidates = rest;
    Tvx_Array<int> positions;
    ObjectExportSort(lefts, positions);  // stable: equal left edges keep the control order
    for (int position : positions) {
        m_controls[row[position]].tabOrder = nextOrder++;
    }
}

bool Tvx_DlgDesignerData::findCtrlWithTabOrder(const int& order, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        if (m_controls[i].tabOrder == order) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Tvx_DlgDesignerData::containsEditableCtrls() const {
    for (const Tvx_DesignerControl& control : m_controls) {
        if (!control.disabled) {
            return true;
        }
    }
    return false;
}

bool Tvx_DlgDesignerData::handleTabKey(unsigned key, Tvx_TabMsgHandle& result) {
    const bool shift = m_dialog != nullptr && m_dialog->isShiftDown();
    return handleTabKey(key, shift, result);
}

bool Tvx_DlgDesignerData::handleTabKey(unsigned key, bool shift, Tvx_TabMsgHandle& result) {
    result = kTabNotHandled;
    if (key != kVirtualKeyTab || !m_initialized || !containsEditableCtrls()) {
        return false;
    }
    int id = 0;
    int focused = -1;
    if (!getFocusedDynControl(id) || !findCtrlFromResource(id, focused)) {
        return false;
    }
    const int order = m_controls[focused].tabOrder;
    int target = -1;
    if (shift) {
        if (order <= 1 || !findCtrlWithTabOrder(order - 1, target)) {
            result = kTabBackFromFirst;
            return true;
        }
    } else if (!findCtrlWithTabOrder(order + 1, target)) {
        result = kTabForwardFromLast;
        return true;
    }
    setFocusToCtrl(target);
    result = kTabMovedFocus;
    return true;
}

bool Tvx_DlgDesignerData::setFocusToCtrl(const int& index) {
    Tvx_ControlWindow* window = getDrawnControl(index);
    if (window == nullptr) {
        return false;
    }
    window->setFocus();
    return true;
}

bool Tvx_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls()) {
        return false;
    }
    int index = -1;
    if (first) {
        return findCtrlWithTabOrder(1, index) && setFocusToCtrl(index);
    }
    int highest = 0;
    for (int i = 0; i < getNrControls(); ++i) {
        if (m_controls[i].tabOrder > highest) {
            highest = m_controls[i].tabOrder;
            index = i;
        }
    }
    if (index >= 0) {
        setFocusToCtrl(index);
    }
    return true;
}

bool Tvx_DlgDesignerData::getFocusedDynControl(int& id) const {
    id = m_dialog != nullptr ? m_dialog->focusedWindowId() : 0;
    return isADynControl(id);
}

bool Tvx_DlgDesignerData::isADynControl(const int& id) const {
    return getCtrlPtr(id) != nullptr;
}

bool Tvx_DlgDesignerData::getDynControlType(const int& id, Tvx_ControlType& type) const {
    const Tvx_DesignerControl* control = getControlFromRes(id);
    if (control == nullptr) {
        return false;
    }
    type = control->type;
    return true;
}
