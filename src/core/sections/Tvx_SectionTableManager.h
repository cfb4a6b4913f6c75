// Tvx_SectionTableManager.h - the section tables of the library: every profile type with its
// sections, as the rest of the product looks them up (names, user names, dimension values).
//
// A table holds the columns of its ".pr" file without the "I/O" column: "SysName", the user-name
// columns of the languages (4, or 5 when the sixth column is "Korean") and the dimension columns.
// Every section has a full name, type name + "-" + system name ("IPE-200"), and a user name per
// language ("IPE200"). Lookups accept either and compare without regard to case; when several
// sections share a name, the first table registered and its first row win.
//
// Dimension values are addressed by position among the dimension columns only: position 0 is
// the first column after the user names. The global gSectionTables fills itself from the
// library's "prof\\" folder on first use (loadSectionTables reloads it explicitly).
#pragma once

#include <string>
#include <unordered_map>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"

// One registered profile type.
struct Tvx_SectionTable {
    Tvx_String fileName;  // "IPE.pr"
    Tvx_String typeName;  // "IPE"
    Tvx_String shape;     // shape number ("1") or drawing ("Prof\\name.dwg")
    Tvx_StringArray columnNames;
    Tvx_Array<Tvx_StringArray> rows;

    int nrLanguages() const;
    // Column index of the first dimension value.
    int firstValueColumn() const { return 1 + nrLanguages(); }
    int nrValueColumns() const;
    // The field, or empty text when the row is short or the indices are outside the table.
    Tvx_String field(int row, int column) const;
    Tvx_String fullName(int row) const { return typeName + L"-" + field(row, 0); }
};

class Tvx_SectionTableManager {
  public:
    // With autoLoad the first lookup fills the manager from gSettings.libDir (the global does
    // this); a manager without it holds only what is added.
    explicit Tvx_SectionTableManager(bool autoLoad = false) : autoLoad_(autoLoad) {}

    // Finds a table by type name or file name ("IPE" or "IPE.pr"), ignoring case.
    bool hasTable(const Tvx_String& name, int& index);
    bool removeTable(int index);
    void removeAll();
    // Registers a table under `fileName` (type name + ".pr"); `columnNames` and `rows` come
    // without the "I/O" column. Refused when the name is empty or already registered, or when
    // there are no column names.
    Acad::ErrorStatus addSectionTable(const Tvx_String& fileName, const Tvx_String& shape,
                                      const Tvx_StringArray& columnNames,
                                      const Tvx_Array<Tvx_StringArray>& rows);

    int nrTables();
    // The table at `index`, or null.
    const Tvx_SectionTable* table(int index);

    // The section called `name` (full name or user name in any language).
    bool findSection(const Tvx_String& name, int& tableIndex, int& rowIndex);
    // The full name ("IPE-200") of the section called `name`.
    Acad::ErrorStatus getSystemName(const Tvx_String& name, Tvx_String& fullName);
    // The section's user name in the working language (else English, else any it has).
    Acad::ErrorStatus getUserName(const Tvx_String& name, Tvx_String& userName);
    // Dimension value at `position` (0 = first dimension column) as stored text.
    Acad::ErrorStatus getValue(const Tvx_String& name, int position, Tvx_String& value);
    // The names of the section's dimension columns, in position order.
    Acad::ErrorStatus getValueNames(const Tvx_String& name, Tvx_StringArray& names);

    // Replaces the content with the ".pr" tables of libDir + "prof\\". Unreadable or malformed
    // files are skipped; each gets one line in `problems` (and on the host's command line).
    // True when every file was taken.
    bool loadFromLibrary(const Tvx_String& libDir, Tvx_StringArray* problems = nullptr);
    bool isLoaded() const { return loaded_; }
    const Tvx_StringArray& loadProblems() const { return problems_; }

  private:
    struct Location {
        int table = -1;
        int row = -1;
    };
    void ensureLoaded();
    void rebuildIndex();
    void indexTable(int tableIndex);

    Tvx_Array<Tvx_SectionTable> tables_;
    std::unordered_map<std::wstring, Location> byFullName_;  // keys in lower case
    std::unordered_map<std::wstring, Location> byUserName_;
    Tvx_StringArray problems_;
    bool autoLoad_ = false;
    bool loaded_ = false;
    bool loading_ = false;
};

// The product's section tables.
extern Tvx_SectionTableManager gSectionTables;

// Reloads gSectionTables from libDir + "prof\\"; false when a file had to be skipped.
bool loadSectionTables(const Tvx_String& libDir);
