// fuzz_template.cpp - libFuzzer entry: arbitrary bytes as a designer template below the
// designer folder. A template that reads must write and read back; one that does not must
// leave the object as it was and say why.
#include <cstdlib>

#include "core/Tvx_Settings.h"
#include "designer/DesignerTemplates.h"
#include "designer/Tvx_DlgDesignerData.h"
#include "support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool configured = [] {
        gSettings.libDir = Tvx_String((fuzzsupport::scratchFolder() / "lib").wstring()) + L"/";
        return true;
    }();
    (void)configured;
    const std::string relative = "lib/Dialog Templates/Dialog Design/fuzz.txt";
    const Tvx_String path =
        fuzzsupport::writeScratchFile(relative, fuzzsupport::bytesOf(data, size));
    Tvx_DlgDesignerData dialog;
    if (!dialog.readFromFile(path, false)) {
        if (dialog.lastError().isEmpty() || !dialog.controls().isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const Tvx_String copy = getDesignerRootFolder() + L"copy.txt";
    Tvx_DlgDesignerData again;
    if (!dialog.writeToFile(copy) || !again.readFromFile(copy, false) ||
        again.controls().length() != dialog.controls().length()) {
        std::abort();  // what we wrote we cannot read back
    }
    return 0;
}
