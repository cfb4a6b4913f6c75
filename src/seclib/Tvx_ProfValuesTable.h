// Tvx_ProfValuesTable.h - the dimension table of one user section type (profile type): one row
// per section with its system name, active flag, user names per language and dimension values.
// Read from and written to the type's ".pr" file in the library's "prof\\" folder, shown in and
// read back from a grid, and handed to the section tables of the product.
//
// Columns: 0 "SysName", 1 "I/O" ("1" active, "0" inactive), 2 .. L+1 the user names in the
// languages (L = getNrLanguages()), L+2 and on the dimension values as decimal text.
//
// ".pr" records: the shape alone, then the column names, then one record per row.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"

class Tvx_SectionTableManager;
class Tvx_Spread;

class Tvx_ProfValuesTable {
  public:
    Tvx_ProfValuesTable();
    Tvx_ProfValuesTable(const Tvx_ProfValuesTable& other);
    Tvx_ProfValuesTable& operator=(const Tvx_ProfValuesTable& other);
    virtual ~Tvx_ProfValuesTable();

    // --- rows and columns (Tvx_ProfValuesTable.cpp)
    // Removes every row whose flag (field 1) is "0".
    void removeInactiveEntries();
    // The column's field of every row (empty text for a short row). False when there are no
    // rows or the column lies outside row 0.
    bool getColumn(Tvx_StringArray& out, const int& column) const;
    bool getColumn(Tvx_StringArray& out, const Tvx_String& name) const;
    // Exact match among the column names; -1 when absent.
    int getColumnIdx(const Tvx_String& name) const;
    bool getRow(Tvx_StringArray& out, const int& row) const;
    bool deleteRow(const int& row);
    // 4 user-name languages, or 5 when the header has "Korean" at index 6.
    int getNrLanguages() const;

    // --- names (ProfValuesTableNames.cpp)
    // Full names (type name + "-" + system name) of all rows / of the rows not flagged "0".
    void getSysNames(Tvx_StringArray& out) const;
    void getFilteredSysNames(Tvx_StringArray& out) const;
    void getSysNames(Tvx_StringArray& out, bool filtered) const;
    // A system name not yet used in the table, made from `base`.
    Tvx_String findUnusedSysName(const Tvx_String& base) const;
    bool findSysName(const Tvx_String& name, int& row) const;
    // The row's position among the active rows (rows before it not flagged "1" are not
    // counted); -1 when the row is outside the table.
    int getfilteredIdx(const int& row) const;
    Acad::ErrorStatus setSysName(const int& row, const Tvx_String& name);
    // Sets the user name of every language.
    Acad::ErrorStatus setUserNames(const int& row, const Tvx_String& name);
    // Sets the dimension values; their count must match the row's dimension fields.
    Acad::ErrorStatus setValues(const int& row, const AcArray<double>& values);

    // --- duplicating rows (ProfValuesTableInsert.cpp)
    // Inserts a copy of `row` behind it with a fresh system name and, in the working language,
    // the user name's prefix followed by that name. False for the last row (nothing inserted).
    bool insertRow(const int& row);
    // The same, with the copy named `sysName` and every user name of the copy `userName`.
    // Refused, with the table unchanged, when the copy cannot be made or the name is in use.
    Acad::ErrorStatus insertRow(const int& row, const Tvx_String& sysName,
                                const Tvx_String& userName);

    // --- the ".pr" file (ProfValuesTableFile.cpp); `name` with or without ".pr"
    bool readFromFile(const Tvx_String& name);
    bool writeToFile(const Tvx_String& name) const;

    // --- grid exchange (ProfValuesTableGrid.cpp)
    bool getFromSS(Tvx_Spread& grid);
    bool setToSS(Tvx_Spread& grid) const;

    // --- the product's section tables (ProfValuesTableGlobals.cpp)
    Acad::ErrorStatus setToGlobals(Tvx_SectionTableManager* manager) const;

    Tvx_String typeName;  // base name of the ".pr" file; prefix of every full section name
    Tvx_String shape;     // built-in shape number "1".."24", or a drawing file name ("x.dwg")
    Tvx_StringArray columnNames;
    Tvx_Array<Tvx_StringArray> rows;
};
