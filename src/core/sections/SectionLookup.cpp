// SectionLookup.cpp - the free section functions, forwarding to gSectionTables.
#include "core/sections/SectionLookup.h"

#include "core/sections/Tvx_SectionTableManager.h"

Acad::ErrorStatus getSectionName(const Tvx_String& name, Tvx_String& sectionName) {
    return gSectionTables.getSystemName(name, sectionName);
}

Acad::ErrorStatus getSectionValue(const Tvx_String& sectionName, const int& columnIndex,
                                  Tvx_String& value) {
    return gSectionTables.getValue(sectionName, columnIndex, value);
}

Acad::ErrorStatus getSectionColumnNames(const Tvx_String& sectionName, Tvx_StringArray& names) {
    return gSectionTables.getValueNames(sectionName, names);
}
