// DlgCSP2Data.cpp - sets and their rows in the cutting-stock record.
#include "dialogs/cuttingstock/DlgCSP2Data.h"

#include <algorithm>

Tvx_Array<Tvx_StringArray> DlgCSP2Table::rowsOfSet(int setId) const {
    Tvx_Array<Tvx_StringArray> result;
    const int count = std::min(setIds.length(), rows.length());
    for (int i = 0; i < count; ++i) {
        if (setIds[i] == setId) {
            result.append(rows[i]);
        }
    }
    return result;
}

void DlgCSP2Table::replaceRowsOfSet(int setId, const Tvx_Array<Tvx_StringArray>& newRows) {
    // Rebuilt rather than edited in place; a caller's record with uneven lists is trimmed to the
    // rows that have a set.
    Tvx_Array<int> ids;
    Tvx_Array<Tvx_StringArray> kept;
    bool inserted = false;
    const int count = std::min(setIds.length(), rows.length());
    for (int i = 0; i < count; ++i) {
        if (setIds[i] != setId) {
            ids.append(setIds[i]);
            kept.append(rows[i]);
            continue;
        }
        if (!inserted) {
            for (int r = 0; r < newRows.length(); ++r) {
                ids.append(setId);
                kept.append(newRows[r]);
            }
            inserted = true;
        }
    }
    if (!inserted) {
        for (int r = 0; r < newRows.length(); ++r) {
            ids.append(setId);
            kept.append(newRows[r]);
        }
    }
    setIds = ids;
    rows = kept;
}

int DlgCSP2Data::addSet(const Tvx_String& name) {
    int largest = 0;
    for (int i = 0; i < setIds.length(); ++i) {
        largest = std::max(largest, setIds[i]);
    }
    setIds.append(largest + 1);
    setNames.append(name);
    return largest + 1;
}

int DlgCSP2Data::removeSet(int setId) {
    const int index = indexOfSet(setId);
    if (index < 0) {
        return -1;
    }
    for (DlgCSP2Table& table : tables) {
        table.removeSet(setId);
    }
    setIds.removeAt(index);
    setNames.removeAt(index);
    const int count = std::min(setIds.length(), setNames.length());
    if (count == 0) {
        return -1;
    }
    return setIds[std::min(index, count - 1)];
}

int DlgCSP2Data::indexOfSet(int setId) const {
    const int count = std::min(setIds.length(), setNames.length());
    for (int i = 0; i < count; ++i) {
        if (setIds[i] == setId) {
            return i;
        }
    }
    return -1;
}

Tvx_String DlgCSP2Data::setName(int setId) const {
    const int index = indexOfSet(setId);
    return index < 0 ? Tvx_String() : setNames[index];
}
