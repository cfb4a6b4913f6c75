// ProfTestSupport.h - a temporary library folder for one test and small profile tables.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "core/TempFolder.h"
#include "core/Tvx_Settings.h"
#include "seclib/Tvx_ProfValuesTable.h"

// Points the library folder at an empty temporary folder with a "prof" sub-folder.
class TempLibraryTest : public ::testing::Test {
  protected:
    TempLibraryTest() {
        gSettings.resetForTests(temp.folder(), temp.folder());
        std::filesystem::create_directories(temp.path() / "prof");
    }
    ~TempLibraryTest() override { gSettings.resetToDefaults(); }

    std::filesystem::path profFile(const std::string& name) const {
        return temp.path() / "prof" / name;
    }
    void writeRaw(const std::string& name, const std::string& bytes) const {
        std::ofstream(profFile(name), std::ios::binary) << bytes;
    }

    TempFolder temp;
};

inline Tvx_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Tvx_StringArray out;
    for (const wchar_t* item : items) {
        out.append(item);
    }
    return out;
}

inline Tvx_StringArray fourLanguageHeader(std::initializer_list<const wchar_t*> dimensions) {
    Tvx_StringArray header =
        texts({L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German"});
    for (const wchar_t* name : dimensions) {
        header.append(name);
    }
    return header;
}

// A section row of a four-language table: every user name the same.
inline Tvx_StringArray sectionRow(const wchar_t* sysName, const wchar_t* flag,
                                  const wchar_t* userName,
                                  std::initializer_list<const wchar_t*> values) {
    Tvx_StringArray row = texts({sysName, flag, userName, userName, userName, userName});
    for (const wchar_t* value : values) {
        row.append(value);
    }
    return row;
}

// IPE with three sections: 100 (active), 120 (inactive), 140 (active).
inline Tvx_ProfValuesTable sampleIpe() {
    Tvx_ProfValuesTable table;
    table.typeName = L"IPE";
    table.shape = L"1";
    table.columnNames = fourLanguageHeader({L"h", L"b"});
    table.rows.append(sectionRow(L"100", L"1", L"IPE100", {L"100", L"55"}));
    table.rows.append(sectionRow(L"120", L"0", L"IPE120", {L"120", L"64"}));
    table.rows.append(sectionRow(L"140", L"1", L"IPE140", {L"140", L"73"}));
    return table;
}
