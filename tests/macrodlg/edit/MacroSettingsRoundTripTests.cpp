// MacroSettingsRoundTripTests.cpp - the macro settings travel with the macro through the drawing
// file, and a mapping made in the mapping tab is what a standards calculation of the saved
// drawing uses.
#include <gtest/gtest.h>

#include <sstream>

#include "MacroEditLibrary.h"
#include "macrodlg/edit/MacroSettingsData.h"
#include "macrodlg/edit/MappingTabModel.h"
#include "standards/calc/CalcCommands.h"

namespace {

using MacroSettingsRoundTrip = MacroEditLibrary;

TEST_F(MacroSettingsRoundTrip, SettingsSurviveTheDrawingFileAndBadOnesAreRefused) {
    Tvx_DbMacro* finPlate = macroNamed(L"FinPlate");
    MacroSettingsData data;
    ASSERT_TRUE(GetMacroSettings(finPlate, data));
    EXPECT_EQ(data.macroName, L"FinPlate");
    EXPECT_EQ(data.mapping.modules, (Tvx_StringArray{L"FinPlate", L"Bolts"}));
    EXPECT_TRUE(data.mapping.spreadsheets.isEmpty());
    data.mapping.spreadsheets = {L"FinPlate", L"Childs\\EndPlateBoltRows"};
    data.mapping.targets = {L"Key¿ƒ•", L"Module.Bolts"};
    data.other.filters = {{L"Axis angle", L"0", L"90"}};
    data.other.groups = {{L"Plate", L"Thickness, Width"}, {L"", L""}};
    data.other.commands = {L"REGEN", L"line\twith tab"};
    ASSERT_TRUE(SetMacroSettings(finPlate, data));

    Tvx_String error;
    const Tvx_String file = Tvx_String::fromUtf8(path("saved.json").string());
    ASSERT_TRUE(drawing.saveToFile(file, error)) << error.toUtf8();
    Tvx_Drawing reread;
    ASSERT_TRUE(reread.loadFromFile(file, error)) << error.toUtf8();
    const Tvx_Macro* macro = reread.macros().back()->macro();
    ASSERT_NE(macro, nullptr);
    EXPECT_TRUE(macro->settings() == finPlate->macro()->settings());
    EXPECT_EQ(macro->settings().mapTargets[0], L"Key¿ƒ•");

    // Lists of different length are refused and change nothing.
    MacroSettingsData uneven = data;
    uneven.mapping.targets.removeAt(1);
    EXPECT_FALSE(SetMacroSettings(finPlate, uneven));
    EXPECT_EQ(finPlate->macro()->settings().mapTargets.length(), 2);

    const std::string bad = R"({ "format": "ovss-drawing", "version": 1, "macros": [
        { "macro": { "name": "M", "settings": { "mapping": [ { "spreadsheet": 7 } ] } } } ] })";
    Tvx_Drawing refused;
    EXPECT_FALSE(refused.loadFromJson(bad, error));
    EXPECT_NE(error.find(L"macros[0].macro.settings"), -1) << error.toUtf8();
    EXPECT_NE(error.find(L"mapping[0].spreadsheet"), -1) << error.toUtf8();
}

TEST_F(MacroSettingsRoundTrip, AMappingMadeInTheTabIsUsedByTheCalculation) {
    Tvx_DbMacro* finPlate = macroNamed(L"FinPlate");
    MacroSettingsData data;
    ASSERT_TRUE(GetMacroSettings(finPlate, data));
    data.mapping.spreadsheets = {L"FinPlate"};
    data.mapping.targets = {L""};
    {
        MappingTabModel model(data.mapping);
        ASSERT_TRUE(model.showDetail(0));
        const std::pair<const wchar_t*, const wchar_t*> choices[] = {
            {L"BeamSection", L".Prof0.PrPlName"},
            {L"BoltDiameter", L"Bolts..BoltsDiameter"},
            {L"Shear", L".gen_Shear.GenVar"},
            // Crossed on purpose: the sheet's Height goes to the plate's width and back.
            {L"Thickness", L"Plate.Thickness.Distance"},
            {L"Height", L"Plate.Width.Distance"},
            {L"Width", L"Plate.Height.Distance"},
            {L"Pitch", L"Bolts.Pitch.Distance"},
            {L"EdgeDistance", L"Bolts.EdgeDistance.Distance"},
            {L"HoleOffset", L"Bolts..BoltsHoleOffset"},
            {L"NrRows", L"Bolts.P1.PatternNrBolts1"},
        };
        for (const auto& [variable, object] : choices) {
            int row = -1;
            for (int i = 0; i < model.detail().length(); ++i) {
                if (model.detail()[i].stdName == variable) {
                    row = i;
                }
            }
            ASSERT_TRUE(model.chooseText(row, object)) << Tvx_String(variable).toUtf8();
        }
        model.storeList(model.listRows());
        ASSERT_TRUE(model.storeDetail());
        EXPECT_TRUE(model.modified());
    }
    ASSERT_TRUE(SetMacroSettings(finPlate, data));
    const std::filesystem::path file = path("mapped.json");
    Tvx_String error;
    ASSERT_TRUE(drawing.saveToFile(Tvx_String::fromUtf8(file.string()), error));

    // No --module: the calculation takes the key the macro's settings hold.
    ovcalc::MacroCalcOptions options;
    options.drawing = file.string();
    options.macro = "FinPlate";
    options.standard = "FinPlate";
    options.libDir = path("").string();
    options.write = true;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcOk) << err.str();

    // The printed results landed where the tab's mapping sends them.
    std::map<std::string, double> printed;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        printed[line.substr(0, eq)] = std::stod(line.substr(eq + 1));
    }
    Tvx_Drawing saved;
    ASSERT_TRUE(saved.loadFromFile(Tvx_String::fromUtf8(file.string()), error));
    const Tvx_Module* plate = saved.macros().back()->macroWrite()->findModule(L"FinPlate");
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->findVariable(L"Width")->value, printed["Height"]);
    EXPECT_EQ(plate->findVariable(L"Height")->value, printed["Width"]);
    EXPECT_EQ(plate->findVariable(L"Thickness")->value, printed["Thickness"]);
    EXPECT_NE(printed["Height"], printed["Width"]);
    EXPECT_NE(plate->findVariable(L"Width")->value, 120.0);  // the drawing's value before
}

}  // namespace
