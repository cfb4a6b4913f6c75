// ArrayDetailRules.cpp - alternation items and the stored form of the array dialog.
#include "macrodlg/detail/ArrayDetailRules.h"

#include <algorithm>

#include "core/Texts.h"

namespace {
constexpr int kSideNone = 2;
constexpr int kStepNone = 4;
}  // namespace

Tvx_StringArray arraySideItems() {
    return {dialString(1071), dialString(1072), dialString(695)};
}

Tvx_StringArray arrayStepItems() {
    return {dialString(1071), dialString(1072), dialString(1073), dialString(1074),
            dialString(695)};
}

int arraySideToItem(int value) {
    return value >= 0 && value < kSideNone ? value : kSideNone;
}

int arraySideFromItem(int item) {
    return item >= 0 && item < kSideNone ? item : -1;
}

int arrayStepToItem(int value) {
    return value >= 0 && value < kStepNone ? value : kStepNone;
}

int arrayStepFromItem(int item) {
    return item >= 0 && item < kStepNone ? item : -1;
}

void storeArrayDetails(DynArrayData& data, const DynArrayDetails& edited) {
    data.details = edited;
    data.details.skip = std::max(edited.skip, 0);
    data.details.alternateSide = arraySideFromItem(arraySideToItem(edited.alternateSide));
    data.details.alternateStep = arrayStepFromItem(arrayStepToItem(edited.alternateStep));
    data.entries.removeAll();
    for (Tvx_StringArray& row : data.details.rows) {
        row.setLogicalLength(DynArrayDetails::kColumns);
        data.entries.append(row[0]);
    }
}
