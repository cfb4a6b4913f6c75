// OvObjectMap.h - one binding of a spreadsheet variable to one object of a macro: the module
// group, the object within it and the kind of value, plus how the object is shown.
//
// Its mapping text is module + "•" + kind keyword + " " + object name ("Plate•Distance Gap").
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"
#include "standards/mapping/OvMapKind.h"

// Separates module and kind in a mapping text.
inline constexpr wchar_t kMapModuleSeparator = L'\u2022';  // •

class OvObjectMap {
  public:
    OvObjectMap() = default;
    OvObjectMap(const OvObjectMap&) = default;
    OvObjectMap& operator=(const OvObjectMap&) = default;
    virtual ~OvObjectMap() = default;

    // Parses `mappingText` and on success stores it with `ssVar`; 3 (nothing changed) when the
    // text has no "•" or no known keyword after it.
    Acad::ErrorStatus getMappingFromStrs(const Tvx_String& ssVar, const Tvx_String& mappingText);
    // Composes the mapping text; 3 (outputs unchanged) when the kind has no keyword.
    Acad::ErrorStatus setMappingToStrs(Tvx_String& mappingText, Tvx_String& ssVarOut) const;
    // Finds `cellName` among `ssVarNames` (ignoring case) and parses the mapping text at the same
    // index; 3 when the name is absent or has no text.
    Acad::ErrorStatus mapFromArrays(const Tvx_StringArray& ssVarNames,
                                    const Tvx_StringArray& mappingTexts,
                                    const Tvx_String& cellName);
    // eOk when both bind the same object: module and object name (ignoring case) and kind.
    Acad::ErrorStatus isCompatible(const OvObjectMap& other) const;

    // The value type a variable needs for this object; false for an invalid kind.
    bool valueType(OvValueType& type) const { return mapKindValueType(kind, type); }

    Tvx_String module;   // module group name; empty for general variables and base profiles
    Tvx_String objName;  // variable, cut, pattern or member name, "Prof" + n (+ ";" + column)
    Tvx_String ssVar;    // the spreadsheet variable bound to the object
    OvMapKind kind = OvMapNone;
    int visibility = 3;     // 0..3, see OvMapKind.h
    Tvx_String columnName;  // kind 15: the section table column shown
};
