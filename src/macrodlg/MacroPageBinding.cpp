// MacroPageBinding.cpp - binding designed controls to the elements of a macro tab, and the grid
// rows of the elements left over.
#include "macrodlg/MacroPageBinding.h"

#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/macro/MacroOperations.h"
#include "core/macro/OvCutOffsetType.h"

namespace {

const wchar_t* const kRotations[] = {L"90°", L"180°", L"270°"};

Tvx_String translated(const Tvx_String& name) {
    return MacroLangs::GetStringChopSymbols(name, L"x");
}

// The names a dimension-prompt control (kinds 25, 26) carries: base, offset and second cell;
// a sign marker "-" in front of the last two is not part of the name.
Tvx_String baseCellName(const Tvx_DesignerControl& control) {
    return control.buttonPart1;
}

bool bindProfileGroup(MacroTabData& tab, const Tvx_DesignerControl& control, int id,
                      MacroControlBinding& binding) {
    MacroProfData merged;
    if (!tab.getMergedPropsOfGroup(control.contents, merged)) {
        return false;
    }
    switch (control.type) {
        case 13:
            binding.caption = merged.sectionName;
            binding.items.append(merged.sectionName);
            binding.selection = 0;
            break;
        case 14:
            binding.caption = dialString(969);
            break;
        case 15:
            getOffsetTypeStrings(binding.items);
            binding.selection = getDlgOffsetType(merged);
            break;
        case 16:
            for (const wchar_t* rotation : kRotations) {
                binding.items.append(rotation);
            }
            binding.selection = merged.rotation / 90 - 1;
            break;
        default:
            binding.caption = dialString(968);
            break;
    }
    for (MacroProfData& data : tab.profData) {
        if (data.groupName.equal(control.contents, false)) {
            data.ctrl = id;
        }
    }
    return true;
}

bool bindArray(MacroTabData& tab, const Tvx_DesignerControl& control, int id,
               MacroControlBinding& binding) {
    if (control.type == 23) {
        for (DynArrayData& array : tab.arrays) {
            if (array.kind != 1 && array.getEntry(control.contents.toInt(), binding.caption)) {
                return true;
            }
        }
        return false;
    }
    DynArrayData* array = tab.findArrayWithName(control.contents);
    if (array == nullptr || (control.type == 20 && array->kind != 1)) {
        return false;
    }
    if (control.type == 24) {
        binding.caption = dialString(968);
        array->btnCtrl = id;
        return true;
    }
    const int field = control.type - 18;
    binding.caption = field < array->fields.length() ? array->fields[field] : Tvx_String();
    if (control.type == 18) {
        array->nameCtrl = id;
    }
    return true;
}

bool bindBoltData(MacroTabData& tab, const Tvx_DesignerControl& control, int id,
                  MacroControlBinding& binding) {
    MacroBoltData* bolt = tab.getBoltData();
    if (bolt == nullptr) {
        return false;
    }
    const Tvx_String fields[] = {bolt->assembly, bolt->diameter, bolt->holeOffset, bolt->length,
                                 bolt->grade};
    binding.caption = control.type == 12 ? dialString(968) : fields[control.type - 7];
    bolt->ctrl = id;
    return true;
}

}  // namespace

Tvx_StringArray listCellItems(const MacroCellData& cell) {
    Tvx_StringArray items;
    for (const Tvx_String& item : strToArr(cell.value, L";")) {
        if (!item.isEmpty()) {
            items.append(item);
        }
    }
    return items;
}

bool bindDesignedControl(MacroTabData& tab, const Tvx_DesignerControl& control, int id,
                         MacroControlBinding& binding) {
    binding = MacroControlBinding{};
    binding.id = id;
    binding.type = control.type;
    switch (control.type) {
        case 0:
        case 1:
            binding.caption = translated(control.contents);
            return true;
        case 2:
        case 3:
        case 29: {
            MacroCellData* cell = tab.findCellWithName(control.contents);
            if (cell == nullptr) {
                return false;
            }
            binding.caption = cell->value;
            binding.readOnly = cell->readOnly;
            cell->ctrl = id;
            return true;
        }
        case 4:
        case 5:
        case 6: {
            MacroPatternProps* pattern = tab.findPatternWithName(control.contents);
            if (pattern == nullptr || (control.type == 5 && pattern->getCount() < 0)) {
                return false;
            }
            if (control.type == 4) {
                binding.caption = pattern->name;
                pattern->nameCtrl = id;
            } else if (control.type == 5) {
                binding.caption = pattern->count1;
                pattern->countCtrl = id;
            } else {
                binding.caption = L"...";
                pattern->btnCtrl = id;
            }
            return true;
        }
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
            return bindBoltData(tab, control, id, binding);
        case 13:
        case 14:
        case 15:
        case 16:
        case 17:
            return bindProfileGroup(tab, control, id, binding);
        case 18:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
            return bindArray(tab, control, id, binding);
        case 25:
        case 26: {
            const MacroCellData* base = tab.findCellWithName(baseCellName(control));
            binding.setsCaption = false;
            return base != nullptr && base->readOnly;
        }
        case 27:
            if (!tab.hasBlockChoice) {
                return false;
            }
            binding.caption = tab.blockName;
            tab.blockCtrl = id;
            return true;
        case 28: {
            MacroCutData* cut = tab.findCutWithName(control.contents);
            if (cut == nullptr) {
                return false;
            }
            binding.caption = cut->number;
            cut->ctrl = id;
            return true;
        }
        case 30: {
            if (!tab.hasBtnFlexFix(control.flexGroup)) {
                return false;
            }
            binding.setsCaption = false;
            for (MacroFlexFixData& button : tab.flexFix) {
                if (button.group.equal(control.flexGroup, false) &&
                    button.variable.equal(control.contents, false)) {
                    button.ctrl = id;
                }
            }
            return true;
        }
        default:
            return false;
    }
}

void buildGridRows(MacroTabData& tab, std::vector<MacroGridRow>& rows) {
    rows.clear();
    auto nextRow = [&rows] { return static_cast<int>(rows.size()) + 1; };
    for (int i = 0; i < tab.cells.length(); ++i) {
        MacroCellData& cell = tab.cells[i];
        if (cell.ctrl >= 1) {
            continue;
        }
        MacroGridRow row;
        row.kind = MacroGridRow::Cell;
        row.index = i;
        row.name = cell.displayName.isEmpty() ? cell.name : cell.displayName;
        row.cellType = cell.type;
        row.locked = cell.readOnly;
        if (cell.type == 3 || cell.type == 4) {
            row.items = listCellItems(cell);
            row.value = row.items.isEmpty() ? Tvx_String() : row.items[0];
        } else {
            row.value = cell.value;
        }
        cell.ctrl = -nextRow();
        rows.push_back(row);
    }
    if (tab.kind == 1) {
        for (int i = 0; i < tab.patterns.length(); ++i) {
            MacroPatternProps& pattern = tab.patterns[i];
            const bool placed = pattern.nameCtrl >= 1 && pattern.countCtrl >= 1;
            if (placed) {
                continue;
            }
            MacroGridRow row;
            row.kind = MacroGridRow::Pattern;
            row.index = i;
            row.name = pattern.name;
            row.value = pattern.getCount() >= 0 ? pattern.count1 : Tvx_String();
            row.hasButton = pattern.hasDetails;
            const int ref = -nextRow();
            pattern.nameCtrl = pattern.countCtrl = pattern.btnCtrl = ref;
            rows.push_back(row);
        }
    }
    for (int i = 0; i < tab.arrays.length(); ++i) {
        DynArrayData& array = tab.arrays[i];
        if (array.nameCtrl >= 1) {
            continue;
        }
        MacroGridRow row;
        row.kind = MacroGridRow::Array;
        row.index = i;
        row.name = array.name;
        row.value = array.fields.isEmpty() ? Tvx_String() : array.fields[0];
        row.hasButton = true;
        array.nameCtrl = array.btnCtrl = -nextRow();
        rows.push_back(row);
    }
}

void buildMacroPage(MacroTabData& tab, Tvx_DlgDesignerData* designer, MacroPageModel& page) {
    page = MacroPageModel{};
    tab.removeAllDlgReferences();
    for (int i = 0; designer != nullptr && i < designer->getNrControls();) {
        const Tvx_DesignerControl control = *designer->getControl(i);
        MacroControlBinding binding;
        if (!bindDesignedControl(tab, control, control.resourceId, binding)) {
            page.dropped.append(control.contents);
            designer->removeControl(i);
            continue;
        }
        if (control.type == 12) {
            page.hasBoltButton = true;
        }
        page.controls.push_back(binding);
        ++i;
    }
    buildGridRows(tab, page.rows);
}
