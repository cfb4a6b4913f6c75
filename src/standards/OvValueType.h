// OvValueType.h - the value type of a standards-spreadsheet variable, named by the keyword that
// declares it ("Int", "Double", "String"). Mapped macro objects carry one too, so that only
// variables of a fitting type are bound to them.
#pragma once

#include <cstdint>

enum OvValueType : std::int32_t {
    OvValueInt = 0,
    OvValueDouble = 1,
    OvValueString = 2,
};

// Int and Double hold numbers; String holds text.
inline bool isNumericValueType(OvValueType type) {
    return type == OvValueInt || type == OvValueDouble;
}
