// EngineStartupTest.cpp - the engine's one start-up call and the module's unload message: the
// start-up installs the engine's services once and leaves later replacements alone; unloading
// closes the modeless macro dialogs and then the constraints editor through the installed service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/EngineStartup.h"
#include "frame/ModuleEntry.h"
#include "macrodlg/ModelessDialogs.h"
#include "spread/SheetTextSettings.h"
#include "spread/sheetfiles/OvSheetTextSettings.h"

namespace {

class NoSettings : public SheetTextSettingsProvider {
  public:
    bool initSheet(Tvx_Spread&, const Tvx_String&, Tvx_String&, int&) override { return false; }
};

TEST(EngineStartup, InstallsTheSheetSettingsOnceAndKeepsWhatIsInstalledLater) {
    startEngine();
    SheetTextSettingsProvider* started = sheetTextSettingsProvider().get();
    EXPECT_NE(dynamic_cast<OvSheetTextSettings*>(started), nullptr);

    NoSettings replacement;
    ovbase::ScopedService<SheetTextSettingsProvider> installed(sheetTextSettingsProvider(),
                                                               &replacement);
    startEngine();
    EXPECT_EQ(sheetTextSettingsProvider().get(), &replacement);
}

class RecordingDialogs : public ModelessDialogs {
  public:
    void destroyAllMacroDlgs() override { calls.push_back("macro dialogs"); }
    void endDlgEditConstraints() override { calls.push_back("constraints editor"); }
    std::vector<std::string> calls;
};

TEST(ModuleEntry, UnloadClosesTheMacroDialogsThenTheConstraintsEditor) {
    RecordingDialogs dialogs;
    ovbase::ScopedService<ModelessDialogs> installed(modelessDialogs(), &dialogs);
    int appId = 0;
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"macro dialogs", "constraints editor"}));
}

}  // namespace
