// CalcMacroAndCommandTests.cpp - macro mode on the end-plate sample drawing, and end-to-end
// runs of the calc and lint jobs of the ovss tool.
#include <sstream>

#include "CalcFixture.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "standards/calc/CalcCommands.h"

namespace {
const char* const kDrawing = OVSS_TEST_DATA "/drawings/endplate_beam_column.json";
}

TEST_F(CalcTest, MacroModeReadsTheModuleGroupAndWritesTheOutputs) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromFile(Tvx_String::fromUtf8(kDrawing), error)) << error;
    Tvx_DbMacro* dbMacro = drawing.macros().front().get();
    MacroData macroData;
    ASSERT_EQ(buildMacroData(dbMacro, macroData), Acad::eOk);
    AcTransaction transaction;
    OvDlgStandardsData data;
    ASSERT_EQ(data.initialize(dbMacro, L"EndPlate", L"Module.Plate", &macroData), Acad::eOk);
    EXPECT_FALSE(StartDlgStandardsSS(data));  // no transaction yet
    data.transaction = &transaction;
    data.genVarNames = {L"gen_Gap"};
    data.genVarValues = {L"10"};
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Width"), L"195");  // 340 / 2 + 15 + 10
    EXPECT_EQ(dbMacro->macroWrite()->findModule(L"EndPlate")->findVariable(L"Width")->value, 195.0);
    EXPECT_EQ(data.varCells.length(), 3);
}

TEST_F(CalcTest, CalcCommandPrintsOutputsAndRejectsBadInput) {
    std::ostringstream out;
    std::ostringstream err;
    ovcalc::ListCalcOptions options;
    options.sheet = "Plate";
    options.setValues = {"Thickness=8", "Column=HEA100"};
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcOk) << err.str();
    EXPECT_EQ(out.str(), "Width=16\nMaxWidth=17\n");

    options.setValues = {"Nope=1"};
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcBadInput);
    EXPECT_NE(err.str().find("\"Nope\""), std::string::npos);
    options.setValues = {"Thickness"};
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcBadInput);
    options.sheet = "Missing";
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcBadInput);
}

TEST_F(CalcTest, CalcCommandPrintsDuplicatesAlwaysAndWarningsOnRequest) {
    std::ostringstream out;
    std::ostringstream err;
    ovcalc::ListCalcOptions options;
    options.sheet = "Errors";
    options.setValues = {"Thickness=4"};
    // Failed equations are problems whatever --warnings says: each on stderr, exit code 1.
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcFailed);
    EXPECT_EQ(out.str(), "Div=\nUnknown=\nFailed=\nGood=5\nComment=\n");
    const std::string problems = err.str();
    EXPECT_EQ(problems.find("The following equation failed"), std::string::npos);
    int lines = 0;
    for (std::size_t at = problems.find("problem: "); at != std::string::npos;
         at = problems.find("problem: ", at + 1)) {
        ++lines;
    }
    EXPECT_EQ(lines, 5) << problems;
    EXPECT_NE(problems.find("Errors.ovs: line 6 (A6): Div = A2 / 0: the formula gives #DIV/0!"),
              std::string::npos)
        << problems;
    options.warnings = true;
    EXPECT_EQ(ovcalc::runListCalc(options, out, err), ovcalc::kCalcFailed);
    EXPECT_NE(err.str().find("The following equation failed:\nDiv = A2 / 0"), std::string::npos);

    std::ostringstream dupOut;
    std::ostringstream dupErr;
    options = {};
    options.sheet = "Duplicates";
    options.setValues = {"Thickness=4"};
    EXPECT_EQ(ovcalc::runListCalc(options, dupOut, dupErr), ovcalc::kCalcOk);
    EXPECT_EQ(dupErr.str().rfind("Variable names must be unique: There were duplicate", 0), 0u);
    EXPECT_EQ(dupOut.str(), "Width=8\n");  // the dropped second declaration is not printed
}

TEST_F(CalcTest, MacroCalcCommandWritesTheDrawingOnlyWhenAsked) {
    const std::filesystem::path copy = path("drawing.json");
    std::filesystem::copy_file(kDrawing, copy);
    std::ostringstream out;
    std::ostringstream err;
    ovcalc::MacroCalcOptions options;
    options.drawing = copy.string();
    options.macro = "EndPlateBeamToColumn";
    options.standard = "EndPlate";
    options.module = "Plate";
    EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcOk) << err.str();
    EXPECT_EQ(out.str(), "Width=195\n");  // gen_Gap comes from the drawing
    const auto untouched = std::filesystem::last_write_time(copy);
    options.write = true;
    EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcOk);
    Tvx_Drawing saved;
    Tvx_String error;
    ASSERT_TRUE(saved.loadFromFile(Tvx_String::fromUtf8(copy.string()), error));
    EXPECT_EQ(saved.macros()
                  .front()
                  ->macroWrite()
                  ->findModule(L"EndPlate")
                  ->findVariable(L"Width")
                  ->value,
              195.0);
    (void)untouched;
    options.macro = "NoSuchMacro";
    EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcBadInput);
}

TEST_F(CalcTest, LintReportsEveryKindOfProblem) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ovcalc::runLint("Plate", "", out, err), ovcalc::kCalcOk);
    EXPECT_NE(out.str().find("no problems found"), std::string::npos);

    out.str("");
    EXPECT_EQ(ovcalc::runLint("Errors", "", out, err), ovcalc::kCalcFailed);
    const std::string report = out.str();
    EXPECT_NE(report.find("note: row 6 (A6): Div = A2 / 0: the formula gives #DIV/0!"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("row 7 (A7): Unknown = Nope + 1: the formula gives #NAME?"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("row 7: \"Nope\" is not a variable"), std::string::npos);
    EXPECT_NE(report.find("row 10 (A10): just a note: not an equation"), std::string::npos);
    EXPECT_NE(report.find("row 11 (A11): Missing = 3: \"Missing\" is not a variable"),
              std::string::npos);

    out.str("");
    EXPECT_EQ(ovcalc::runLint("Duplicates", "", out, err), ovcalc::kCalcFailed);
    EXPECT_NE(out.str().find("B4: duplicate variable name \"Width\""), std::string::npos)
        << out.str();
    EXPECT_EQ(ovcalc::runLint("Missing", "", out, err), ovcalc::kCalcBadInput);
}
