// MacroAccessFixture.h - the end-plate sample drawing with its dialog record, a calculation
// request on it, a temporary library folder (for mapping files) and two section tables, so that
// base-profile properties can be looked up.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/Tvx_Settings.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/MacroOperations.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "standards/StandardsFixture.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

class MacroAccessTest : public StandardsLibrary {
  protected:
    void SetUp() override {
        StandardsLibrary::SetUp();
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(
            Tvx_String::fromUtf8(OVSS_TEST_DATA "/drawings/endplate_beam_column.json"), error))
            << error;
        dbMacro = drawing.macros().front().get();
        macro = dbMacro->macroWrite();
        ASSERT_EQ(buildMacroData(dbMacro, macroData), Acad::eOk);
        addSectionTables();
        record.transaction = &transaction;
    }

    // A request for `moduleName` ("Module." + group or a mapping key) of the sheet "EndPlate".
    OvDlgStandardsData& request(const wchar_t* moduleName) {
        EXPECT_EQ(record.initialize(dbMacro, L"EndPlate", moduleName, &macroData), Acad::eOk);
        return record;
    }

    // Writes the mapping file of the sheet "EndPlate" (UTF-8).
    void writeMappingFile(const std::wstring& content) {
        const std::filesystem::path folder = path("Connection Standards");
        std::filesystem::create_directories(folder);
        std::ofstream out(folder / "EndPlate.map", std::ios::binary);
        out << Tvx_String(content).toUtf8();
    }

    Tvx_Module* module(const wchar_t* name) { return macro->findModule(name); }
    double moduleVariable(const wchar_t* moduleName, const wchar_t* name) {
        const Tvx_DialogVariable* found = module(moduleName)->findVariable(name);
        return found != nullptr ? found->value : -1.0;
    }
    MacroTabData* tab(const wchar_t* group) { return macroData.getTab(macroData.findTab(group)); }

    Tvx_Drawing drawing;
    Tvx_DbMacro* dbMacro = nullptr;
    Tvx_Macro* macro = nullptr;
    MacroData macroData;
    AcTransaction transaction;
    OvDlgStandardsData record;

  private:
    static void addSectionTables() {
        const Tvx_StringArray columns{L"SysName", L"Dutch", L"English", L"French",
                                      L"German",  L"h",     L"b",       L"tw"};
        ASSERT_EQ(gSectionTables.addSectionTable(L"IPE.pr", L"1", columns,
                                                 {{L"300", L"IPE300", L"IPE300", L"IPE300",
                                                   L"IPE300", L"300", L"150", L"7.1"}}),
                  Acad::eOk);
        ASSERT_EQ(gSectionTables.addSectionTable(
                      L"HEB.pr", L"1", columns,
                      {{L"200", L"HEB200", L"HEB200", L"HEB200", L"HEB200", L"200", L"200", L"9"}}),
                  Acad::eOk);
    }
};
