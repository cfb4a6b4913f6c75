// SampleDrawing.h - the end-plate sample drawing of tests/data, loaded once per test.
#pragma once

#include <gtest/gtest.h>

#include "core/macro/MacroOperations.h"
#include "core/macro/Tvx_Drawing.h"

class SampleDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(
            Tvx_String::fromUtf8(OVSS_TEST_DATA "/drawings/endplate_beam_column.json"), error))
            << error;
        dbMacro = drawing.macros().front().get();
        macro = dbMacro->macroWrite();
    }

    Tvx_Module* module(const wchar_t* name) {
        Tvx_Module* found = nullptr;
        EXPECT_EQ(findModuleWrite(macro, name, found), Acad::eOk) << Tvx_String(name);
        return found;
    }

    Tvx_Drawing drawing;
    Tvx_DbMacro* dbMacro = nullptr;
    Tvx_Macro* macro = nullptr;
};
