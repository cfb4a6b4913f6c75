// fuzz_registry.cpp - libFuzzer entry: arbitrary bytes as the registry store's file. A store
// that cannot be read must still answer (in memory) and say why; keys and values found must be
// readable by name.
#include <cstdlib>

#include "core/Registry.h"
#include "support/FuzzScratch.h"

namespace {

void walk(RegHive hive, const Tvx_String& path, int depth) {
    if (depth > 8) {
        return;
    }
    for (const Tvx_String& name : OvRegistry::enumValues(hive, path)) {
        Tvx_String text;
        DWORD number = 0;
        (void)OvRegistry::getString(hive, path, name, text);
        (void)OvRegistry::getDword(hive, path, name, number);
    }
    for (const Tvx_String& key : OvRegistry::enumSubKeys(hive, path)) {
        walk(hive, path.isEmpty() ? key : path + L"\\" + key, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Tvx_String file =
        fuzzsupport::writeScratchFile("registry.json", fuzzsupport::bytesOf(data, size));
    static const bool configured = [&file] {
        setenv("OVSS_REGISTRY", std::string(file.toUtf8()).c_str(), 1);
        return true;
    }();
    (void)configured;
    OvRegistry::reload();
    (void)OvRegistry::keyExists(RegHive::CurrentUser, L"Software");
    if (!OvRegistry::persistent() && OvRegistry::lastError().isEmpty()) {
        std::abort();  // a store refused without a reason
    }
    for (auto hive : {RegHive::CurrentUser, RegHive::LocalMachine, RegHive::ClassesRoot}) {
        walk(hive, Tvx_String(), 0);
    }
    return 0;
}
