// fuzz_drawing.cpp - libFuzzer entry: arbitrary bytes as a drawing file. A drawing that loads
// must save and load again; one that does not must stay as it was and say why.
#include <cstdlib>

#include "core/macro/Tvx_Drawing.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tvx_Drawing drawing;
    Tvx_String error;
    if (!drawing.loadFromJson(fuzzsupport::bytesOf(data, size), error)) {
        if (error.isEmpty() || !drawing.macros().empty()) {
            std::abort();  // refused without a reason, or refused but changed
        }
        return 0;
    }
    Tvx_Drawing again;
    if (!again.loadFromJson(drawing.toJson(), error) ||
        again.macros().size() != drawing.macros().size()) {
        std::abort();  // what we wrote we cannot read back
    }
    return 0;
}
