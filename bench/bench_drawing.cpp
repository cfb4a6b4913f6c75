// bench_drawing.cpp - `ovss calc --drawing FILE --all --write` on a drawing of 10,000 macros,
// generated at start from the sample drawing's macros (each mapped to its standard), timed
// from reading the drawing to writing it. Reports macros per second and the time per drawing
// (wall clock, over three repetitions).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include <unistd.h>
#include <nlohmann/json.hpp>

#include "standards/calc/CalcCommands.h"

namespace {

namespace fs = std::filesystem;
constexpr int kMacros = 10000;

const fs::path& benchFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("ovss-bench-drawing-" + std::to_string(::getpid()));
    return folder;
}

fs::path library() {
    return fs::path(OVSS_SOURCE_DIR) / "library";
}

// The sample drawing with its macros repeated, in turn, up to `count`; false when the sample
// cannot be read.
bool writeGeneratedDrawing(const fs::path& file, int count) {
    std::ifstream in(library() / "Drawings" / "sample.json");
    nlohmann::json drawing = nlohmann::json::parse(in, nullptr, false);
    if (drawing.is_discarded() || !drawing["macros"].is_array() || drawing["macros"].empty()) {
        return false;
    }
    // Each macro mapped to its standard, as the macro editor's mapping tab stores it.
    const std::pair<const char*, const char*> standards[] = {
        {"EndPlateBeamToColumn", "EndPlateBeamColumn"},
        {"BasePlate", "BasePlate"},
        {"FinPlate", "FinPlate"},
    };
    for (nlohmann::json& item : drawing["macros"]) {
        for (const auto& [macro, standard] : standards) {
            if (item["macro"]["name"] == macro) {
                item["macro"]["settings"]["mapping"] = {
                    {{"spreadsheet", standard}, {"target", macro}}};
            }
        }
    }
    const nlohmann::json sample = drawing["macros"];
    nlohmann::json macros = nlohmann::json::array();
    for (int i = 0; i < count; ++i) {
        macros.push_back(sample[static_cast<std::size_t>(i) % sample.size()]);
    }
    drawing["macros"] = std::move(macros);
    fs::create_directories(file.parent_path());
    std::ofstream(file) << drawing.dump(2);
    return true;
}

void BM_WholeDrawing(benchmark::State& state) {
    const fs::path generated = benchFolder() / "generated.json";
    const fs::path drawing = benchFolder() / "drawing.json";
    if (!fs::exists(generated) && !writeGeneratedDrawing(generated, kMacros)) {
        state.SkipWithError("the sample drawing does not read");
        return;
    }
    ovcalc::DrawingCalcOptions options;
    options.drawing = drawing.string();
    options.libDir = library().string() + "/";
    options.write = true;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(generated, drawing, fs::copy_options::overwrite_existing);
        std::ostringstream out;
        std::ostringstream err;
        state.ResumeTiming();
        if (ovcalc::runDrawingCalc(options, out, err) != ovcalc::kCalcOk) {
            state.SkipWithError(("the drawing did not calculate: " + err.str()).c_str());
            return;
        }
    }
    state.counters["macros/s"] =
        benchmark::Counter(kMacros, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_WholeDrawing)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(benchFolder(), ec);
    return 0;
}
