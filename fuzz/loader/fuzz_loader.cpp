// fuzz_loader.cpp - libFuzzer entry: arbitrary bytes as an .ovs sheet and as CSV/TSV.
// Any input must either load or fail cleanly, and a failed load must leave the grid as it
// was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "grid/Grid.h"
#include "grid/GridCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ovgrid::Grid grid;
    grid.setMaxCols(3);
    grid.setMaxRows(3);
    grid.setValue(1, 1, L"sentinel");
    std::wstring error;
    if (!grid.loadFromMemory(bytes, &error)) {
        std::wstring v;
        grid.getValue(1, 1, v);
        if (v != L"sentinel" || error.empty()) {
            std::abort();  // a failed load changed the grid or gave no reason
        }
    } else {
        grid.recalculateAll();
        (void)grid.getMaxRows();
    }
    ovgrid::Grid table;
    for (wchar_t sep : {L',', L'\t'}) {
        if (ovgrid::importDelimited(table, bytes, sep, &error)) {
            (void)ovgrid::exportDelimited(table, sep);
        }
    }
    return 0;
}
