// SectionTableLoader.cpp - filling the section tables from the library's profile folder. A file
// that cannot be used is reported and skipped; the others still load.
#include <utility>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/TableFile.h"
#include "core/sections/ProfileFile.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "host/HostServices.h"

namespace {

struct ParsedTable {
    Tvx_String shape;
    Tvx_StringArray columnNames;  // without "I/O"
    Tvx_Array<Tvx_StringArray> rows;
};

// Empty on success, else why the file cannot be used.
Tvx_String parseProfileTable(const Tvx_String& path, ParsedTable& out) {
    Tvx_String ignoredName;
    Tvx_TableRecords records;
    if (!readFile(path, ignoredName, records)) {
        return L"not a readable table file";
    }
    if (records.length() < 2) {
        return L"no column names";
    }
    Tvx_StringArray columns = records[1];
    if (columns.length() < 2 || !(columns[0] == kSysNameColumn)) {
        return L"the header does not start with \"SysName\" and \"I/O\"";
    }
    out.shape = records[0].isEmpty() ? Tvx_String() : records[0][0];
    if (out.shape.hasSubString(L".", true)) {
        out.shape = L"Prof\\" + out.shape;  // a drawing file lives in the profile folder
    }
    columns.removeAt(1);
    out.columnNames = std::move(columns);
    for (int r = 2; r < records.length(); ++r) {
        Tvx_StringArray row = records[r];
        if (row.length() > 1) {
            row.removeAt(1);
        }
        out.rows.append(std::move(row));
    }
    return {};
}

}  // namespace

bool Tvx_SectionTableManager::loadFromLibrary(const Tvx_String& libDir, Tvx_StringArray* problems) {
    loading_ = true;
    removeAll();
    problems_.removeAll();
    const Tvx_StringArray files = listFiles(libDir + L"prof\\", L"*.pr", true);
    for (const Tvx_String& path : files) {
        ParsedTable parsed;
        Tvx_String problem = parseProfileTable(path, parsed);
        if (problem.isEmpty() && addSectionTable(getFileName(path), parsed.shape,
                                                 parsed.columnNames, parsed.rows) != Acad::eOk) {
            problem = L"a table of that name is already loaded";
        }
        if (!problem.isEmpty()) {
            problems_.append(L"Profile table " + path + L" skipped: " + problem + L".");
            acutPrintf(L"\n%s", problems_.last().c_str());
        }
    }
    loaded_ = true;
    loading_ = false;
    if (problems != nullptr) {
        *problems = problems_;
    }
    return problems_.isEmpty();
}

bool loadSectionTables(const Tvx_String& libDir) {
    return gSectionTables.loadFromLibrary(libDir);
}
