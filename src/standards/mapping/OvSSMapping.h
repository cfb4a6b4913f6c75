// OvSSMapping.h - the mapping of one standards spreadsheet's variables to the objects of a macro:
// either by module group (variables found by name) or by an explicit list of mapped objects,
// which is kept in the ".map" file beside the spreadsheet under a mapping key.
//
// Mapping file: optional first line "Mapping version 1.0", then one line per key:
//   key=ssVarƒmodule•Kind objName¿ssVarƒmodule•Kind objName...
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"
#include "standards/mapping/OvObjectMap.h"

class OvDlgStandardsData;

class OvSSMapping {
  public:
    enum Mode : int { ModeNone = 0, ModeModuleGroup = 1, ModeObjectList = 2 };

    OvSSMapping() = default;
    OvSSMapping(const OvSSMapping&) = default;
    OvSSMapping& operator=(const OvSSMapping&) = default;
    virtual ~OvSSMapping() = default;

    int mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode; }
    const Tvx_Array<OvObjectMap>& mappedObjects() const { return objects_; }
    Tvx_Array<OvObjectMap>& mappedObjectsWrite() { return objects_; }

    // Module-group mode for a non-empty group; 3 (unchanged) for an empty one.
    Acad::ErrorStatus initFromModuleGroup(const Tvx_String& group);

    // The first object of exactly this value type whose variable is `name` (ignoring case).
    Acad::ErrorStatus findSSVar(const Tvx_String& name, OvValueType valueType, int& index) const;
    // Objects a variable of `valueType` may be bound to: numeric objects for Int and Double
    // variables, text objects for String ones. `flag` is kept for callers and not used.
    Acad::ErrorStatus getValidVars(bool flag, OvValueType valueType, Tvx_Array<int>& indices) const;
    // Groups `indices` by visibility in the order of `visibilityOrder` (visibilities not listed
    // join the last group); each group is preceded by -1. 3 (unchanged) for an empty order.
    Acad::ErrorStatus sortValidVars(Tvx_Array<int>& indices,
                                    const Tvx_Array<int>& visibilityOrder) const;
    // The first object compatible with `objectMap`.
    Acad::ErrorStatus findCompatible(const OvObjectMap& objectMap, int& index) const;
    // `count` = how many of this mapping's objects have no compatible object in `other`.
    Acad::ErrorStatus isCompatible(const OvSSMapping& other, int& count) const;
    // Every object of this mapping (each with a valid kind) has a compatible counterpart in
    // `other` for the same variable and value type. Objects only `other` has do not count.
    bool isEqual(const OvSSMapping& other) const;

    // The object list of one file line; 3 (unchanged) for a line without "=". Entries without
    // "ƒ" or with a text that does not parse are skipped.
    Acad::ErrorStatus initMappingFromLine(const Tvx_String& line);

    // --- the mapping file of a spreadsheet (see OvSSMappingFile.cpp)
    // The ".map" file beside the sheet `ssName` resolves to (resolveStandardsFile).
    static Tvx_String mappingFilePath(const Tvx_String& ssName);
    // Reads the object list stored under `key`; 3 when the file cannot be read or has no such
    // line; eOk with the list unchanged for an empty file.
    Acad::ErrorStatus getMappingFromFile(const Tvx_String& ssName, const Tvx_String& key);
    // Stores the object list under `key`, replacing that key's line when its content differs and
    // keeping every other line. The file is not touched when it already holds this mapping.
    Acad::ErrorStatus setMappingToFile(const Tvx_String& ssName, const Tvx_String& key) const;
    // True, with the line's key, for the first line of the file that holds this mapping.
    bool hasSameMapping(const Tvx_String& ssName, Tvx_String& key) const;

    // --- values in a macro (see standards/macroaccess/OvSSMappingMacro.cpp)
    // Object-list mode from the request's mapping line; 3 (unchanged) without a macro, for a
    // module-group request, or when the mapping file has no such line.
    Acad::ErrorStatus initFromMacro(const OvDlgStandardsData& record);
    // The value of the spreadsheet variable `name` in the request's macro: by its name in
    // module-group mode, else through the object bound to it. 3 (value kept) when it fails.
    Acad::ErrorStatus getMacroVarValue(const Tvx_String& name, OvValueType valueType,
                                       Tvx_String& value, const OvDlgStandardsData& record) const;
    Acad::ErrorStatus setMacroVarValue(const Tvx_String& name, OvValueType valueType,
                                       const Tvx_String& value,
                                       const OvDlgStandardsData& record) const;

    // The object list on the host's command line.
    void dump() const;

  private:
    int mode_ = ModeNone;
    Tvx_Array<OvObjectMap> objects_;
};
