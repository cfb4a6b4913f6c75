// The sample drawing dimensioned through the calc command in macro mode: mapping keys that are
// also module names, and bolt data and pattern counts reaching the saved drawing.
#include <filesystem>
#include <sstream>

#include "SampleLibrary.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/macro/Tvx_Macro.h"
#include "core/macro/Tvx_Module.h"
#include "standards/calc/CalcCommands.h"

namespace {

class SampleMacroCalc : public SampleLibrary {
  protected:
    void SetUp() override {
        SampleLibrary::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("ovss-sample-calc-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        drawing_ = folder_ / "sample.json";
        std::filesystem::copy_file(kSampleLibrary / "Drawings" / "sample.json", drawing_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        SampleLibrary::TearDown();
    }
    // Runs the calculation with --write and loads the saved drawing; the module of the macro.
    Tvx_Module* calculate(const char* macro, const wchar_t* wanted) {
        ovcalc::MacroCalcOptions options;
        options.drawing = drawing_.string();
        options.macro = macro;
        options.standard = macro;
        options.module = macro;
        options.write = true;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcOk) << err.str();
        Tvx_String error;
        EXPECT_TRUE(saved_.loadFromFile(Tvx_String::fromUtf8(drawing_.string()), error))
            << error.toUtf8();
        for (const auto& dbMacro : saved_.macros()) {
            if (dbMacro->macroWrite()->name().equal(Tvx_String::fromUtf8(macro), false)) {
                return dbMacro->macroWrite()->findModule(wanted);
            }
        }
        return nullptr;
    }
    std::filesystem::path folder_;
    std::filesystem::path drawing_;
    Tvx_Drawing saved_;
};

TEST_F(SampleMacroCalc, AMappingKeyThatIsAlsoAModuleNameIsTheKey) {
    Tvx_Module* plate = calculate("FinPlate", L"FinPlate");
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->findVariable(L"Thickness")->value, 10.0);
    EXPECT_EQ(plate->findVariable(L"Height")->value, 280.0);
}

TEST_F(SampleMacroCalc, BoltDataAndPatternCountsReachTheDrawing) {
    auto* anchors = dynamic_cast<Tvx_BoltModule*>(calculate("BasePlate", L"AnchorBolts"));
    ASSERT_NE(anchors, nullptr);
    EXPECT_EQ(anchors->boltData().holeOffset, 6.0);
    EXPECT_EQ(anchors->findVariable(L"SpacingX")->value, 390.0);

    auto* bolts = dynamic_cast<Tvx_BoltModule*>(calculate("FinPlate", L"Bolts"));
    ASSERT_NE(bolts, nullptr);
    ASSERT_NE(bolts->findPattern(L"P1"), nullptr);
    EXPECT_EQ(bolts->findPattern(L"P1")->nrBolts1, 4);
}

}  // namespace
