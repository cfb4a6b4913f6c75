// WorkbenchFixture.h - a calling sheet with FROMTABLE registered, the bolts table fixture
// copied into a temporary folder, and the command line recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/Paths.h"
#include "core/TempFolder.h"
#include "host/HostServices.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "spread/workbench/FromTable.h"

class WorkbenchTest : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1001;

    WorkbenchTest() : host({0, 0, 800, 600}) {
        host.addControl(kGridId, {10, 10, 410, 310});
        EXPECT_TRUE(sheet.create(&host, kGridId, true));
        sheet.setMaxCols(6);
        sheet.setMaxRows(6);
        registerFromTable(sheet);
        std::filesystem::copy_file(std::string(OVSS_TEST_DATA) + "/sheets/bolts.ovs",
                                   temp.path() / "bolts.ovs");
    }

    Tvx_String bolts() const { return path("bolts.ovs"); }
    Tvx_String path(const char* name) const { return fromFileSystemPath(temp.path() / name); }
    // A FROMTABLE formula text with the table path quoted.
    static Tvx_String call(const Tvx_String& table, const Tvx_String& rest) {
        return L"FROMTABLE(\"" + table + L"\"" + (rest.isEmpty() ? L"" : L"," + rest) + L")";
    }
    Tvx_String value(int col, int row) const {
        Tvx_String out;
        sheet.getCellText(col, row, out);
        return out;
    }
    // The "Result is" lines printed so far.
    std::vector<Tvx_String> resultLines() const {
        std::vector<Tvx_String> found;
        for (const std::wstring& line : recorder.lines())
            if (line.starts_with(L"Result is"))
                found.push_back(line);
        return found;
    }

    TempFolder temp;
    HostRecorder recorder;
    HeadlessGridHost host;
    Tvx_Spread sheet;
};
