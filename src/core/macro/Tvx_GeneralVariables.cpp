// Tvx_GeneralVariables.cpp - lookup and update of the drawing's general variables.
#include "core/macro/Tvx_GeneralVariables.h"

bool Tvx_GeneralVariables::find(const Tvx_String& name, double& value) const {
    const int index = indexOf(name);
    if (index < 0) {
        return false;
    }
    value = values_[index];
    return true;
}

bool Tvx_GeneralVariables::set(const Tvx_String& name, double value) {
    if (name.isEmpty()) {
        return false;
    }
    const int index = indexOf(name);
    if (index >= 0) {
        values_[index] = value;
    } else {
        names_.append(name);
        values_.append(value);
    }
    return true;
}

bool Tvx_GeneralVariables::remove(const Tvx_String& name) {
    const int index = indexOf(name);
    return index >= 0 && names_.removeAt(index) && values_.removeAt(index);
}

void Tvx_GeneralVariables::clear() {
    names_.removeAll();
    values_.removeAll();
}
