// fuzz_mapping.cpp - libFuzzer entry: arbitrary bytes as a spreadsheet's ".map" file, read by
// line and through the file the engine looks up beside the sheet.
#include "standards/mapping/MappingFileCheck.h"
#include "standards/mapping/MappingLine.h"
#include "standards/mapping/OvSSMapping.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzsupport::bytesOf(data, size);
    const Tvx_StringArray lines = fuzzsupport::linesOf(bytes);
    const Tvx_StringArray mappingLines = mappingLinesOf(lines);
    for (const Tvx_String& line : mappingLines) {
        OvSSMapping mapping;
        mapping.initMappingFromLine(line);
        OvSSMapping copy;
        copy.initMappingFromLine(line);
        (void)mapping.isEqual(copy);
    }
    const Tvx_StringArray keys = mappingLineKeys(mappingLines);

    fuzzsupport::writeScratchFile("Fuzz.ovs", "");
    const Tvx_String sheet = fuzzsupport::writeScratchFile("Fuzz.map", bytes);
    const Tvx_String sheetName = sheet.left(sheet.length() - 4) + L".ovs";
    Tvx_StringArray fileKeys;
    Tvx_String reason;
    (void)readMappingKeys(sheetName, fileKeys, reason);
    if (!keys.isEmpty()) {
        OvSSMapping mapping;
        (void)mapping.getMappingFromFile(sheetName, keys[0]);
    }
    return 0;
}
