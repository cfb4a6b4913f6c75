// SheetCache.cpp - parsed standards sheets kept per file while the file stays the same.
#include "standards/calc/SheetCache.h"

#include "core/KeptFiles.h"
#include "grid/Grid.h"
#include "standards/calc/CalcPlan.h"

namespace {

// Sheets kept at most, and cells kept at most over all of them.
constexpr std::size_t kMaxKeptSheets = 32;
constexpr std::size_t kMaxKeptCells = 500'000;

KeptFiles<OvCalcPlan>& sheetCache() {
    static KeptFiles<OvCalcPlan> cache(kMaxKeptSheets, kMaxKeptCells, [](const OvCalcPlan& plan) {
        return plan.sheet()->cells().size();
    });
    return cache;
}

}  // namespace

std::shared_ptr<OvCalcPlan> keptSheet(const Tvx_String& path) {
    return sheetCache().get(path, [](const std::string& bytes) -> std::shared_ptr<OvCalcPlan> {
        auto sheet = std::make_shared<ovgrid::Grid>();
        if (!sheet->loadFromMemory(bytes)) {
            return nullptr;
        }
        return std::make_shared<OvCalcPlan>(std::move(sheet));
    });
}

void clearSheetCache() {
    sheetCache().clear();
}
