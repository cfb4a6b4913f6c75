// MacroTabData.h - one tab of the macro dialog record: the elements of one module group as the
// dialog shows and edits them. A plain copyable record; it is written to the drawing only
// through UpdateModule (MacroDataSync.h).
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroRecords.h"

// Markers in the first list of differences for elements that are not cells.
inline constexpr int kDiffBoltData = -10;
inline constexpr int kDiffCuts = -11;
inline constexpr int kDiffPresentation = -12;  // caption, template, block choice: not drawing data
inline constexpr int kDiffProfData = -13;
inline constexpr int kDiffFlexFix = -14;
inline constexpr int kDiffArrays = -15;

class MacroTabData {
  public:
    virtual ~MacroTabData() = default;

    int kind = 0;           // 0 and 3 general page, 1 bolt page, 2 profile page
    Tvx_String moduleName;  // the module group key
    Tvx_String caption;
    Tvx_String templatePath;
    Tvx_Array<MacroCellData> cells;
    Tvx_Array<MacroPatternProps> patterns;
    bool hasBoltData = false;
    MacroBoltData boltData;
    Tvx_Array<MacroProfData> profData;
    Tvx_Array<DynArrayData> arrays;
    Tvx_Array<MacroCutData> cuts;
    Tvx_Array<MacroFlexFixData> flexFix;
    bool hasBlockChoice = false;
    Tvx_String blockFolder;
    Tvx_String blockName;
    int blockCtrl = 0;
    bool advBtnForEveryGroup = false;
    bool hasSegmentedProfs = false;

    // Finders compare names ignoring case and return null when nothing matches.
    MacroBoltData* getBoltData() { return hasBoltData ? &boltData : nullptr; }
    const MacroBoltData* getBoltData() const { return hasBoltData ? &boltData : nullptr; }
    MacroCellData* findCellWithName(const Tvx_String& name);
    const MacroCellData* findCellWithName(const Tvx_String& name) const {
        return const_cast<MacroTabData*>(this)->findCellWithName(name);
    }
    MacroPatternProps* findPatternWithName(const Tvx_String& name);
    MacroPatternProps* findPatternWithBtnId(int ctrl);
    MacroProfData* findProfDataWithGroup(const Tvx_String& group);
    DynArrayData* findArrayWithName(const Tvx_String& name);
    DynArrayData* findArrayWithBtnId(int ctrl);
    MacroCutData* findCutWithName(const Tvx_String& name);

    // The group names of the profile data, each once, in order.
    void getProfGroups(Tvx_StringArray& groups) const;
    // Merged properties of the group's profiles (a field that differs is empty or -1); false
    // when the group has no profile.
    bool getMergedPropsOfGroup(const Tvx_String& group, MacroProfData& merged) const;
    // Gives every profile of the group the fields of `data` that are not mixed; false when the
    // group has no profile.
    bool setMergedPropsOfGroup(const Tvx_String& group, const MacroProfData& data);

    // Flex-fix buttons. In a group exactly one variable is flexible; fixing it hands the
    // flexibility to the next variable of the group, making one flexible fixes the others.
    bool hasBtnFlexFix(const Tvx_String& group) const;
    // False when the variable has no flex-fix button; else fixed = !flexible.
    bool getFlexFixBtnStatus(const Tvx_String& variable, bool& fixed, bool& flexible) const;
    // True when the tab changed.
    bool flexFixBtnClicked(const Tvx_String& variable, bool makeFlexible);
    // The button of `name` in `group` set to status 0 (fixed) or 1 (flexible).
    bool flexFixBtnClicked(const Tvx_String& group, const Tvx_String& name, int status);

    // Sets every control reference to 0.
    void removeAllDlgReferences();

    // What differs from `before` (control references included): changed cell and pattern names,
    // the indices of changed cells plus the markers above, and the indices of changed patterns.
    void differences(const MacroTabData& before, Tvx_StringArray& names, Tvx_Array<int>& changed,
                     Tvx_Array<int>& changedPatterns) const;
};
