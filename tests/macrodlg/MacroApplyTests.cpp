// MacroApplyTests.cpp - what Apply writes to the drawing, what it refuses, property files and
// the recomputation through the connection standards, on the bundled sample drawing.
#include <gtest/gtest.h>

#include <filesystem>

#include "SampleMacros.h"
#include "core/Tvx_PropertiesList.h"
#include "core/macro/MacroDialogOperations.h"
#include "macrodlg/MacroStandardsLoad.h"
#include "macrodlg/MacroTabApply.h"

namespace {

class MacroApply : public SampleMacrosTest {
  protected:
    void SetUp() override {
        SampleMacrosTest::SetUp();
        data = recordOf(L"EndPlateBeamToColumn");
        plate = data.findTab(L"Plate");
        ASSERT_GE(plate, 0);
    }
    MacroTabData editedPlate(const wchar_t* cell, const wchar_t* value) {
        MacroTabData edited = data.tabs[plate];
        edited.findCellWithName(cell)->value = value;
        return edited;
    }

    MacroData data;
    int plate = -1;
    int updates = 0;
    MacroUpdateModule counting = [this](const Tvx_String&, MacroData&, const Tvx_Array<int>&,
                                        const Tvx_Array<int>&) {
        ++updates;
        return true;
    };
};

TEST_F(MacroApply, TheSameTextCallsNoUpdate) {
    const MacroApplyResult result =
        applyTabEdits(data, plate, editedPlate(L"Thickness", L"15"), counting);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(updates, 0);
}

TEST_F(MacroApply, AChangedValueReachesTheDrawingAtOnce) {
    const MacroApplyResult result = applyTabEdits(data, plate, editedPlate(L"Thickness", L"20"));
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"Thickness"), 20.0);
    EXPECT_EQ(data.tabs[plate].findCellWithName(L"Thickness")->value, L"20");
}

TEST_F(MacroApply, TextInANumberIsRefusedAndChangesNothing) {
    const MacroApplyResult result =
        applyTabEdits(data, plate, editedPlate(L"Thickness", L"thick"), counting);
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(updates, 0);
    EXPECT_NE(result.reason.find(L"Thickness"), -1);
    EXPECT_NE(result.reason.find(L"\"thick\""), -1);
    EXPECT_EQ(data.tabs[plate].findCellWithName(L"Thickness")->value, L"15");
    EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"Thickness"), 15.0);

    MacroTabData bolts = data.tabs[data.findTab(L"Bolts")];
    bolts.findPatternWithName(L"P1")->count1 = L"0";
    EXPECT_TRUE(applyTabEdits(data, data.findTab(L"Bolts"), bolts, counting).refused);
    EXPECT_EQ(updates, 0);
}

TEST_F(MacroApply, PropertyFilesTakeWhatTheyCanAndCountTheRest) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "ovss_macro_props";
    std::filesystem::create_directories(folder);
    const Tvx_String path = Tvx_String::fromUtf8((folder / "EndPlate.ovp").string());
    Tvx_PropertiesList list;
    list.setProperty(L"Plate.Thickness", L"25");
    list.setProperty(L"Plate.Width", L"wide");       // not a number
    list.setProperty(L"Plate.NoSuchCell", L"1");     // no such cell
    list.setProperty(L"NoSuchTab.Thickness", L"1");  // no such tab
    list.setProperty(L"Bolts.Pitch", L"80");
    ASSERT_TRUE(list.writeToFile(path));

    int skipped = -1;
    ASSERT_TRUE(data.readFromFile(path, skipped));
    EXPECT_EQ(skipped, 3);
    EXPECT_EQ(data.tabs[plate].findCellWithName(L"Thickness")->value, L"25");
    EXPECT_EQ(data.tabs[plate].findCellWithName(L"Width")->value, L"180");
    EXPECT_EQ(data.tabs[data.findTab(L"Bolts")].findCellWithName(L"Pitch")->value, L"80");

    // Written and read back: every cell, nothing skipped.
    const Tvx_String saved = Tvx_String::fromUtf8((folder / "saved.ovp").string());
    ASSERT_TRUE(data.writeToFile(saved));
    MacroData other = recordOf(L"EndPlateBeamToColumn");
    ASSERT_TRUE(other.readFromFile(saved, skipped));
    EXPECT_EQ(skipped, 0);
    EXPECT_EQ(other.tabs[plate].findCellWithName(L"Thickness")->value, L"25");

    const MacroData before = data;
    EXPECT_FALSE(data.readFromFile(path + L".missing", skipped));
    EXPECT_EQ(data.tabs[plate].findCellWithName(L"Thickness")->value,
              before.tabs[plate].findCellWithName(L"Thickness")->value);
    std::filesystem::remove_all(folder);
}

TEST_F(MacroApply, ADeeperBeamRecomputedThroughTheStandard) {
    Tvx_String standard;
    ASSERT_TRUE(findStandardForMacro(L"EndPlateBeamToColumn", standard));
    EXPECT_EQ(standard, L"EndPlateBeamColumn");

    const int members = data.findTab(kBaseProfilesTab);
    ASSERT_GE(members, 0);
    MacroTabData edited = data.tabs[members];
    MacroProfData beam;
    ASSERT_TRUE(edited.getMergedPropsOfGroup(L"Beam", beam));
    EXPECT_EQ(beam.sectionName, L"IPE300");
    beam.sectionName = L"IPE400";
    ASSERT_TRUE(edited.setMergedPropsOfGroup(L"Beam", beam));
    EXPECT_TRUE(applyTabEdits(data, members, edited).written);
    EXPECT_EQ(drawing.profiles()[0].sectionName, L"IPE400");

    ASSERT_TRUE(recomputeFromStandards(data));
    const double top = variable(L"EndPlateBeamToColumn", L"EndPlate", L"TopExtension");
    const double bottom = variable(L"EndPlateBeamToColumn", L"EndPlate", L"BottomExtension");
    // The plate spans the beam's 400 mm depth plus both extensions.
    EXPECT_EQ(variable(L"EndPlateBeamToColumn", L"EndPlate", L"Height"), 400.0 + top + bottom);
    // The record shows the drawing's new values, with its tabs kept.
    const MacroTabData& shown = data.tabs[data.findTab(L"Plate")];
    EXPECT_EQ(shown.findCellWithName(L"Height")->value.toDouble(), 400.0 + top + bottom);
    EXPECT_GE(data.findTab(kBaseProfilesTab), 0);
}

TEST_F(MacroApply, ClashCheckFindsBoltsOutsideThePlate) {
    clashInitDlgStarted(7);
    EXPECT_TRUE(clashGetStatus(7));
    EXPECT_EQ(clashcheck(7, data.selectedIds), 0);  // 2 x 2 bolts fit the 180 x 340 plate
    MacroTabData edited = data.tabs[plate];
    edited.findCellWithName(L"Width")->value = L"100";  // narrower than gauge + diameter
    ASSERT_TRUE(applyTabEdits(data, plate, edited).written);
    EXPECT_EQ(clashcheck(7, data.selectedIds), 1);
    clashSetStatus(7, false);
    EXPECT_EQ(clashcheck(7, data.selectedIds), 0);
    clashDlgClosed(7);
}

}  // namespace
