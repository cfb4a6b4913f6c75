// CalcProblemsTests.cpp - the problems list of the calculation record: a caller of
// StartDlgStandardsSS can always tell a sound result from one computed with failed equations,
// failed children, variables the macro lacks or a missing mapping, whatever the warnings flag;
// the messages themselves stay as the warnings flag has them.
#include <fstream>
#include <sstream>

#include "CalcFixture.h"
#include "core/Paths.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcTransaction.h"
#include "standards/calc/CalcCommands.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

const char* const kDrawing = OVSS_TEST_DATA "/drawings/endplate_beam_column.json";

bool mentions(const Tvx_String& text, const wchar_t* part) {
    return text.hasSubString(part, true);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

class CalcProblems : public CalcTest {
  protected:
    // A sheet of the library's standards folder from tab-separated text.
    void addSheet(const std::string& relative, const std::string& tsv) {
        ovgrid::Grid grid;
        std::wstring error;
        ASSERT_TRUE(ovgrid::importDelimited(grid, tsv, L'\t', &error)) << relative;
        const std::filesystem::path target = path("Connection Standards") / relative;
        std::filesystem::create_directories(target.parent_path());
        ASSERT_TRUE(grid.saveToFile(target, 0, &error)) << relative;
    }
};

TEST_F(CalcProblems, FailedEquationsAreListedWithSheetRowAndReasonWhileWarningsStayOff) {
    OvDlgStandardsData data = listRequest(
        L"Errors", {variable(L"Thickness", OvCellInput, L"4"), variable(L"Div", OvCellOutput, L""),
                    variable(L"Unknown", OvCellOutput, L""), variable(L"Failed", OvCellOutput, L""),
                    variable(L"Good", OvCellOutput, L""), variable(L"Comment", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));  // failed cells are skipped, the run completes
    EXPECT_EQ(messages.count(), 0);          // the warnings flag is off
    ASSERT_EQ(data.problems.length(), 5);
    const int rows[] = {6, 7, 8, 10, 11};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(data.problems[i].kind, OvCalcProblem::Equation);
        EXPECT_EQ(data.problems[i].row, rows[i]);
        EXPECT_EQ(getFileName(data.problems[i].sheet), L"Errors.ovs");
    }
    EXPECT_TRUE(mentions(data.problems[0].reason, L"#DIV/0!"));
    EXPECT_TRUE(mentions(data.problems[3].reason, L"not an equation"));
    EXPECT_TRUE(mentions(data.problems[4].reason, L"\"Missing\" is not a variable"));
    const Tvx_String line = data.problems[0].describe();
    EXPECT_TRUE(mentions(line, L"/Connection Standards/Errors.ovs: line 6 (A6): Div = "));
    EXPECT_FALSE(mentions(line, L"\\"));

    // A sound run leaves the list empty, also after a run with problems on the same record.
    OvDlgStandardsData sound = data;
    sound.ssFile = L"Plate";
    sound.varCells = OvVarCells();
    for (const OvVarCell& cell :
         {variable(L"Column", OvCellInput, L"HEA100", OvValueString),
          variable(L"Thickness", OvCellInput, L"8"), variable(L"Width", OvCellOutput, L""),
          variable(L"MaxWidth", OvCellOutput, L"")}) {
        sound.varCells.append(cell);
    }
    ASSERT_TRUE(StartDlgStandardsSS(sound));
    EXPECT_TRUE(sound.problems.isEmpty()) << sound.problems[0].describe();
}

TEST_F(CalcProblems, AFailedRunKeepsTheRecordButSaysWhy) {
    OvDlgStandardsData missing = listRequest(L"NoSuchSheet", {variable(L"A", OvCellInput, L"1")});
    EXPECT_FALSE(StartDlgStandardsSS(missing));
    EXPECT_EQ(valueOf(missing, L"A"), L"1");
    ASSERT_EQ(missing.problems.length(), 1);
    EXPECT_EQ(missing.problems[0].kind, OvCalcProblem::Sheet);
    EXPECT_TRUE(mentions(missing.problems[0].describe(), L"Connection Standards/NoSuchSheet.ovs"));
    EXPECT_TRUE(mentions(missing.problems[0].reason, L"No such file"));

    OvDlgStandardsData shortList =
        listRequest(L"Plate", {variable(L"C", OvCellInput, L"x", OvValueString)});
    EXPECT_FALSE(StartDlgStandardsSS(shortList));
    ASSERT_FALSE(shortList.problems.isEmpty());
    EXPECT_EQ(shortList.problems[0].subject, L"Thickness");
    EXPECT_TRUE(mentions(shortList.problems[0].reason, L"passed only 1"));
}

TEST_F(CalcProblems, AMissingOrDamagedChildIsNamedWithItsFile) {
    OvDlgStandardsData data = listRequest(
        L"ChildFailures", {variable(L"A", OvCellInput, L"2"), variable(L"Sum", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    bool nowhere = false;
    for (const OvCalcProblem& problem : data.problems) {
        if (mentions(problem.reason, L"\"Nowhere.ovs\" not found (looked for")) {
            nowhere = problem.kind == OvCalcProblem::Child && problem.row == 7;
        }
    }
    EXPECT_TRUE(nowhere);

    addSheet("Childs/Broken.ovs", "Input\nDouble A\nOutput\nDouble S\nCalc\nS = A\n");
    std::ofstream(path("Connection Standards/Childs/Broken.ovs"), std::ios::trunc)
        << "{\"cells\": [";
    addSheet("UsesBroken.ovs",
             "Input\nDouble A\nOutput\nDouble S\nCalc\nCallChild(\"Broken.ovs\", A, S)\n");
    OvDlgStandardsData parent = listRequest(
        L"UsesBroken", {variable(L"A", OvCellInput, L"2"), variable(L"S", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(parent));
    ASSERT_GE(parent.problems.length(), 2);
    // The child's own reason comes first, then the failed call in the parent.
    EXPECT_EQ(parent.problems[0].kind, OvCalcProblem::Sheet);
    EXPECT_TRUE(mentions(parent.problems[0].sheet, L"Broken.ovs"));
    EXPECT_TRUE(mentions(parent.problems[0].reason, L"cannot load the sheet"));
    EXPECT_EQ(parent.problems[1].kind, OvCalcProblem::Child);
    EXPECT_TRUE(mentions(parent.problems[1].reason, L"Childs/Broken.ovs failed: "));

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ovcalc::runLint("UsesBroken", "", out, err), ovcalc::kCalcFailed);
    EXPECT_NE(out.str().find("Childs/Broken.ovs failed: "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("cannot load the sheet"), std::string::npos) << out.str();
}

TEST_F(CalcProblems, MacroModeListsAMissingMappingAndVariablesTheMacroLacks) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromFile(Tvx_String::fromUtf8(kDrawing), error)) << error;
    Tvx_DbMacro* dbMacro = drawing.macros().front().get();
    MacroData macroData;
    ASSERT_EQ(buildMacroData(dbMacro, macroData), Acad::eOk);
    AcTransaction transaction;

    OvDlgStandardsData byKey;
    ASSERT_EQ(byKey.initialize(dbMacro, L"EndPlate", L"SomeKey", &macroData), Acad::eOk);
    byKey.transaction = &transaction;
    ASSERT_TRUE(StartDlgStandardsSS(byKey));  // runs on the sheet's own values
    ASSERT_FALSE(byKey.problems.isEmpty());
    EXPECT_EQ(byKey.problems[0].kind, OvCalcProblem::Mapping);
    EXPECT_TRUE(mentions(byKey.problems[0].reason, L"no mapping file "));
    EXPECT_TRUE(mentions(byKey.problems[0].reason, L"Connection Standards/EndPlate.map"));

    OvDlgStandardsData wrongGroup;
    ASSERT_EQ(wrongGroup.initialize(dbMacro, L"EndPlate", L"Module.Nope", &macroData), Acad::eOk);
    wrongGroup.transaction = &transaction;
    wrongGroup.genVarNames = {L"gen_Gap"};
    wrongGroup.genVarValues = {L"10"};
    ASSERT_TRUE(StartDlgStandardsSS(wrongGroup));
    Tvx_StringArray unread;
    for (const OvCalcProblem& problem : wrongGroup.problems) {
        if (problem.kind == OvCalcProblem::Variable) {
            unread.append(problem.subject);
        }
    }
    // Both Inputs are not read, and the Output is neither read nor written.
    EXPECT_EQ(unread.find(L"Thickness", true) >= 0 && unread.find(L"Height", true) >= 0, true);
    EXPECT_GE(unread.length(), 4);
}

TEST_F(CalcProblems, TheMappingFileOfASheetGivenAsAPathIsBesideIt) {
    const std::filesystem::path sheet = path("elsewhere/MySheet.ovs");
    std::filesystem::create_directories(sheet.parent_path());
    std::ofstream(sheet) << "x";
    const Tvx_String file = fromFileSystemPath(sheet);
    EXPECT_EQ(toFileSystemPath(OvSSMapping::mappingFilePath(file)), path("elsewhere/MySheet.map"));
    // A name keeps the library rule, with or without its extension.
    EXPECT_EQ(OvSSMapping::mappingFilePath(L"Beam.ovs"),
              libDir() + L"Connection Standards\\Beam.map");
}

TEST_F(CalcProblems, TheCalcJobRefusesToWriteADrawingWhoseCalculationHadProblems) {
    const std::filesystem::path copy = path("drawing.json");
    std::filesystem::copy_file(kDrawing, copy);
    const std::string before = readBytes(copy);
    std::ostringstream out;
    std::ostringstream err;
    ovcalc::MacroCalcOptions options;
    options.drawing = copy.string();
    options.macro = "EndPlateBeamToColumn";
    options.standard = "Errors";  // its equations fail whatever the macro holds
    options.module = "Plate";
    options.write = true;
    EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcFailed);
    EXPECT_NE(err.str().find("problem: "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("was not written"), std::string::npos) << err.str();
    EXPECT_EQ(readBytes(copy), before);

    options.module = "NoSuchGroup";
    EXPECT_EQ(ovcalc::runMacroCalc(options, out, err), ovcalc::kCalcBadInput);
    EXPECT_NE(err.str().find("\"NoSuchGroup\" is neither a module group of the macro (its "
                             "groups: Plate"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(readBytes(copy), before);
}
