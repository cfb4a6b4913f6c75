// CalcFixture.h - the standards fixture library plus the calculation sheets of
// tests/data/standards/calc, converted from their tab-separated form into .ovs files of the
// library's "Connection Standards" folder (Child into "Childs", StandardsTest into "Test").
// The dialog pool starts empty and calculation warnings start off.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/MessageService.h"
#include "grid/Grid.h"
#include "grid/GridCsv.h"
#include "host/HostServices.h"
#include "standards/StandardsFixture.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"
#include "standards/pool/OvSSDlgsMgr.h"

class CalcTest : public StandardsLibrary {
  protected:
    void SetUp() override {
        StandardsLibrary::SetUp();
        gSSDlgsMgr.destroyAll();
        gSettings.current.calcWarnings = false;
        const std::filesystem::path standards = path("Connection Standards");
        for (const auto& entry :
             std::filesystem::directory_iterator(OVSS_TEST_DATA "/standards/calc")) {
            const std::string name = entry.path().stem().string();
            std::filesystem::path target = standards / (name + ".ovs");
            if (name == "Child") {
                target = standards / "Childs" / "Child.ovs";
            } else if (name == "StandardsTest") {
                target = standards / "Test" / "StandardsTest.ovs";
            }
            std::filesystem::create_directories(target.parent_path());
            ovgrid::Grid grid;
            std::wstring error;
            ASSERT_TRUE(ovgrid::importDelimitedFile(grid, entry.path(), L'\t', &error)) << name;
            ASSERT_TRUE(grid.saveToFile(target, 0, &error)) << name;
        }
    }
    void TearDown() override {
        gSSDlgsMgr.destroyAll();
        StandardsLibrary::TearDown();
    }

    static OvVarCell variable(const wchar_t* name, OvCellType cellType, const wchar_t* value,
                              OvValueType valueType = OvValueDouble) {
        OvVarCell cell;
        cell.name = name;
        cell.cellType = cellType;
        cell.valueType = valueType;
        cell.value = value;
        return cell;
    }

    // A list-mode request of the named standard.
    static OvDlgStandardsData listRequest(const wchar_t* sheet,
                                          std::initializer_list<OvVarCell> cells) {
        OvDlgStandardsData data;
        data.mode = OvDlgStandardsData::ListMode;
        data.ssFile = sheet;
        for (const OvVarCell& cell : cells) {
            data.varCells.append(cell);
        }
        return data;
    }

    static Tvx_String valueOf(const OvDlgStandardsData& data, const wchar_t* name) {
        int index = -1;
        return data.varCells.findVarCell(name, index) == Acad::eOk ? data.varCells[index].value
                                                                   : Tvx_String(L"<absent>");
    }

    MessageRecorder messages;
};
