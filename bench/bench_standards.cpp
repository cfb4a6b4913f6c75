// bench_standards.cpp - end-to-end standards calculations per second (load, values in,
// equations, values out) on generated standards: a typical one (50 variables, 100 equations)
// and a large one (100 variables, 500 equations, one CallChild level); and on the sample
// library's standards with the inputs of the demo. Besides mean and median each reports its
// fastest repetition ("min"), the figure least disturbed by other work on the machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "core/Tvx_Settings.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "grid/Grid.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/macroaccess/OvDlgStandardsData.h"

namespace {

namespace fs = std::filesystem;

const fs::path& benchFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("ovss-bench-standards-" + std::to_string(::getpid()));
    return folder;
}

void setText(ovgrid::Grid& grid, int col, int row, const std::wstring& text) {
    if (row > grid.getMaxRows()) {
        grid.setMaxRows(row);
    }
    grid.setData(col, row, text);
}

// Inputs I0.., Outputs O0.., Locals L0..; equations cycle through the Local and Output
// variables, each built from Inputs and earlier results. With a child, the first Calc row
// hands two Inputs and one Output to Child.ovs.
void writeStandard(const fs::path& file, int inputs, int outputs, int locals, int equations,
                   bool withChild) {
    ovgrid::Grid grid;
    grid.setMaxCols(2);
    int row = 0;
    setText(grid, 1, ++row, L"Input");
    for (int i = 0; i < inputs; ++i)
        setText(grid, 1, ++row, L"Double I" + std::to_wstring(i));
    setText(grid, 1, ++row, L"Output");
    for (int i = 0; i < outputs; ++i)
        setText(grid, 1, ++row, L"Double O" + std::to_wstring(i));
    setText(grid, 1, ++row, L"Local");
    for (int i = 0; i < locals; ++i)
        setText(grid, 1, ++row, L"Double L" + std::to_wstring(i));
    setText(grid, 1, ++row, L"Calc");
    if (withChild) {
        setText(grid, 1, ++row, L"CallChild(\"Child.ovs\", I0, I1, O0)");
    }
    for (int e = 0; e < equations; ++e) {
        const int target = e % (outputs + locals);
        const std::wstring left = target < locals ? L"L" + std::to_wstring(target)
                                                  : L"O" + std::to_wstring(target - locals);
        const std::wstring a = L"I" + std::to_wstring(e % inputs);
        const std::wstring b = L"I" + std::to_wstring((e * 7 + 3) % inputs);
        const std::wstring c = L"L" + std::to_wstring((e + 1) % locals);
        setText(grid, 1, ++row,
                left + L" = ROUND(" + a + L" * 2 + " + b + L" / 3 + " + c + L", 2) + MAX(" + a +
                    L", 1)");
    }
    grid.saveToFile(file);
}

void prepare() {
    const Tvx_String folder = Tvx_String::fromUtf8(benchFolder().string());
    gSettings.resetForTests(folder, folder);
    static bool done = false;
    if (done)
        return;
    done = true;
    fs::create_directories(benchFolder() / "Connection Standards");
    const fs::path standards = benchFolder() / "Connection Standards";
    writeStandard(standards / "Typical.ovs", 10, 20, 20, 100, false);
    writeStandard(standards / "Large.ovs", 30, 30, 40, 500, true);
    writeStandard(standards / "Child.ovs", 2, 1, 5, 10, false);
    // Library sheets are old files; a file written a moment ago is re-read on every use.
    for (const auto& entry : fs::directory_iterator(standards)) {
        fs::last_write_time(entry.path(),
                            fs::last_write_time(entry.path()) - std::chrono::hours(1));
    }
}

OvDlgStandardsData request(const wchar_t* name, int inputs, int outputs) {
    OvDlgStandardsData data;
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = name;
    for (int i = 0; i < inputs + outputs; ++i) {
        OvVarCell cell;
        cell.name = Tvx_String::fromInt(i);
        cell.cellType = i < inputs ? OvCellInput : OvCellOutput;
        cell.valueType = OvValueDouble;
        cell.value = i < inputs ? Tvx_String::fromInt(i + 5) : Tvx_String(L"0");
        data.varCells.append(cell);
    }
    return data;
}

// Each iteration computes a fresh copy of the request, end to end.
void timeCalculations(benchmark::State& state, const OvDlgStandardsData& templateData) {
    for (auto _ : state) {
        OvDlgStandardsData data = templateData;
        if (!StartDlgStandardsSS(data)) {
            state.SkipWithError("calculation failed");
            break;
        }
        benchmark::DoNotOptimize(data);
    }
    state.SetItemsProcessed(state.iterations());
}

void runCalculation(benchmark::State& state, const wchar_t* name, int inputs, int outputs) {
    prepare();
    timeCalculations(state, request(name, inputs, outputs));
}

using Inputs = std::vector<std::pair<std::wstring, std::wstring>>;

// The list a caller passes for a sample standard: its Input and Output variables in sheet
// order, the Inputs named in `inputs` with their values.
OvDlgStandardsData sampleRequest(const fs::path& sheet, const Inputs& inputs) {
    OvDlgStandardsData data;
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = Tvx_String::fromUtf8(sheet.string());
    HeadlessGridHost host;
    host.addControl(1, {0, 0, 400, 300});
    Tvx_Spread spread;
    OvVarCells declared;
    if (!spread.create(&host, 1, false) || !spread.SSLoadFromFile(sheet) ||
        declared.findVarCells(spread) != Acad::eOk) {
        return data;
    }
    for (const OvVarCell& cell : declared) {
        if (cell.isLocal()) {
            continue;
        }
        OvVarCell entry = cell;
        entry.col = 0;
        entry.row = 0;
        entry.value = Tvx_String();
        for (const auto& [name, value] : inputs) {
            if (cell.isInput() && cell.name.wstr() == name) {
                entry.value = Tvx_String(value);
            }
        }
        data.varCells.append(entry);
    }
    return data;
}

void runSample(benchmark::State& state, const char* sheet, const Inputs& inputs) {
    const fs::path library = fs::path(OVSS_SOURCE_DIR) / "library";
    const Tvx_String folder = Tvx_String::fromUtf8(library.string() + "/");
    gSettings.resetForTests(folder, folder);
    if (!loadSectionTables(gSettings.libDir)) {
        state.SkipWithError("the sample library's section tables do not load");
        return;
    }
    timeCalculations(state, sampleRequest(library / "Connection Standards" / sheet, inputs));
    gSectionTables.removeAll();
}

void BM_SampleEndPlateBeamColumn(benchmark::State& state) {
    runSample(
        state, "EndPlateBeamColumn.ovs",
        {{L"BeamSection", L"IPE300"}, {L"ColumnSection", L"HEB200"}, {L"BoltDiameter", L"20"}});
}
void BM_SampleBasePlate(benchmark::State& state) {
    runSample(state, "BasePlate.ovs", {{L"Column.Name", L"HEB300"}, {L"Anchor.Diameter", L"24"}});
}
void BM_SampleFinPlate(benchmark::State& state) {
    runSample(state, "FinPlate.ovs",
              {{L"BeamSection", L"IPE400"}, {L"BoltDiameter", L"20"}, {L"Shear", L"300"}});
}

void BM_TypicalStandard(benchmark::State& state) {
    runCalculation(state, L"Typical", 10, 20);
}
void BM_LargeStandardWithChild(benchmark::State& state) {
    runCalculation(state, L"Large", 30, 30);
}

double fastest(const std::vector<double>& runs) {
    return runs.empty() ? 0.0 : *std::min_element(runs.begin(), runs.end());
}

}  // namespace

#define OVSS_STANDARDS_BENCHMARK(name)  \
    BENCHMARK(name)                     \
        ->Unit(benchmark::kMicrosecond) \
        ->Repetitions(5)                \
        ->ComputeStatistics("min", fastest)

OVSS_STANDARDS_BENCHMARK(BM_TypicalStandard);
OVSS_STANDARDS_BENCHMARK(BM_LargeStandardWithChild);
OVSS_STANDARDS_BENCHMARK(BM_SampleEndPlateBeamColumn);
OVSS_STANDARDS_BENCHMARK(BM_SampleBasePlate);
OVSS_STANDARDS_BENCHMARK(BM_SampleFinPlate);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(benchFolder(), ec);
    return 0;
}
