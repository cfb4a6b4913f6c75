// PickFirstSelection.cpp - the pick-first selection the host keeps.
#include "core/sheets/PickFirstSelection.h"

namespace {
constexpr const wchar_t* kHostProduct = L"ovss-studio";
constexpr int kHostRelease = 18;

Tvx_Array<AcDbObjectId>& selection() {
    static Tvx_Array<AcDbObjectId> ids;
    return ids;
}
}  // namespace

void setPickFirstSelection(const Tvx_Array<AcDbObjectId>& ids) {
    selection() = ids;
}

bool readPickFirstSelection(Tvx_Array<AcDbObjectId>& ids) {
    ids = selection();
    return !ids.isEmpty();
}

Tvx_String hostEntityDragFormat() {
    return Tvx_String(kHostProduct) + L".r" + Tvx_String::fromInt(kHostRelease);
}
