// fuzz_settings.cpp - libFuzzer entry: arbitrary bytes as a sheet settings file (".ovd"). A
// file that decodes must encode and decode to the same text; loading by name must either take
// the file or leave the settings as they were.
#include <cstdlib>

#include "base/Utf8.h"
#include "core/Tvx_Settings.h"
#include "spread/sheetfiles/OvSSSettings.h"
#include "spread/sheetfiles/OvSettingsStore.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool configured = [] {
        gSettings.tvxDir = Tvx_String((fuzzsupport::scratchFolder() / "app").wstring()) + L"/";
        return true;
    }();
    (void)configured;
    const std::string_view bytes = fuzzsupport::bytesOf(data, size);
    OvSettingsStore store;
    if (store.decode(Tvx_String(ovbase::fromWindows1252(bytes)))) {
        const Tvx_String text = store.encode();
        OvSettingsStore again;
        if (!again.decode(text) || !(again.encode() == text)) {
            std::abort();  // what we wrote we cannot read back as it was
        }
    }
    fuzzsupport::writeScratchFile("app/Fuzz.ovd", bytes);
    OvSSSettings settings;
    (void)settings.load(L"Fuzz");
    return 0;
}
