// fuzz_profile_table.cpp - libFuzzer entry: arbitrary bytes as a profile table (".pr") in a
// library's profile folder and as a section library file. A table that cannot be used is
// reported and skipped; lookups on whatever loaded must not fail.
#include "core/sections/SectionLibraryFile.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzsupport::bytesOf(data, size);
    fuzzsupport::writeScratchFile("lib/prof/FUZZ.pr", bytes);
    const Tvx_String libDir = Tvx_String((fuzzsupport::scratchFolder() / "lib").wstring()) + L"/";
    Tvx_SectionTableManager tables;
    Tvx_StringArray problems;
    tables.loadFromLibrary(libDir, &problems);
    for (int t = 0; t < tables.nrTables(); ++t) {
        const Tvx_SectionTable* table = tables.table(t);
        for (int row = 0; row < table->rows.length() && row < 4; ++row) {
            const Tvx_String name = table->fullName(row);
            Tvx_String value;
            Tvx_StringArray names;
            (void)tables.getValue(name, 0, value);
            (void)tables.getValueNames(name, names);
            (void)tables.getUserName(name, value);
        }
    }
    DlgEditLibData library;
    Tvx_String error;
    (void)decodeSectionLibrary(Tvx_String::fromUtf8(bytes), library, error);
    return 0;
}
