// MacroPageBindingTests.cpp - designed controls bound to a macro tab or dropped, and the grid rows
// of what the image leaves out, on the bundled sample drawing and its templates.
#include <gtest/gtest.h>

#include "SampleMacros.h"
#include "designer/DesignerTemplates.h"
#include "macrodlg/MacroPageBinding.h"

namespace {

class MacroPageBinding : public SampleMacrosTest {
  protected:
    void SetUp() override {
        SampleMacrosTest::SetUp();
        designer.setIdRange(33000, 33099);
    }
    void readTemplate(const MacroTabData& tab) {
        designer.setIdRange(33000, 33099);
        ASSERT_TRUE(designer.readFromFile(getFileFromName(tab.templatePath), false))
            << designer.lastError().toUtf8();
    }
    void add(Tvx_ControlType type, const wchar_t* contents) {
        Tvx_DesignerControl control;
        control.type = type;
        control.contents = contents;
        control.bottomRightX = control.bottomRightY = 0.1;
        designer.append(control);
    }
    static Tvx_StringArray rowNames(const MacroPageModel& page) {
        Tvx_StringArray names;
        for (const MacroGridRow& row : page.rows) {
            names.append(row.name);
        }
        return names;
    }

    Tvx_DlgDesignerData designer;
    MacroPageModel page;
};

TEST_F(MacroPageBinding, EndPlatePagePlacesItsVariablesAndListsTheRest) {
    MacroData data = recordOf(L"EndPlateBeamToColumn");
    MacroTabData& plate = data.tabs[data.findTab(L"Plate")];
    ASSERT_EQ(plate.templatePath, L"Macro End Plate");
    readTemplate(plate);
    const int controls = designer.getNrControls();
    buildMacroPage(plate, &designer, page);

    EXPECT_TRUE(page.dropped.isEmpty());
    EXPECT_EQ(designer.getNrControls(), controls);
    EXPECT_EQ(rowNames(page), Tvx_StringArray{L"BottomExtension"});
    EXPECT_EQ(plate.findCellWithName(L"BottomExtension")->ctrl, -1);
    const MacroCellData* thickness = plate.findCellWithName(L"Thickness");
    EXPECT_GE(thickness->ctrl, 33000);
    EXPECT_LE(thickness->ctrl, 33099);
    EXPECT_GE(plate.findCellWithName(L"Stiffeners")->ctrl, 33000);  // the check box
    for (const MacroControlBinding& binding : page.controls) {
        if (binding.id == thickness->ctrl) {
            EXPECT_EQ(binding.caption, L"15");
        }
    }
}

TEST_F(MacroPageBinding, AFullyPlacedImageLeavesNoGridRows) {
    MacroData data = recordOf(L"EndPlateBeamToColumn");
    MacroTabData& bolts = data.tabs[data.findTab(L"Bolts")];
    readTemplate(bolts);
    buildMacroPage(bolts, &designer, page);
    EXPECT_TRUE(page.dropped.isEmpty());
    EXPECT_TRUE(page.rows.empty());
    const MacroPatternProps* p1 = bolts.findPatternWithName(L"P1");
    EXPECT_GT(p1->nameCtrl, 0);
    EXPECT_GT(p1->countCtrl, 0);
    EXPECT_GT(p1->btnCtrl, 0);
}

TEST_F(MacroPageBinding, ATabWithoutImageListsEveryCellAndPattern) {
    MacroData data = recordOf(L"BasePlate");
    MacroTabData& anchors = data.tabs[data.findTab(L"Anchors")];
    buildMacroPage(anchors, nullptr, page);
    EXPECT_EQ(rowNames(page), (Tvx_StringArray{L"SpacingX", L"SpacingY", L"Anchors"}));
    ASSERT_EQ(page.rows.size(), 3u);
    EXPECT_EQ(page.rows[2].kind, MacroGridRow::Pattern);
    EXPECT_TRUE(page.rows[2].hasButton);
    const MacroPatternProps* pattern = anchors.findPatternWithName(L"Anchors");
    EXPECT_EQ(pattern->nameCtrl, -3);
    EXPECT_EQ(pattern->countCtrl, -3);
    EXPECT_EQ(pattern->btnCtrl, -3);
}

TEST_F(MacroPageBinding, ControlsNamingWhatTheTabLacksAreDropped) {
    MacroData data = recordOf(L"EndPlateBeamToColumn");
    MacroTabData& bolts = data.tabs[data.findTab(L"Bolts")];
    add(0, L"Pitch");       // a label binds always
    add(2, L"Pitch");       // bound
    add(2, L"NoSuchCell");  // dropped
    add(4, L"NoPattern");   // dropped
    add(13, L"NoGroup");    // dropped
    add(28, L"NoCut");      // dropped
    add(27, L"Block");      // the tab has no block choice: dropped
    add(30, L"Flex");       // no flex-fix group: dropped
    buildMacroPage(bolts, &designer, page);
    EXPECT_EQ(page.dropped, (Tvx_StringArray{L"NoSuchCell", L"NoPattern", L"NoGroup", L"NoCut",
                                             L"Block", L"Flex"}));
    EXPECT_EQ(designer.getNrControls(), 2);
    EXPECT_EQ(page.controls.size(), 2u);
    // Gauge and the pattern are not on the image: the grid shows them.
    EXPECT_EQ(rowNames(page), (Tvx_StringArray{L"Gauge", L"P1"}));
}

TEST_F(MacroPageBinding, ACountControlWithUnknownCountIsDropped) {
    MacroData data = recordOf(L"EndPlateBeamToColumn");
    MacroTabData& bolts = data.tabs[data.findTab(L"Bolts")];
    bolts.findPatternWithName(L"P1")->count1 = L"many";
    add(4, L"P1");
    add(5, L"P1");
    buildMacroPage(bolts, &designer, page);
    EXPECT_EQ(page.dropped, Tvx_StringArray{L"P1"});
    EXPECT_EQ(designer.getNrControls(), 1);
    ASSERT_EQ(page.rows.size(), 3u);  // Pitch, Gauge, and the pattern without a count control
    EXPECT_EQ(page.rows[2].name, L"P1");
    EXPECT_EQ(page.rows[2].value, L"");  // an unknown count is not shown
}

}  // namespace
