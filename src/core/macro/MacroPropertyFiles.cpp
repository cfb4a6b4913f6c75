// MacroPropertyFiles.cpp - saving the cell values of a macro record to a property file and
// reading them back.
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_PropertiesList.h"
#include "core/Tvx_Settings.h"
#include "core/macro/MacroData.h"

namespace {

const wchar_t* const kMacroKey = L"#macro";

Tvx_String propertyFolder() {
    return gSettings.libDir + L"Macro Properties\\";
}

// A value a plain cell can take: a number. List and special cells take any text.
bool acceptsValue(const MacroCellData& cell, const Tvx_String& value) {
    return cell.type >= 3 || value.isNumber();
}

}  // namespace

bool MacroData::propListAllowed() const {
    return !tabs.isEmpty();
}

bool MacroData::getPropFiles(Tvx_String& folder, Tvx_String& extension, Tvx_StringArray& suitable,
                             Tvx_StringArray& all) const {
    folder = propertyFolder();
    extension = L"ovp";
    all = listFiles(folder, L"*.ovp", false);
    suitable.removeAll();
    const Tvx_String prefix = macroNames.isEmpty() ? Tvx_String() : macroNames[0];
    for (const Tvx_String& name : all) {
        if (!prefix.isEmpty() && name.left(prefix.length()).equal(prefix, false)) {
            suitable.append(name);
        }
    }
    return propListAllowed();
}

bool MacroData::readFromFile(const Tvx_String& path, int& skipped) {
    skipped = 0;
    Tvx_PropertiesList list;
    if (!list.readFromFile(path)) {
        return false;
    }
    MacroData changed = *this;
    for (const Tvx_String& key : list.keys()) {
        if (key.equal(kMacroKey, false)) {
            continue;
        }
        Tvx_String value;
        list.getProperty(key, value);
        const int dot = key.find(L'.');
        MacroTabData* tab = dot > 0 ? changed.getTab(changed.findTab(key.left(dot))) : nullptr;
        MacroCellData* cell = tab != nullptr ? tab->findCellWithName(key.mid(dot + 1)) : nullptr;
        if (cell == nullptr || cell->readOnly || !acceptsValue(*cell, value)) {
            ++skipped;
            continue;
        }
        cell->value = value;
    }
    *this = changed;
    return true;
}

bool MacroData::writeToFile(const Tvx_String& path) const {
    Tvx_PropertiesList list;
    list.setProperty(kMacroKey, macroNames.isEmpty() ? Tvx_String() : macroNames[0]);
    for (const MacroTabData& tab : tabs) {
        for (const MacroCellData& cell : tab.cells) {
            list.setProperty(tab.moduleName + L"." + cell.name, cell.value);
        }
    }
    createFolder(getFolder(path));
    return list.writeToFile(path);
}
