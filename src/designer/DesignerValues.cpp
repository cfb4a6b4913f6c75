// DesignerValues.cpp - the values of designed controls by type (index combo, check box, the
// list buttons, texts), read-only variable fields, the flex-button groups and the position
// listing.
#include "core/Texts.h"
#include "designer/Tvx_DlgDesignerData.h"
#include "host/HostServices.h"

namespace {

constexpr int kUndefinedText = 695;

bool isVariableField(Tvx_ControlType type) {
    return type == DesignerType::kVariableEdit || type == DesignerType::kVariableCombo;
}

}  // namespace

bool Tvx_DlgDesignerData::getCtrlValue(const int& id, Tvx_String& value) const {
    const int index = drawnIndexOf(id);
    Tvx_ControlWindow* window = getDrawnControl(index);
    const Tvx_DesignerControl* control = getControl(index);
    if (window == nullptr || control == nullptr) {
        return false;
    }
    switch (control->type) {
        case DesignerType::kIndexCombo:
            value = Tvx_String::fromInt(window->selectedIndex());
            break;
        case DesignerType::kCheckBox: {
            const int state = window->checkState();
            value = state == kCtrlIndeterminate ? dialString(kUndefinedText)
                                                : Tvx_String(state == kCtrlChecked ? L"1" : L"0");
            break;
        }
        default:
            value = window->text();
            break;
    }
    return true;
}

bool Tvx_DlgDesignerData::setCtrlValue(const int& id, const Tvx_String& value) {
    const int index = drawnIndexOf(id);
    Tvx_ControlWindow* window = getDrawnControl(index);
    if (window == nullptr) {
        return false;
    }
    const Tvx_DesignerControl* control = getControl(index);
    const Tvx_ControlType type = control != nullptr ? control->type : -1;
    if (type == DesignerType::kIndexCombo) {
        window->setSelectedIndex(value.toInt());
    } else if (type == DesignerType::kCheckBox) {
        if (value == dialString(kUndefinedText)) {
            window->setCheckState(kCtrlIndeterminate, true);
        } else {
            // Text that is no number reads as 0: unchecked.
            window->setCheckState(value.toDouble() > 0.0 ? kCtrlChecked : kCtrlUnchecked, false);
        }
    } else if (!hasButtonList(type)) {
        window->setText(value);
    }
    return true;
}

bool Tvx_DlgDesignerData::setCtrlReadOnly(const int& id, const bool& readOnly) {
    const Tvx_DesignerControl* control = getControlFromRes(id);
    Tvx_ControlWindow* window = getCtrlPtr(id);
    if (control == nullptr || window == nullptr || m_dialog == nullptr ||
        !isVariableField(control->type)) {
        return false;
    }
    window->setEnabled(!readOnly);
    return true;
}

bool Tvx_DlgDesignerData::findEditCtrlWithContents(const Tvx_String& contents, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        if (isVariableField(m_controls[i].type) && m_controls[i].contents.equal(contents, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Tvx_DlgDesignerData::isTypeBoltCount(const int& id) const {
    const Tvx_DesignerControl* control = getControlFromRes(id);
    return control != nullptr && (control->type == DesignerType::kBoltCount1 ||
                                  control->type == DesignerType::kBoltCount2);
}

bool Tvx_DlgDesignerData::getFlexBtnsInGroup(const Tvx_String& group, Tvx_Array<int>& all,
                                             Tvx_Array<int>& withThirdPart) const {
    all.removeAll();
    withThirdPart.removeAll();
    if (group.isEmpty()) {
        return true;
    }
    for (int i = 0; i < getNrControls(); ++i) {
        const Tvx_DesignerControl& control = m_controls[i];
        if (control.type == DesignerType::kFlexButton && control.flexGroup.equal(group, false)) {
            all.append(i);
            if (!control.flexPart3.isEmpty()) {
                withThirdPart.append(i);
            }
        }
    }
    return true;
}

void Tvx_DlgDesignerData::getFlexBtnsGroups(Tvx_StringArray& groups) const {
    for (const Tvx_DesignerControl& control : m_controls) {
        if (control.type == DesignerType::kFlexButton &&
            !groups.contains(control.flexGroup, false)) {
            groups.append(control.flexGroup);
        }
    }
}

bool Tvx_DlgDesignerData::findFlexButton(const Tvx_String& group, const Tvx_String& name,
                                         int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        const Tvx_DesignerControl& control = m_controls[i];
        if (control.type == DesignerType::kFlexButton && control.flexGroup.equal(group, false) &&
            control.contents.equal(name, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Tvx_DlgDesignerData::getAllFlexVarsOfGroup(const Tvx_String& group,
                                                Tvx_StringArray& names) const {
    for (const Tvx_DesignerControl& control : m_controls) {
        if (control.type == DesignerType::kFlexButton && control.flexGroup.equal(group, false)) {
            names.append(control.contents);
        }
    }
    return true;
}

bool Tvx_DlgDesignerData::getFlexBtnGroupName(const int& id, Tvx_String& group,
                                              Tvx_String& name) const {
    const Tvx_DesignerControl* control = getControlFromRes(id);
    if (control == nullptr || control->type != DesignerType::kFlexButton) {
        return false;
    }
    group = control->flexGroup;
    name = control->contents;
    return true;
}

bool Tvx_DlgDesignerData::getFlexBtnStatus(const int& index, int& state) const {
    const Tvx_DesignerControl* control = getControl(index);
    Tvx_ControlWindow* window = getDrawnControl(index);
    if (control == nullptr || window == nullptr || control->type != DesignerType::kFlexButton) {
        return false;
    }
    state = window->checkState();
    return true;
}

bool Tvx_DlgDesignerData::getSetFlexBtnStatus(const bool& set, const int& index, int& state) {
    if (!set) {
        return getFlexBtnStatus(index, state);
    }
    const Tvx_DesignerControl* control = getControl(index);
    Tvx_ControlWindow* window = getDrawnControl(index);
    if (control == nullptr || window == nullptr || control->type != DesignerType::kFlexButton) {
        return false;
    }
    if (state == kCtrlIndeterminate) {
        state = kCtrlUnchecked;  // a flex button has no third state
    }
    window->setCheckState(state, false);
    return true;
}

bool Tvx_DlgDesignerData::setFlexBtnStatus(const Tvx_String& group, const Tvx_String& name,
                                           const int& state) {
    int index = -1;
    if (!findFlexButton(group, name, index)) {
        return false;
    }
    int newState = state;
    return getSetFlexBtnStatus(true, index, newState);
}

bool Tvx_DlgDesignerData::hideAllFlexBtns(const Tvx_String& group) {
    Tvx_Array<int> all;
    Tvx_Array<int> withThirdPart;
    getFlexBtnsInGroup(group, all, withThirdPart);
    for (int index : all) {
        if (Tvx_ControlWindow* window = getDrawnControl(index)) {
            window->setVisible(false);
        }
    }
    return true;
}

void Tvx_DlgDesignerData::printPositions() const {
    for (const Tvx_DesignerControl& control : m_controls) {
        acutPrintf(L"**** Control %s ****\n", control.contents.c_str());
        acutPrintf(L"Left: %f - Right: %f\n", control.topLeftX, control.bottomRightX);
        acutPrintf(L"Top: %f - Bottom: %f\n", control.topLeftY, control.bottomRightY);
    }
    acutPrintf(L"********\n");
}
