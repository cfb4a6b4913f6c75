// BoltDetailRules.cpp - validation and texts of the bolt detail dialog.
#include "macrodlg/detail/BoltDetailRules.h"

#include "core/Texts.h"

namespace {

bool isPositiveNumber(const Tvx_String& text) {
    return text.isNumber() && text.toDouble() > 0.0;
}

}  // namespace

int findInvalidBoltEntry(const MacroBoltDetails& details) {
    for (int i = 0; i < details.entries.length(); ++i) {
        const MacroBoltEntry& entry = details.entries[i];
        if (entry.active && (!isPositiveNumber(entry.count) || !isPositiveNumber(entry.spacing))) {
            return i;
        }
    }
    return -1;
}

Tvx_String invalidBoltEntryMessage(int index) {
    return dialString(1000) + L" " + Tvx_String::fromInt(index + 1) + L" " + dialString(1001) +
           L"\n\n" + dialString(888) + L".";
}

Tvx_String invalidBoltEntryCaption() {
    return L"Ongeldige waarde";
}

Tvx_String boltEntryLabel(int index) {
    return dialString(999) + L" nr: " + Tvx_String::fromInt(index + 1);
}
