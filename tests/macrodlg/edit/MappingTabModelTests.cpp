// MappingTabModelTests.cpp - the standards-mapping tab without widgets: list rows and targets,
// the detail of a row, how choices are stored under keys that keep every other mapping, the
// buttons, and the key generator's collision rule.
#include <gtest/gtest.h>

#include <cwctype>
#include <filesystem>

#include "MacroEditLibrary.h"
#include "host/HostServices.h"
#include "macrodlg/edit/MacroSettingsData.h"
#include "macrodlg/edit/MappingIdentifier.h"
#include "macrodlg/edit/MappingTabModel.h"
#include "macrodlg/edit/StandardsSheets.h"

namespace {

class MappingTab : public MacroEditLibrary {
  protected:
    void SetUp() override {
        MacroEditLibrary::SetUp();
        ASSERT_TRUE(GetMacroSettings(macroNamed(L"FinPlate"), settings));
    }
    // The detail row of a sheet variable; -1 when absent.
    static int detailRowOf(const MappingTabModel& model, const wchar_t* name) {
        for (int i = 0; i < model.detail().length(); ++i) {
            if (!model.detail()[i].section && model.detail()[i].stdName == name) {
                return i;
            }
        }
        return -1;
    }
    static void choose(MappingTabModel& model, const wchar_t* variable, const wchar_t* object) {
        const int row = detailRowOf(model, variable);
        ASSERT_GE(row, 0) << Tvx_String(variable).toUtf8();
        ASSERT_TRUE(model.chooseText(row, object)) << Tvx_String(object).toUtf8();
    }
    static Tvx_String chosen(const MappingTabModel& model, const wchar_t* variable) {
        const int row = detailRowOf(model, variable);
        return row < 0 ? Tvx_String(L"(no row)")
                       : model.detail()[row].choices[model.detail()[row].chosen];
    }

    MacroSettingsData settings;
};

TEST(MappingIdentifier, DrawsUntilTheKeyIsFreeAndNeverTakesACollidingOne) {
    const Tvx_StringArray taken{L"AAAA", L"BBBB"};
    int calls = 0;
    const Tvx_StringArray sequence{L"AAAA", L"BBBB", L"CCCC"};
    Tvx_String id = L"unchanged";
    EXPECT_TRUE(newMappingIdentifier(taken, id, [&](Tvx_String& out, int length) {
        EXPECT_EQ(length, 24);
        out = sequence[calls++];
        return true;
    }));
    EXPECT_EQ(id, L"CCCC");
    EXPECT_EQ(calls, 3);

    // Every draw collides: after 9999 attempts no key, rather than one that replaces a mapping.
    calls = 0;
    id = L"unchanged";
    EXPECT_FALSE(newMappingIdentifier(taken, id, [&](Tvx_String& out, int) {
        ++calls;
        out = L"BBBB";
        return true;
    }));
    EXPECT_EQ(calls, 9999);
    EXPECT_EQ(id, L"unchanged");
    // A failing generator stops at once.
    calls = 0;
    EXPECT_FALSE(newMappingIdentifier(taken, id, [&](Tvx_String&, int) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(id, L"unchanged");
    // Keys are compared exactly: "aaaa" is free beside "AAAA".
    EXPECT_TRUE(newMappingIdentifier(taken, id, [](Tvx_String& out, int) {
        out = L"aaaa";
        return true;
    }));

    ASSERT_TRUE(newMappingIdentifier(taken, id));
    EXPECT_EQ(id.length(), 24);
    for (const wchar_t c : id.wstr()) {
        EXPECT_TRUE(std::iswalnum(static_cast<wint_t>(c))) << id.toUtf8();
    }
}

TEST_F(MappingTab, ListsTheSheetsBelowTheStandardsFolderAndTheModules) {
    const Tvx_StringArray sheets = standardsSheetNames();
    EXPECT_TRUE(sheets.contains(L"FinPlate", true));
    EXPECT_TRUE(sheets.contains(L"Childs\\EndPlateBoltRows", true));
    EXPECT_FALSE(sheets.contains(L"FinPlate.ovs", false));

    settings.mapping.spreadsheets = {L"FinPlate", L"BasePlate"};
    settings.mapping.targets = {L"FinPlate", L"Module.Bolts"};
    MappingTabModel model(settings.mapping);
    EXPECT_EQ(model.targetChoices(), (Tvx_StringArray{L"<Entire macro>", L"FinPlate", L"Bolts"}));
    const auto rows = model.listRows();
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0].mapsTo, L"<Entire macro>");
    EXPECT_EQ(rows[1].mapsTo, L"Bolts");
}

TEST_F(MappingTab, AModuleRowHasNoDetailAndIsStoredAsModuleAndName) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    model.storeList({{L"FinPlate", L"Bolts"}});
    EXPECT_EQ(settings.mapping.targets, Tvx_StringArray{L"Module.Bolts"});
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(model.showDetail(0));
    EXPECT_TRUE(model.detail().isEmpty());
    const std::string before = readAll(mapFile("FinPlate"));
    EXPECT_TRUE(model.storeDetail());
    EXPECT_EQ(readAll(mapFile("FinPlate")), before);
    EXPECT_EQ(settings.mapping.targets, Tvx_StringArray{L"Module.Bolts"});
}

TEST_F(MappingTab, TheDetailListsInputsThenOutputsWithTheStoredObjectsChosen) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));
    const auto& detail = model.detail();
    ASSERT_EQ(detail.length(), 2 + 3 + 7);
    EXPECT_TRUE(detail[0].section);
    EXPECT_EQ(detail[0].stdName, L"Input");
    EXPECT_EQ(detail[1].stdName, L"BeamSection");
    EXPECT_EQ(detail[1].typeText, L"Tekst");
    EXPECT_EQ(detail[2].typeText, L"Decim");
    EXPECT_TRUE(detail[4].section);
    EXPECT_EQ(detail[4].stdName, L"Output");
    EXPECT_EQ(detail[11].stdName, L"NrRows");

    EXPECT_EQ(chosen(model, L"BeamSection"), L".Prof0.PrPlName");
    EXPECT_EQ(chosen(model, L"Shear"), L".gen_Shear.GenVar");
    EXPECT_EQ(chosen(model, L"Thickness"), L"Plate.Thickness.Distance");
    EXPECT_EQ(chosen(model, L"BoltDiameter"), L"Bolts..BoltsDiameter");
    EXPECT_EQ(chosen(model, L"NrRows"), L"Bolts.P1.PatternNrBolts1");
    // A text variable is offered text objects only, a number variable numeric ones only.
    const MappingDetailRow& text = detail[detailRowOf(model, L"BeamSection")];
    EXPECT_TRUE(text.choices.contains(L".Prof1.PrPlMaterial", true));
    EXPECT_FALSE(text.choices.contains(L"Plate.Thickness.Distance", true));
    const MappingDetailRow& number = detail[detailRowOf(model, L"Thickness")];
    EXPECT_TRUE(number.choices.contains(L"Bolts.Pitch.Distance", true));
    EXPECT_FALSE(number.choices.contains(L".Prof0.PrPlName", true));
    EXPECT_EQ(number.choices[0], L"");
}

TEST_F(MappingTab, AnUnchangedEntireMacroRowKeepsItsKeyAndTheFile) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    const std::string before = readAll(mapFile("FinPlate"));
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));
    model.storeList(model.listRows());
    ASSERT_TRUE(model.storeDetail());
    EXPECT_EQ(settings.mapping.targets, Tvx_StringArray{L"FinPlate"});
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(readAll(mapFile("FinPlate")), before);
}

TEST_F(MappingTab, AChangedMappingGetsANewKeyAndTheOldLineStaysForOtherMacros) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));
    choose(model, L"Width", L"Plate.Height.Distance");
    ASSERT_TRUE(model.storeDetail());
    const Tvx_String key = settings.mapping.targets[0];
    EXPECT_EQ(key.length(), 24);
    EXPECT_TRUE(model.modified());

    OvSSMapping old;
    ASSERT_EQ(old.getMappingFromFile(L"FinPlate", L"FinPlate"), Acad::eOk);
    OvSSMapping fresh;
    ASSERT_EQ(fresh.getMappingFromFile(L"FinPlate", key), Acad::eOk);
    EXPECT_EQ(fresh.mappedObjects().length(), old.mappedObjects().length());
    int width = -1;
    ASSERT_EQ(fresh.findSSVar(L"Width", OvValueDouble, width), Acad::eOk);
    EXPECT_EQ(fresh.mappedObjects()[width].objName, L"Height");
    ASSERT_EQ(old.findSSVar(L"Width", OvValueDouble, width), Acad::eOk);
    EXPECT_EQ(old.mappedObjects()[width].objName, L"Width");

    // Taking a binding away is a change as well.
    choose(model, L"Pitch", L"");
    ASSERT_TRUE(model.storeDetail());
    EXPECT_NE(settings.mapping.targets[0], key);
    OvSSMapping fewer;
    ASSERT_EQ(fewer.getMappingFromFile(L"FinPlate", settings.mapping.targets[0]), Acad::eOk);
    int pitch = -1;
    EXPECT_NE(fewer.findSSVar(L"Pitch", OvValueDouble, pitch), Acad::eOk);
}

TEST_F(MappingTab, TwoRowsOnOneSheetKeepTheirOwnKeys) {
    settings.mapping.spreadsheets = {L"FinPlate", L"FinPlate"};
    settings.mapping.targets = {L"FinPlate", L""};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(1));
    EXPECT_EQ(chosen(model, L"Thickness"), L"");
    choose(model, L"Thickness", L"Plate.Width.Distance");
    model.storeList(model.listRows());
    ASSERT_TRUE(model.storeDetail());
    const Tvx_String second = settings.mapping.targets[1];
    EXPECT_EQ(settings.mapping.targets[0], L"FinPlate");
    EXPECT_EQ(second.length(), 24);

    // Storing the list again gives each row back its own key.
    model.storeList(model.listRows());
    EXPECT_EQ(settings.mapping.targets, (Tvx_StringArray{L"FinPlate", second}));
    ASSERT_TRUE(model.showDetail(1));
    EXPECT_EQ(chosen(model, L"Thickness"), L"Plate.Width.Distance");
    ASSERT_TRUE(model.showDetail(0));
    EXPECT_EQ(chosen(model, L"Thickness"), L"Plate.Thickness.Distance");
}

TEST_F(MappingTab, ChoicesNeverGoToAnotherSheetAndAnUnloadableSheetStoresNothing) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));
    choose(model, L"Width", L"Plate.Height.Distance");
    // The row now names another sheet: the choices made for FinPlate are not written there.
    model.storeList({{L"BasePlate", L"<Entire macro>"}});
    EXPECT_EQ(settings.mapping.targets, Tvx_StringArray{L""});
    const std::string basePlate = readAll(mapFile("BasePlate"));
    EXPECT_TRUE(model.storeDetail());
    EXPECT_EQ(readAll(mapFile("BasePlate")), basePlate);

    std::filesystem::create_directories(path("Connection Standards"));
    std::ofstream(path("Connection Standards/Broken.ovs")) << "not a sheet";
    model.storeList({{L"Broken", L"<Entire macro>"}});
    Tvx_String error;
    EXPECT_FALSE(model.showDetail(0, &error));
    EXPECT_NE(error.find(L"Broken.ovs"), -1) << error.toUtf8();
    EXPECT_TRUE(model.detail().isEmpty());
    EXPECT_TRUE(model.storeDetail());
    EXPECT_FALSE(std::filesystem::exists(mapFile("Broken")));
}

TEST_F(MappingTab, AMappingFileThatCannotBeReadKeepsTheRowsKey) {
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));
    choose(model, L"Width", L"Plate.Height.Distance");
    std::filesystem::remove(mapFile("FinPlate"));
    std::filesystem::create_directory(mapFile("FinPlate"));  // in the way, unreadable as a file
    Tvx_String error;
    EXPECT_FALSE(model.storeDetail(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(settings.mapping.targets, Tvx_StringArray{L"FinPlate"});
}

TEST_F(MappingTab, ObjectsAreOfferedInVisibilityGroupsUnderHeadersThatCannotBeChosen) {
    // Visibility of a dialog variable: hidden adds 2, not settable adds 1.
    Tvx_Module* plate = macroNamed(L"FinPlate")->macroWrite()->findModule(L"FinPlate");
    ASSERT_NE(plate, nullptr);
    plate->findVariable(L"Height")->settable = false;    // 1
    plate->findVariable(L"Thickness")->visible = false;  // 2
    plate->findVariable(L"Width")->visible = false;      // 3
    plate->findVariable(L"Width")->settable = false;
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    ASSERT_TRUE(model.showDetail(0));

    const MappingDetailRow& number = model.detail()[detailRowOf(model, L"Thickness")];
    const auto at = [&](const wchar_t* text) { return number.choices.find(text, true); };
    const int visible = at(L"------ Zichtbaar en instelbaar ------");
    const int fixed = at(L"------ Zichtbaar niet instelbaar ------");
    const int hidden = at(L"------ Onzichtbaar en instelbaar ------");
    const int hiddenFixed = at(L"------ Onzichtbaar niet instelbaar ------");
    EXPECT_EQ(number.choices[0], L"");
    EXPECT_EQ(visible, 1);
    EXPECT_LT(visible, at(L"Bolts.Pitch.Distance"));
    EXPECT_LT(at(L"Bolts.Pitch.Distance"), fixed);
    EXPECT_EQ(at(L"Plate.Height.Distance"), fixed + 1);
    EXPECT_EQ(hidden, fixed + 2);
    EXPECT_EQ(at(L"Plate.Thickness.Distance"), hidden + 1);
    EXPECT_EQ(hiddenFixed, hidden + 2);
    EXPECT_EQ(at(L"Plate.Width.Distance"), hiddenFixed + 1);
    EXPECT_EQ(number.headers, (Tvx_Array<int>{visible, fixed, hidden, hiddenFixed}));
    // The stored binding is still chosen, now inside its group.
    EXPECT_EQ(chosen(model, L"Thickness"), L"Plate.Thickness.Distance");

    // A header is a caption: choosing it changes nothing.
    const int row = detailRowOf(model, L"Thickness");
    EXPECT_FALSE(model.choose(row, fixed));
    EXPECT_FALSE(model.chooseText(row, L"------ Onzichtbaar en instelbaar ------"));
    EXPECT_EQ(chosen(model, L"Thickness"), L"Plate.Thickness.Distance");

    // Base profile names keep the initial visibility 3; the groups between have no text
    // object and get no header.
    const MappingDetailRow& text = model.detail()[detailRowOf(model, L"BeamSection")];
    const int textHidden = text.choices.find(L"------ Onzichtbaar niet instelbaar ------", true);
    EXPECT_EQ(text.headers, (Tvx_Array<int>{1, textHidden}));
    EXPECT_EQ(text.choices[1], L"------ Zichtbaar en instelbaar ------");
    EXPECT_GT(text.choices.find(L".Prof0.PrPlName", true), textHidden);
}

TEST_F(MappingTab, ANewMappingIsListedOnTheCommandLineWhenItIsStored) {
    settings.mapping.spreadsheets = {L"FinPlate", L"FinPlate"};
    settings.mapping.targets = {L"FinPlate", L""};
    MappingTabModel model(settings.mapping);
    HostRecorder commandLine;
    // Unchanged: nothing is written, nothing listed.
    ASSERT_TRUE(model.showDetail(0));
    ASSERT_TRUE(model.storeDetail());
    EXPECT_EQ(commandLine.output(), L"");

    ASSERT_TRUE(model.showDetail(1));
    choose(model, L"Thickness", L"Plate.Width.Distance");
    choose(model, L"Pitch", L"Bolts.Pitch.Distance");
    ASSERT_TRUE(model.storeDetail());
    EXPECT_EQ(commandLine.output(),
              L"---Mapping---\n"
              L"SSVar: Thickness Module: Plate ObjName: Width \n"
              L"SSVar: Pitch Module: Bolts ObjName: Pitch \n"
              L"---Mapping end---\n\n");
}

TEST_F(MappingTab, ButtonsMoveInsertAndRemoveRows) {
    settings.mapping.spreadsheets = {L"A", L"B", L"C"};
    settings.mapping.targets = {L"ka", L"Module.Bolts", L"kc"};
    MappingTabModel model(settings.mapping);
    EXPECT_EQ(model.moveUp(0), 0);
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.moveDown(0), 1);
    EXPECT_EQ(settings.mapping.spreadsheets, (Tvx_StringArray{L"B", L"A", L"C"}));
    EXPECT_EQ(settings.mapping.targets, (Tvx_StringArray{L"Module.Bolts", L"ka", L"kc"}));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.moveUp(2), 1);
    EXPECT_EQ(settings.mapping.spreadsheets, (Tvx_StringArray{L"B", L"C", L"A"}));
    EXPECT_EQ(model.moveDown(2), 2);
    EXPECT_EQ(model.insertBefore(1), 1);
    EXPECT_EQ(settings.mapping.spreadsheets, (Tvx_StringArray{L"B", L"", L"C", L"A"}));
    EXPECT_EQ(settings.mapping.targets, (Tvx_StringArray{L"Module.Bolts", L"", L"kc", L"ka"}));
    EXPECT_EQ(model.remove(3), 2);  // the last row goes: the one before becomes current
    EXPECT_EQ(model.remove(0), 0);  // the following row takes its place
    EXPECT_EQ(settings.mapping.spreadsheets, (Tvx_StringArray{L"", L"C"}));
    EXPECT_EQ(settings.mapping.targets, (Tvx_StringArray{L"", L"kc"}));
    EXPECT_EQ(model.remove(5), 5);
}

TEST_F(MappingTab, WithoutAMacroTheTabOffersNothing) {
    settings.mapping.macro = nullptr;
    settings.mapping.spreadsheets = {L"FinPlate"};
    settings.mapping.targets = {L"FinPlate"};
    MappingTabModel model(settings.mapping);
    EXPECT_TRUE(model.spreadsheetChoices().isEmpty());
    EXPECT_FALSE(model.showDetail(0));
}

}  // namespace
