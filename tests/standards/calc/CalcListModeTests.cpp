// CalcListModeTests.cpp - list-mode calculations on real sheets: areas and declarations,
// whole-word replacement, general variables, duplicates, failing equations with their
// message, position binding of children and its failures, the nesting bound, the pool.
#include "CalcFixture.h"
#include "standards/calc/CallChildCall.h"
#include "standards/pool/ModuleTimers.h"

namespace {

const wchar_t* const kTip =
    L"Here's a tip for finding the cause :\nIf this equation contains variable names, then the "
    L"translator does not know the value of the variable. Make sure the variable exists either "
    L"in input, output, local declarations or among the gen_ variables.";

}  // namespace

TEST_F(CalcTest, EvaluatesTheCalcAreaInOrderAndReturnsOutputsByPosition) {
    OvDlgStandardsData data = listRequest(
        L"Plate",
        {variable(L"C", OvCellInput, L"HEB200", OvValueString), variable(L"T", OvCellInput, L"15"),
         variable(L"W", OvCellOutput, L"0"), variable(L"M", OvCellOutput, L"0")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    // Names are not compared: the sheet's Width and MaxWidth land in W and M.
    EXPECT_EQ(valueOf(data, L"W"), L"30");
    EXPECT_EQ(valueOf(data, L"M"), L"31");  // MaxWidth is not touched by replacing Width
    EXPECT_EQ(valueOf(data, L"T"), L"15");
    EXPECT_EQ(messages.count(), 0);
    EXPECT_GT(gCalcCells.count(), 0);
}

TEST_F(CalcTest, ListTooShortOrOutputBoundToInputFailsAndLeavesTheRecord) {
    OvDlgStandardsData shortList = listRequest(
        L"Plate", {variable(L"C", OvCellInput, L"x", OvValueString),
                   variable(L"T", OvCellInput, L"15"), variable(L"W", OvCellOutput, L"old")});
    EXPECT_FALSE(StartDlgStandardsSS(shortList));
    EXPECT_EQ(valueOf(shortList, L"W"), L"old");

    OvDlgStandardsData wrongKind = listRequest(
        L"Plate",
        {variable(L"C", OvCellInput, L"x", OvValueString), variable(L"T", OvCellInput, L"15"),
         variable(L"W", OvCellInput, L"old"), variable(L"M", OvCellOutput, L"0")});
    EXPECT_FALSE(StartDlgStandardsSS(wrongKind));
    EXPECT_EQ(valueOf(wrongKind, L"W"), L"old");
    EXPECT_EQ(gSSDlgsMgr.dialogCount(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

TEST_F(CalcTest, MissingFileFailsAndOtherModesOnlyLoad) {
    OvDlgStandardsData missing = listRequest(L"NoSuchSheet", {});
    EXPECT_FALSE(StartDlgStandardsSS(missing));
    OvDlgStandardsData other = listRequest(L"Plate", {});
    other.mode = 7;
    EXPECT_TRUE(StartDlgStandardsSS(other));
    EXPECT_EQ(gSSDlgsMgr.dialogCount(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

TEST_F(CalcTest, GeneralVariablesAreReplacedWithQuotingOfTexts) {
    OvDlgStandardsData data = listRequest(
        L"GenVars", {variable(L"T", OvCellInput, L"5"), variable(L"W", OvCellOutput, L""),
                     variable(L"L", OvCellOutput, L"")});
    data.genVarNames = {L"gen_Gap", L"gen_Name", L"gen_Gap_2"};
    data.genVarValues = {L"10", L"S235", L"7"};
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"W"), L"15");
    EXPECT_EQ(valueOf(data, L"L"), L"S235-7");  // gen_Gap left gen_Gap_2 alone
}

TEST_F(CalcTest, DuplicateNamesAreAlwaysReportedAndTheFirstIsUsed) {
    OvDlgStandardsData data = listRequest(
        L"Duplicates", {variable(L"T", OvCellInput, L"4"), variable(L"A", OvCellOutput, L""),
                        variable(L"B", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(messages.count(), 1);
    const Tvx_String file = gSettings.libDir + L"Connection Standards\\Duplicates.ovs";
    EXPECT_EQ(messages.last().caption, L"Variable names must be unique");
    EXPECT_EQ(messages.last().type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(messages.last().text,
              L"There were duplicate variable names found in the standards file " + file +
                  L".\nThe duplicates will be ignored. Please correct this file.\n"
                  L"Duplicate variable names:\n\nWidth");
    EXPECT_EQ(valueOf(data, L"A"), L"8");
    EXPECT_EQ(valueOf(data, L"B"), L"");  // the dropped duplicate got nothing
}

TEST_F(CalcTest, FailedEquationsWarnOnlyWithWarningsAndKeepTheirValues) {
    auto run = [] {
        OvDlgStandardsData data = listRequest(
            L"Errors",
            {variable(L"T", OvCellInput, L"4"), variable(L"Div", OvCellOutput, L"-1"),
             variable(L"Unknown", OvCellOutput, L"-2"), variable(L"Failed", OvCellOutput, L"-3"),
             variable(L"Good", OvCellOutput, L""), variable(L"Comment", OvCellOutput, L"-5")});
        EXPECT_TRUE(StartDlgStandardsSS(data));  // failed cells do not stop the calculation
        EXPECT_EQ(valueOf(data, L"Div"), L"-1");
        EXPECT_EQ(valueOf(data, L"Unknown"), L"-2");
        EXPECT_EQ(valueOf(data, L"Failed"), L"-3");
        EXPECT_EQ(valueOf(data, L"Good"), L"5");
        EXPECT_EQ(valueOf(data, L"Comment"), L"-5");
    };
    run();
    EXPECT_EQ(messages.count(), 0);

    gSettings.current.calcWarnings = true;
    run();
    const Tvx_String file =
        L"\nSpreadsheet : " + gSettings.libDir + L"Connection Standards\\Errors.ovs (line: ";
    ASSERT_EQ(messages.count(), 5);
    EXPECT_EQ(messages.messages()[0].text,
              L"The following equation failed:\nDiv = A2 / 0" + file + L"6)\n" + kTip);
    EXPECT_EQ(messages.messages()[1].text,
              L"The following equation failed:\nUnknown = Nope + 1" + file + L"7)\n" + kTip);
    EXPECT_EQ(messages.messages()[2].text,
              L"The following equation failed:\nFailed = ROUNDTO(\"abc\", 5) + 1" + file + L"8)\n" +
                  kTip);
    EXPECT_EQ(messages.messages()[3].text,
              L"The following equation failed:\njust a note" + file + L"10)\n" + kTip);
    EXPECT_EQ(messages.messages()[4].text,
              L"The following equation failed:\nMissing = 3" + file + L"11)\n" + kTip);
    for (const auto& m : messages.messages()) {
        EXPECT_EQ(m.type & 0xF0u, MB_ICONEXCLAMATION);
    }
}

TEST_F(CalcTest, ChildReceivesVariablesByPositionAndReturnsOutputs) {
    OvDlgStandardsData data = listRequest(
        L"Parent", {variable(L"A", OvCellInput, L"3"), variable(L"Sum", OvCellOutput, L""),
                    variable(L"Prod", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Sum"), L"7");  // X = A, Y = Tmp = A + 1
    EXPECT_EQ(valueOf(data, L"Prod"), L"14");
    // One level of CallChild: two dialogs, both free again.
    ASSERT_EQ(gSSDlgsMgr.dialogCount(), 2);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(1));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(gSSDlgsMgr.dialogCount(), 2);
}

TEST_F(CalcTest, ChildBoundToAParentInputFailsTheCall) {
    gSettings.current.calcWarnings = true;
    OvDlgStandardsData data = listRequest(
        L"BadBinding", {variable(L"A", OvCellInput, L"3"), variable(L"Sum", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(valueOf(data, L"Sum"), L"3");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().text.startsWith(
        L"The following equation failed:\nCallChild(\"Child.ovs\", A, A, A)\n", true));
}

TEST_F(CalcTest, EachChildFailureFailsOnlyItsCell) {
    gSettings.current.calcWarnings = true;
    OvDlgStandardsData data = listRequest(
        L"ChildFailures", {variable(L"A", OvCellInput, L"2"), variable(L"Sum", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    // Too few items, no file, unknown variable, no ")", a self-call, and a child that fails.
    EXPECT_EQ(messages.count(), 6);
    // The last call binds A to X and Sum to Y; the child's S has no entry: the child fails.
    EXPECT_EQ(valueOf(data, L"Sum"), L"");
}

TEST_F(CalcTest, IndirectCallCyclesEndAtTheNestingBound) {
    gSettings.current.calcWarnings = true;
    OvDlgStandardsData data = listRequest(
        L"CycleA", {variable(L"A", OvCellInput, L"1"), variable(L"Sum", OvCellOutput, L"")});
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(messages.count(), 1);  // only the call beyond the bound fails
    EXPECT_EQ(gSSDlgsMgr.dialogCount(), kMaxCallChildDepth + 1);
    for (int i = 0; i < gSSDlgsMgr.dialogCount(); ++i) {
        EXPECT_FALSE(gSSDlgsMgr.isInUse(i));
    }
    EXPECT_EQ(valueOf(data, L"Sum"), L"2");
}

TEST_F(CalcTest, TestAidRunsTheTestStandardAndListsNonInputVariables) {
    HostRecorder host;
    EXPECT_TRUE(StartDlgStandardsSStest());
    EXPECT_EQ(host.output(),
              L"\n------------ New SS -----------------\n"
              L"------ Varname Area (2) -------\n------ Type: 1\n------ Value: 2000\n"
              L"-----------------------------\n"
              L"------ Varname Weight (3) -------\n------ Type: 1\n------ Value: 15.7\n"
              L"-----------------------------\n");
}
