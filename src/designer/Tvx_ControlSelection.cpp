// Tvx_ControlSelection.cpp - registration, selection and the click and rubber-band rules.
#include "designer/Tvx_ControlSelection.h"

#include <algorithm>

DesignerRect DesignerRect::normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

void Tvx_ControlSelection::registerControl(int id) {
    if (std::find(registered_.begin(), registered_.end(), id) == registered_.end()) {
        registered_.push_back(id);
    }
}

void Tvx_ControlSelection::unregisterControl(int id) {
    std::erase(registered_, id);
    std::erase(selected_, id);
}

void Tvx_ControlSelection::unregisterAll() {
    registered_.clear();
    selected_.clear();
}

int Tvx_ControlSelection::singleSelection() const {
    return selected_.size() == 1 ? selected_.front() : -1;
}

bool Tvx_ControlSelection::isSelected(int id) const {
    return std::find(selected_.begin(), selected_.end(), id) != selected_.end();
}

bool Tvx_ControlSelection::select(int id, bool clearFirst) {
    if (std::find(registered_.begin(), registered_.end(), id) == registered_.end()) {
        return false;
    }
    if (clearFirst) {
        selected_.clear();
    }
    if (!isSelected(id)) {
        selected_.push_back(id);
    }
    return true;
}

void Tvx_ControlSelection::deselect(int id) {
    std::erase(selected_, id);
}

Tvx_ControlSelection::ClickResult Tvx_ControlSelection::click(int id, bool ctrl, bool shift,
                                                              bool onHandle) {
    if (ctrl) {
        if (isSelected(id)) {
            deselect(id);
        } else {
            select(id, false);
        }
        return ClickResult::None;
    }
    if (shift) {
        select(id, false);
        return ClickResult::None;
    }
    select(id, !isSelected(id));
    return onHandle ? ClickResult::Resize : ClickResult::Move;
}

bool Tvx_ControlSelection::clickOutside(bool ctrl, bool shift) {
    if (ctrl || shift) {
        return false;
    }
    clear();
    return true;
}

void Tvx_ControlSelection::selectInside(const DesignerRect& band,
                                        const std::vector<DesignerRect>& rects,
                                        const std::vector<int>& ids) {
    const DesignerRect normal = band.normalized();
    for (std::size_t i = 0; i < rects.size() && i < ids.size(); ++i) {
        if (normal.contains(rects[i].normalized())) {
            select(ids[i], false);
        }
    }
}
