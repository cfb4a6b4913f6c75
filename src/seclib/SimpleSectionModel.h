// SimpleSectionModel.h - the simple section editor without its widgets: it learns how a type
// names its sections from a start row ("200x100x5" = values 1, 2 and 4 joined with "x"), makes the
// automatic name from new dimensions, checks them and inserts the new section where it sorts.
#pragma once

#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "seclib/Tvx_ProfValuesTable.h"

class SimpleSectionModel {
  public:
    static constexpr int kMaxDimensionRows = 11;

    // Starts on the row whose system name is `sysName` (the first row when there is none).
    // False when the table cannot give a start row (no rows, or a start row with fewer fields
    // than the names need).
    bool start(const Tvx_ProfValuesTable& table, const Tvx_String& sysName);

    const Tvx_ProfValuesTable& table() const { return table_; }
    int startRow() const { return startRow_; }
    int nrLanguages() const { return nrLanguages_; }
    int firstValueColumn() const { return 2 + nrLanguages_; }
    int nrValues() const;
    // The start row's dimension values, its active flag and its working-language user name.
    Tvx_StringArray startValues() const;
    bool startActive() const;
    Tvx_String startUserName() const;
    // Labels of the dimension rows: "A. Height:" (built-in default names, else the table's
    // value column names translated).
    Tvx_StringArray dimensionLabels() const;
    // Value positions (0-based) the system name is made of.
    const std::vector<int>& pattern() const { return pattern_; }
    // The user-name prefix of each language column ("IPE" of "IPE200").
    const Tvx_StringArray& prefixes() const { return prefixes_; }

    // The automatic system name for `values`: the pattern's values joined with "x".
    Tvx_String automaticSysName(const Tvx_StringArray& values) const;
    // The automatic name shown for the working language: its prefix + the system name.
    Tvx_String automaticUserName(const Tvx_StringArray& values) const;

    // Checks new values: every value a number, the name not empty and not yet in the table,
    // and the shape's own rule (rectangular tube: fourth value 0 or above the third). False
    // with `message` and `caption` to show.
    bool check(const Tvx_StringArray& values, const Tvx_String& sysName, Tvx_String& message,
               Tvx_String& caption) const;

    // Inserts the new section (copy of the start row, active, with the names and values) at its
    // sorted place; returns its position in the filtered list, -1 when nothing was inserted.
    int insert(const Tvx_StringArray& values, bool automaticName, const Tvx_String& manualName);

  private:
    bool learnPattern(int row);
    int languageColumn() const;

    Tvx_ProfValuesTable table_;
    int startRow_ = -1;
    int nrLanguages_ = 4;
    std::vector<int> pattern_;
    Tvx_StringArray prefixes_;
};

// The place of a new system name among `existing` (see SimpleSectionModel::insert).
int sortedSectionPosition(const Tvx_StringArray& existing, const Tvx_String& sysName);
