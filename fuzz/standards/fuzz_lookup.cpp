// fuzz_lookup.cpp - libFuzzer entry: arbitrary bytes as a lookup table and as a standard-sizes
// file, both read from disk as the sheet functions read them.
#include "standards/functions/LookupTable.h"
#include "standards/functions/StandardSizesFile.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzsupport::bytesOf(data, size);
    (void)ovfunctions::parseLookupLines(fuzzsupport::linesOf(bytes));
    (void)ovfunctions::readLookupTable(fuzzsupport::writeScratchFile("table.txt", bytes));
    (void)ovfunctions::readStandardSizes(fuzzsupport::writeScratchFile("sizes.txt", bytes));
    return 0;
}
