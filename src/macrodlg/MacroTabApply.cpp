// MacroTabApply.cpp - validating and writing the edits of one macro tab.
#include "macrodlg/MacroTabApply.h"

#include "core/Texts.h"
#include "core/macro/MacroDataSync.h"

namespace {

Tvx_String quoted(const Tvx_String& text) {
    return L"\"" + text + L"\"";
}

// The reason the edited tab cannot be written, or empty.
Tvx_String refusal(const MacroTabData& before, const MacroTabData& edited) {
    for (int i = 0; i < edited.cells.length() && i < before.cells.length(); ++i) {
        const MacroCellData& cell = edited.cells[i];
        if (cell.value != before.cells[i].value && cell.type <= 2 && !cell.value.isNumber()) {
            return cell.name + L": " + quoted(cell.value) + L" " + dialString(9801);
        }
    }
    for (int i = 0; i < edited.patterns.length() && i < before.patterns.length(); ++i) {
        const MacroPatternProps& pattern = edited.patterns[i];
        const MacroPatternProps& old = before.patterns[i];
        const bool first = pattern.count1 != old.count1 && pattern.getCount() < 0;
        const bool second =
            pattern.count2 != old.count2 && pattern.hasSecondDirection() && pattern.getCount2() < 0;
        if (first || second) {
            return pattern.name + L": " + quoted(first ? pattern.count1 : pattern.count2) + L" " +
                   dialString(9802);
        }
    }
    return {};
}

}  // namespace

MacroApplyResult applyTabEdits(MacroData& data, int tabIndex, const MacroTabData& edited,
                               const MacroUpdateModule& update) {
    MacroApplyResult result;
    MacroTabData* tab = data.getTab(tabIndex);
    if (tab == nullptr) {
        return result;
    }
    const MacroTabData before = *tab;
    result.reason = refusal(before, edited);
    if (!result.reason.isEmpty()) {
        result.refused = true;
        return result;
    }
    *tab = edited;
    Tvx_StringArray names;
    Tvx_Array<int> changed;
    Tvx_Array<int> changedPatterns;
    tab->differences(before, names, changed, changedPatterns);
    if (changed.isEmpty() && changedPatterns.isEmpty()) {
        return result;
    }
    result.changed = true;
    const Tvx_String moduleName = tab->moduleName;
    result.written = update ? update(moduleName, data, changed, changedPatterns)
                            : UpdateModule(moduleName, data, changed, changedPatterns);
    return result;
}
