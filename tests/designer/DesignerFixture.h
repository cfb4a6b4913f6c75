// DesignerFixture.h - a library folder in a temporary folder for one designer test, with helpers
// that make controls.
#pragma once

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "core/TempFolder.h"
#include "core/Tvx_Settings.h"
#include "designer/DesignerTemplates.h"
#include "designer/Tvx_DesignerControl.h"

class DesignerFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        gSettings.resetForTests(temp_.folder() + L"lib", temp_.folder() + L"app");
        root_ = getDesignerRootFolder();
        ASSERT_TRUE(createFolder(root_));
    }
    void TearDown() override { gSettings.resetToDefaults(); }

    static Tvx_DesignerControl control(Tvx_ControlType type, const Tvx_String& contents,
                                       const Tvx_String& list = Tvx_String()) {
        Tvx_DesignerControl c;
        c.type = type;
        c.contents = contents;
        c.setSplitExtComboList(list);
        return c;
    }

    TempFolder temp_;
    Tvx_String root_;
};
