// ProfValuesTableGlobals.cpp - handing the table to the product's section tables.
#include "core/sections/Tvx_SectionTableManager.h"
#include "seclib/Tvx_ProfValuesTable.h"

Acad::ErrorStatus Tvx_ProfValuesTable::setToGlobals(Tvx_SectionTableManager* manager) const {
    // Checked before the old table is removed, so that a refusal leaves the manager as it was.
    if (manager == nullptr || typeName.isEmpty() || columnNames.isEmpty()) {
        return Acad::eInvalidInput;
    }
    const Tvx_String fileName = typeName + L".pr";
    // A drawing shape lives in the profile folder; a shape number passes unchanged.
    const Tvx_String globalShape = shape.hasSubString(L".", true) ? L"Prof\\" + shape : shape;

    // The section tables have no active flag: the "I/O" column goes.
    Tvx_StringArray names = columnNames;
    if (names.length() > 1) {
        names.removeAt(1);
    }
    Tvx_Array<Tvx_StringArray> values = rows;
    for (Tvx_StringArray& row : values) {
        if (row.length() > 1) {
            row.removeAt(1);
        }
    }

    int existing = -1;
    if (manager->hasTable(typeName, existing)) {
        manager->removeTable(existing);
    }
    return manager->addSectionTable(fileName, globalShape, names, values);
}
