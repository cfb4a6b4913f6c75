// Tvx_SectionTableManager.cpp - registering profile tables and looking sections up by name.
#include "core/sections/Tvx_SectionTableManager.h"

#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/sections/ProfileFile.h"

Tvx_SectionTableManager gSectionTables(true);

namespace {

std::wstring key(const Tvx_String& name) {
    return name.lower().wstr();
}

Tvx_String withoutProfileExtension(const Tvx_String& name) {
    return name.endsWith(L".pr", false) ? name.left(name.length() - 3) : name;
}

}  // namespace

int Tvx_SectionTable::nrLanguages() const {
    return countLanguageColumns(columnNames, 5);
}

int Tvx_SectionTable::nrValueColumns() const {
    const int count = columnNames.length() - firstValueColumn();
    return count > 0 ? count : 0;
}

Tvx_String Tvx_SectionTable::field(int row, int column) const {
    if (!rows.isValid(row) || !rows[row].isValid(column)) {
        return {};
    }
    return rows[row][column];
}

bool Tvx_SectionTableManager::hasTable(const Tvx_String& name, int& index) {
    ensureLoaded();
    const Tvx_String wanted = withoutProfileExtension(name);
    for (int i = 0; i < tables_.length(); ++i) {
        if (tables_[i].typeName.equal(wanted, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Tvx_SectionTableManager::removeTable(int index) {
    if (!tables_.removeAt(index)) {
        return false;
    }
    rebuildIndex();
    return true;
}

void Tvx_SectionTableManager::removeAll() {
    tables_.removeAll();
    rebuildIndex();
}

Acad::ErrorStatus Tvx_SectionTableManager::addSectionTable(const Tvx_String& fileName,
                                                           const Tvx_String& shape,
                                                           const Tvx_StringArray& columnNames,
                                                           const Tvx_Array<Tvx_StringArray>& rows) {
    // A table handed in before the first lookup must not be replaced by that lookup's load.
    ensureLoaded();
    Tvx_SectionTable table;
    table.fileName = fileName;
    table.typeName = withoutProfileExtension(fileName);
    int existing = -1;
    if (table.typeName.isEmpty() || columnNames.isEmpty() || hasTable(table.typeName, existing)) {
        return Acad::eInvalidInput;
    }
    table.shape = shape;
    table.columnNames = columnNames;
    table.rows = rows;
    tables_.append(std::move(table));
    indexTable(tables_.length() - 1);
    return Acad::eOk;
}

int Tvx_SectionTableManager::nrTables() {
    ensureLoaded();
    return tables_.length();
}

const Tvx_SectionTable* Tvx_SectionTableManager::table(int index) {
    ensureLoaded();
    return tables_.isValid(index) ? &tables_[index] : nullptr;
}

bool Tvx_SectionTableManager::findSection(const Tvx_String& name, int& tableIndex, int& rowIndex) {
    ensureLoaded();
    const std::wstring wanted = key(name);
    auto hit = byFullName_.find(wanted);
    if (hit == byFullName_.end()) {
        hit = byUserName_.find(wanted);
        if (hit == byUserName_.end()) {
            return false;
        }
    }
    tableIndex = hit->second.table;
    rowIndex = hit->second.row;
    return true;
}

Acad::ErrorStatus Tvx_SectionTableManager::getSystemName(const Tvx_String& name,
                                                         Tvx_String& fullName) {
    int t = -1;
    int r = -1;
    if (!findSection(name, t, r)) {
        return Acad::eInvalidInput;
    }
    fullName = tables_[t].fullName(r);
    return Acad::eOk;
}

Acad::ErrorStatus Tvx_SectionTableManager::getUserName(const Tvx_String& name,
                                                       Tvx_String& userName) {
    int t = -1;
    int r = -1;
    if (!findSection(name, t, r)) {
        return Acad::eInvalidInput;
    }
    const Tvx_SectionTable& table = tables_[t];
    const int first = 1;
    const int last = first + table.nrLanguages() - 1;
    // Preferred columns first: the working language, then English, then every language column.
    Tvx_Array<int> order;
    for (const Tvx_String& language : {MacroLangs::GetCurLanguage(), Tvx_String(L"English")}) {
        const int column = table.columnNames.find(language, false, first);
        if (column >= first && column <= last) {
            order.append(column);
        }
    }
    for (int column = first; column <= last; ++column) {
        order.append(column);
    }
    for (int column : order) {
        const Tvx_String text = table.field(r, column);
        if (!text.isEmpty()) {
            userName = text;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Tvx_SectionTableManager::getValue(const Tvx_String& name, int position,
                                                    Tvx_String& value) {
    int t = -1;
    int r = -1;
    if (!findSection(name, t, r)) {
        return Acad::eInvalidInput;
    }
    const Tvx_SectionTable& table = tables_[t];
    if (position < 0 || position >= table.nrValueColumns()) {
        return Acad::eInvalidInput;
    }
    value = table.field(r, table.firstValueColumn() + position);
    return Acad::eOk;
}

Acad::ErrorStatus Tvx_SectionTableManager::getValueNames(const Tvx_String& name,
                                                         Tvx_StringArray& names) {
    int t = -1;
    int r = -1;
    if (!findSection(name, t, r)) {
        return Acad::eInvalidInput;
    }
    const Tvx_SectionTable& table = tables_[t];
    names.removeAll();
    for (int c = table.firstValueColumn(); c < table.columnNames.length(); ++c) {
        names.append(table.columnNames[c]);
    }
    return Acad::eOk;
}

void Tvx_SectionTableManager::ensureLoaded() {
    // loading_ keeps the load's own addSectionTable calls from starting another load.
    if (autoLoad_ && !loaded_ && !loading_) {
        loadFromLibrary(gSettings.libDir);
    }
}

void Tvx_SectionTableManager::rebuildIndex() {
    byFullName_.clear();
    byUserName_.clear();
    for (int t = 0; t < tables_.length(); ++t) {
        indexTable(t);
    }
}

void Tvx_SectionTableManager::indexTable(int tableIndex) {
    const Tvx_SectionTable& table = tables_[tableIndex];
    const int lastLanguage = table.nrLanguages();
    for (int r = 0; r < table.rows.length(); ++r) {
        const Location here{tableIndex, r};
        if (!table.field(r, 0).isEmpty()) {
            byFullName_.emplace(key(table.fullName(r)), here);  // an earlier entry wins
        }
        for (int c = 1; c <= lastLanguage; ++c) {
            const Tvx_String userName = table.field(r, c);
            if (!userName.isEmpty()) {
                byUserName_.emplace(key(userName), here);
            }
        }
    }
}
