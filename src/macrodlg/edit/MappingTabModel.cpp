// MappingTabModel.cpp - the mapping list, the detail of one row and how both are stored.
#include "macrodlg/edit/MappingTabModel.h"

#include <algorithm>
#include <utility>

#include "core/FileSystem.h"
#include "macrodlg/edit/StandardsSheets.h"
#include "standards/macroaccess/MappableObjects.h"
#include "standards/mapping/MappingFileCheck.h"
#include "standards/mapping/OvMapKind.h"
#include "standards/variables/OvVarCells.h"

namespace {

bool isModuleTarget(const Tvx_String& target) {
    return target.startsWith(kModuleTargetPrefix, true);
}

void swapRows(Tvx_StringArray& list, int a, int b) {
    const Tvx_String first = list[a];
    list.setAt(a, list[b]);
    list.setAt(b, first);
}

MappingDetailRow sectionRow(const wchar_t* title, bool input) {
    MappingDetailRow row;
    row.section = true;
    row.input = input;
    row.stdName = title;
    return row;
}

}  // namespace

Tvx_String valueTypeText(OvValueType type) {
    switch (type) {
        case OvValueInt:
            return L"Getal";
        case OvValueDouble:
            return L"Decim";
        case OvValueString:
            return L"Tekst";
    }
    return {};
}

Tvx_String macroObjectText(const OvObjectMap& object) {
    Tvx_String text = object.module + L"." + object.objName;
    const Tvx_String keyword = mapKindKeyword(object.kind);
    if (!keyword.isEmpty()) {
        text += L"." + keyword;
    }
    // A section property is named by its column index; the column's name tells which it is.
    if (!object.columnName.isEmpty()) {
        text += L" (" + object.columnName + L")";
    }
    return text;
}

MappingTabModel::MappingTabModel(TabMappingData& data) : data_(data) {
    openSpreadsheets_ = data_.spreadsheets;
    openTargets_ = data_.targets;
    while (data_.targets.length() < data_.spreadsheets.length()) {
        data_.targets.append(Tvx_String());
    }
    if (hasMacro()) {
        sheetChoices_ = standardsSheetNames();
        initAllVarsFromMacro(macroObjects_, data_.macro, nullptr);
    }
}

Tvx_StringArray MappingTabModel::targetChoices() const {
    Tvx_StringArray choices;
    choices.append(kEntireMacro);
    choices.append(data_.modules);
    return choices;
}

Tvx_Array<MappingListRow> MappingTabModel::listRows() const {
    Tvx_Array<MappingListRow> rows;
    for (int i = 0; i < data_.spreadsheets.length(); ++i) {
        const Tvx_String& target = data_.targets[i];
        rows.append({data_.spreadsheets[i],
                     isModuleTarget(target) ? target.mid(Tvx_String(kModuleTargetPrefix).length())
                                            : Tvx_String(kEntireMacro)});
    }
    return rows;
}

void MappingTabModel::storeList(const Tvx_Array<MappingListRow>& rows) {
    Tvx_StringArray spreadsheets;
    Tvx_StringArray targets;
    for (int i = 0; i < rows.length(); ++i) {
        spreadsheets.append(rows[i].spreadsheet);
        targets.append(rows[i].mapsTo == kEntireMacro
                           ? data_.getMapping(rows[i].spreadsheet, i)
                           : Tvx_String(kModuleTargetPrefix) + rows[i].mapsTo);
    }
    data_.spreadsheets = spreadsheets;
    data_.targets = targets;
    if (!(spreadsheets == openSpreadsheets_) || !(targets == openTargets_)) {
        modified_ = true;
    }
}

bool MappingTabModel::showDetail(int row, Tvx_String* error) {
    detail_.removeAll();
    detailLoaded_ = false;
    detailRow_ = row;
    // A row whose sheet is not chosen yet has nothing to show.
    if (!hasMacro() || row < 0 || row >= data_.spreadsheets.length() ||
        isModuleTarget(data_.targets[row]) || data_.spreadsheets[row].isEmpty()) {
        return false;
    }
    const Tvx_String sheet = data_.spreadsheets[row];
    const Tvx_String key = data_.targets[row];
    OvVarCells cells;
    Tvx_String reason;
    if (!readSheetVariables(sheet, cells, reason)) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    }
    OvSSMapping stored;
    if (!key.isEmpty()) {
        stored.getMappingFromFile(sheet, key);
    }
    buildDetail(cells, stored);
    detailSheet_ = sheet;
    detailKey_ = key;
    detailLoaded_ = true;
    return true;
}

void MappingTabModel::offerObjects(MappingDetailRow& row) const {
    row.choices.append(Tvx_String());
    row.objects.append(OvObjectMap());
    Tvx_Array<int> valid;
    macroObjects_.getValidVars(false, row.valueType, valid);
    Tvx_Array<int> order;
    for (int visibility = 0; visibility < kVisibilityCount; ++visibility) {
        order.append(visibility);
    }
    macroObjects_.sortValidVars(valid, order);
    // Each -1 opens the next visibility group; a group without objects gets no header.
    int group = -1;
    bool headed = false;
    for (const int index : valid) {
        if (index < 0) {
            ++group;
            headed = false;
            continue;
        }
        const OvObjectMap& object = macroObjects_.mappedObjects()[index];
        const Tvx_String text = macroObjectText(object);
        if (row.choices.contains(text, true)) {
            continue;
        }
        if (!headed) {
            row.headers.append(row.choices.length());
            row.choices.append(visibilityHeader(std::clamp(group, 0, kVisibilityCount - 1)));
            row.objects.append(OvObjectMap());
            headed = true;
        }
        row.choices.append(text);
        row.objects.append(object);
    }
}

void MappingTabModel::buildDetail(const OvVarCells& cells, const OvSSMapping& stored) {
    for (const bool input : {true, false}) {
        detail_.append(sectionRow(input ? L"Input" : L"Output", input));
        for (const OvVarCell& cell : cells) {
            if (input ? !cell.isInput() : !cell.isOutput()) {
                continue;
            }
            MappingDetailRow row;
            row.input = input;
            row.valueType = cell.valueType;
            row.typeText = valueTypeText(cell.valueType);
            row.stdName = cell.name;
            offerObjects(row);
            // Preset from the stored binding; one the macro no longer offers stays a choice, so
            // that opening and confirming the tab never drops it.
            for (const OvObjectMap& bound : stored.mappedObjects()) {
                OvValueType boundType;
                if (!bound.ssVar.equal(cell.name, false) || !bound.valueType(boundType) ||
                    isNumericValueType(boundType) != isNumericValueType(cell.valueType)) {
                    continue;
                }
                for (int c = 1; c < row.objects.length() && row.chosen == 0; ++c) {
                    if (row.objects[c].isCompatible(bound) == Acad::eOk) {
                        row.chosen = c;
                    }
                }
                if (row.chosen == 0) {
                    // Above the groups: its visibility in the macro is unknown.
                    row.choices.insertAt(1, macroObjectText(bound));
                    row.objects.insertAt(1, bound);
                    for (int& header : row.headers) {
                        ++header;
                    }
                    row.chosen = 1;
                }
                break;
            }
            detail_.append(row);
        }
    }
}

bool MappingTabModel::choose(int row, int choice) {
    if (!detail_.isValid(row) || detail_[row].section || !detail_[row].objects.isValid(choice) ||
        detail_[row].isHeader(choice)) {
        return false;
    }
    detail_[row].chosen = choice;
    return true;
}

bool MappingTabModel::chooseText(int row, const Tvx_String& text) {
    if (!detail_.isValid(row)) {
        return false;
    }
    return choose(row, detail_[row].choices.find(text, true));
}

OvSSMapping MappingTabModel::chosenMapping() const {
    OvSSMapping mapping;
    mapping.setMode(OvSSMapping::ModeObjectList);
    for (const MappingDetailRow& row : detail_) {
        if (!row.section && row.chosen > 0 && !row.isHeader(row.chosen)) {
            OvObjectMap object = row.objects[row.chosen];
            object.ssVar = row.stdName;
            mapping.mappedObjectsWrite().append(object);
        }
    }
    return mapping;
}

bool MappingTabModel::storeDetail(Tvx_String* error) {
    const int row = detailRow_;
    // Only while the row still is what the detail shows: choices never go to another sheet.
    if (!detailLoaded_ || row < 0 || row >= data_.spreadsheets.length() ||
        !data_.spreadsheets[row].equal(detailSheet_, true) || data_.targets[row] != detailKey_) {
        return true;
    }
    const OvSSMapping chosen = chosenMapping();
    OvSSMapping onFile;
    const bool stored =
        !detailKey_.isEmpty() && onFile.getMappingFromFile(detailSheet_, detailKey_) == Acad::eOk;
    // Compared both ways: a binding the author removed is a change too.
    if (stored && chosen.isEqual(onFile) && onFile.isEqual(chosen)) {
        return true;
    }
    if (!stored && detailKey_.isEmpty() && chosen.mappedObjects().isEmpty()) {
        return true;
    }
    Tvx_String reason;
    Tvx_StringArray taken;
    if (fileExists(OvSSMapping::mappingFilePath(detailSheet_)) &&
        !readMappingKeys(detailSheet_, taken, reason)) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    }
    taken.append(data_.targets);
    Tvx_String id;
    const bool made =
        generator_ ? newMappingIdentifier(taken, id, generator_) : newMappingIdentifier(taken, id);
    if (!made) {
        if (error != nullptr) {
            *error = L"no new mapping key could be made for the sheet \"" + detailSheet_ + L"\"";
        }
        return false;
    }
    if (chosen.setMappingToFile(detailSheet_, id) != Acad::eOk) {
        if (error != nullptr) {
            const Tvx_String path = OvSSMapping::mappingFilePath(detailSheet_);
            const Tvx_String why = whyNotWritable(path);
            *error = L"the mapping file \"" + path + L"\" cannot be written" +
                     (why.isEmpty() ? Tvx_String() : L": " + why);
        }
        return false;
    }
    data_.targets.setAt(row, id);
    detailKey_ = id;
    modified_ = true;
    chosen.dump();
    return true;
}

int MappingTabModel::moveUp(int row) {
    if (row <= 0 || row >= data_.spreadsheets.length()) {
        return row;
    }
    swapRows(data_.spreadsheets, row - 1, row);
    swapRows(data_.targets, row - 1, row);
    modified_ = true;
    return row - 1;
}

int MappingTabModel::moveDown(int row) {
    if (row < 0 || row + 1 >= data_.spreadsheets.length()) {
        return row;
    }
    swapRows(data_.spreadsheets, row, row + 1);
    swapRows(data_.targets, row, row + 1);
    modified_ = true;
    return row + 1;
}

int MappingTabModel::insertBefore(int row) {
    const int at = row < 0 || row > data_.spreadsheets.length() ? data_.spreadsheets.length() : row;
    data_.spreadsheets.insertAt(at, Tvx_String());
    data_.targets.insertAt(at, Tvx_String());
    modified_ = true;
    return at;
}

int MappingTabModel::remove(int row) {
    if (row < 0 || row >= data_.spreadsheets.length()) {
        return row;
    }
    data_.spreadsheets.removeAt(row);
    data_.targets.removeAt(row);
    modified_ = true;
    return std::min(row, data_.spreadsheets.length() - 1);
}
