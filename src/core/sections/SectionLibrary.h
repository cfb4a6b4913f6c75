// SectionLibrary.h - the section library's groups and types as the library editors and the
// section choice see them: SectionGroupArray (groups with a name per language, an enabled flag,
// an image and a stable identifier), SectionType (a profile type placed in a group) and
// DlgEditLibData, the editor's record with the lists of files available in the library folder.
//
// Names per language follow MacroLangs::GetAllLanguages(): entry i is the name in language i.
// Group identifiers never change when groups move, so a type keeps its group through swaps.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

struct SectionGroup {
    int id = 0;
    bool enabled = true;
    Tvx_String image;
    Tvx_StringArray names;  // one per language

    bool operator==(const SectionGroup&) const = default;
};

class SectionGroupArray {
  public:
    int length() const { return groups_.length(); }
    // The name in the working language (English, then any, when that one is empty).
    Tvx_String getName(int i) const;
    bool getEnabled(int i) const;
    void setEnabled(int i, bool enabled);
    Tvx_String getImage(int i) const;
    void setImage(int i, const Tvx_String& image);
    Tvx_StringArray getLangs(int i) const;
    void setLangs(int i, const Tvx_StringArray& names);
    int getId(int i) const;
    // Appends an enabled group named with the "new group" text in every language and a fresh
    // identifier; returns its index.
    int appendNewGrp();
    // Appends a group as it is (the file reader); false when its identifier is already used.
    bool appendGroup(const SectionGroup& group);
    bool removeAt(int i);
    bool swap(int i, int j);
    // The working-language names and identifiers of all groups, in order.
    void namesOfAllGroups(Tvx_StringArray& names, Tvx_Array<int>& ids) const;
    // Index of the group with identifier `id`, -1 when none.
    int indexOfId(int id) const;
    const SectionGroup& at(int i) const { return groups_.at(i); }

    bool operator==(const SectionGroupArray&) const = default;

  private:
    bool valid(int i) const { return groups_.isValid(i); }
    Tvx_Array<SectionGroup> groups_;
};

class SectionType {
  public:
    SectionType() = default;
    SectionType(bool enabled, const Tvx_String& image, int groupId, const Tvx_String& profTable,
                const Tvx_StringArray& names);

    // The name in the working language (English, then any, when that one is empty).
    Tvx_String getName() const;

    bool operator==(const SectionType&) const = default;

    bool enabled = true;
    Tvx_String image;
    int groupId = -1;  // -1: no group
    Tvx_String profTable;
    Tvx_StringArray names;  // one per language
};

// The name of `names` in the working language, else English, else the first non-empty one.
Tvx_String nameInWorkingLanguage(const Tvx_StringArray& names);

class DlgEditLibData {
  public:
    DlgEditLibData() = default;
    DlgEditLibData(const DlgEditLibData&) = default;
    DlgEditLibData& operator=(const DlgEditLibData&) = default;
    virtual ~DlgEditLibData() = default;

    bool operator==(const DlgEditLibData&) const = default;

    // Fills the three file lists from the library's "prof\\" folder: drawings ("*.dwg", file
    // names), profile tables ("*.pr", base names) and pictures ("*.bmp", "*.png", "*.jpg").
    void GetAvailableFiles();

    Tvx_StringArray drawingFiles;
    Tvx_StringArray profileTables;
    Tvx_StringArray imageFiles;
    SectionGroupArray groups;
    Tvx_Array<SectionType> types;
};
