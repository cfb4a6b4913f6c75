// SampleMacros.h - the bundled library's sample drawing, loaded with the library as the current
// library folder, and the dialog record of one of its macros.
#pragma once

#include <gtest/gtest.h>

#include "core/Tvx_Settings.h"
#include "core/macro/BaseProfilesTab.h"
#include "core/macro/MacroData.h"
#include "core/macro/Tvx_Drawing.h"

class SampleMacrosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousLibDir_ = gSettings.libDir;
        gSettings.libDir =
            Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/"));
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(gSettings.libDir + L"Drawings\\sample.json", error))
            << error;
    }
    void TearDown() override { gSettings.libDir = previousLibDir_; }

    Tvx_DbMacro* macroNamed(const wchar_t* name) {
        for (const auto& dbMacro : drawing.macros()) {
            if (dbMacro->macro() != nullptr && dbMacro->macro()->name() == name) {
                return dbMacro.get();
            }
        }
        ADD_FAILURE() << "no macro " << Tvx_String(name).toUtf8();
        return nullptr;
    }
    MacroData recordOf(const wchar_t* name) {
        MacroData data;
        EXPECT_EQ(buildDialogMacroData(macroNamed(name), data), Acad::eOk);
        return data;
    }
    double variable(const wchar_t* macro, const wchar_t* module, const wchar_t* name) {
        const Tvx_Module* found = macroNamed(macro)->macro()->findModule(module);
        const Tvx_DialogVariable* variable = found ? found->findVariable(name) : nullptr;
        EXPECT_NE(variable, nullptr) << Tvx_String(name).toUtf8();
        return variable ? variable->value : -1.0;
    }

    Tvx_Drawing drawing;

  private:
    Tvx_String previousLibDir_;
};
