// MacroDlgSlots.h - the numbered slots of the open modeless macro dialogs. A new dialog takes
// the highest-numbered empty slot, or a new slot at the end; emptying the last slot drops every
// empty slot at the end, so the numbers stay small while dialogs come and go.
#pragma once

#include <vector>

template <class Dialog>
class MacroDlgSlots {
  public:
    // The slot a new dialog takes (appended when every slot is used); it is then reserved.
    int reserve() {
        for (int i = static_cast<int>(slots_.size()) - 1; i >= 0; --i) {
            if (slots_[i] == nullptr) {
                return i;
            }
        }
        slots_.push_back(nullptr);
        return static_cast<int>(slots_.size()) - 1;
    }
    void put(int slot, Dialog* dialog) {
        if (isValid(slot)) {
            slots_[slot] = dialog;
        }
    }
    // Null for an empty slot or one out of range.
    Dialog* at(int slot) const { return isValid(slot) ? slots_[slot] : nullptr; }
    // Empties the slot; false when it was empty or out of range.
    bool release(int slot) {
        if (at(slot) == nullptr) {
            return false;
        }
        slots_[slot] = nullptr;
        if (slot == static_cast<int>(slots_.size()) - 1) {
            while (!slots_.empty() && slots_.back() == nullptr) {
                slots_.pop_back();
            }
        }
        return true;
    }
    // Drops a reserved slot that never got a dialog (a failed start).
    void unreserve(int slot) {
        if (isValid(slot) && slots_[slot] == nullptr && slot == size() - 1) {
            slots_.pop_back();
        }
    }
    int size() const { return static_cast<int>(slots_.size()); }

  private:
    bool isValid(int slot) const { return slot >= 0 && slot < size(); }
    std::vector<Dialog*> slots_;
};
