// GridFormulaTests.cpp - the module's functions registered on a real grid and used in formulas.
#include <gtest/gtest.h>

#include "StandardsFixture.h"
#include "core/MessageService.h"
#include "grid/Grid.h"
#include "standards/functions/CustomFunctions.h"

using ovgrid::Grid;

class GridFormulas : public StandardsLibrary {
  protected:
    void SetUp() override {
        StandardsLibrary::SetUp();
        grid_.setMaxCols(5);
        grid_.setMaxRows(20);
        ASSERT_TRUE(registerCustomFunctions(grid_));
    }
    std::wstring evaluate(const std::wstring& formula) {
        EXPECT_TRUE(grid_.setFormula(1, 1, formula, true)) << formula;
        std::wstring out;
        grid_.getValue(1, 1, out);
        return out;
    }
    Grid grid_;
};

TEST_F(GridFormulas, RegisteredInOrderWithTheirArgumentCounts) {
    int count = 0;
    const ovfunctions::CustomFunctionEntry* table = ovfunctions::customFunctionTable(count);
    ASSERT_EQ(count, 12);
    const wchar_t* names[] = {L"ROUNDTO",
                              L"GETCELL",
                              L"GETPROFCELL",
                              L"SECTIONSIZE",
                              L"GETSYSNAME",
                              L"STDWIDTHWITHTOLERANCE",
                              L"STDTHICKNESSWITHTOLERANCE",
                              L"STDSIZEWITHTOLERANCE",
                              L"GETARRAYITEM",
                              L"TONUMBER",
                              L"ISNULL",
                              L"ISPOSITIVE"};
    for (int i = 0; i < count; ++i) {
        EXPECT_STREQ(table[i].name, names[i]);
        const ovgrid::CustomFunction* f = grid_.customFunction(names[i]);
        ASSERT_NE(f, nullptr) << i;
        EXPECT_EQ(f->minArgs, table[i].minArgs);
        EXPECT_EQ(f->maxArgs, table[i].maxArgs);
        EXPECT_EQ(f->flags, 0);
    }
    EXPECT_EQ(grid_.customFunctionCount(), 12u);
    EXPECT_TRUE(registerCustomFunctions(grid_));  // again: replaces, does not add
    EXPECT_EQ(grid_.customFunctionCount(), 12u);
}

// A grid may hold a function of the same name from elsewhere (another argument count, another
// callback): registering puts the module's own in its place.
TEST_F(GridFormulas, RegisteringReplacesOtherFunctionsOfTheSameName) {
    ovgrid::SSCustomFunctionProc constant = [](ovgrid::SSValue* result, ovgrid::SSValue*, int) {
        result->status = ovgrid::SS_VALUE_STATUS_OK;
        result->type = ovgrid::SS_VALUE_TYPE_DOUBLE;
        result->dValue = 99;
        return true;
    };
    ASSERT_TRUE(grid_.addCustomFunctionExt(L"ROUNDTO", 2, 2, constant, 0));
    ASSERT_TRUE(
        grid_.addCustomFunctionExt(L"TONUMBER", 1, 3, grid_.customFunction(L"TONUMBER")->proc, 0));
    EXPECT_EQ(evaluate(L"=ROUNDTO(17,5)"), L"99");
    EXPECT_TRUE(registerCustomFunctions(grid_));
    EXPECT_EQ(evaluate(L"=ROUNDTO(17,5)"), L"15");
    EXPECT_EQ(grid_.customFunction(L"TONUMBER")->maxArgs, 1);
}

TEST_F(GridFormulas, FormulasComputeThroughTheCallbacks) {
    MessageRecorder recorder;
    grid_.setValue(2, 1, L"125");
    grid_.setValue(2, 2, L"a;b;c");
    const struct {
        const wchar_t* formula;
        const wchar_t* value;
    } cases[] = {
        {L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",5,125,10,10)", L"120"},
        {L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",5,B1+5,10,10)", L"120"},
        {L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",10,150,5,5)", L"150"},
        {L"=STDWIDTHWITHTOLERANCE(\"plates.txt\",5,12,175,20,20)", L"180"},
        {L"=ROUNDTO(17,5)*2", L"30"},
        {L"=GETARRAYITEM(B2,2)", L"b"},
        {L"=GETARRAYITEM(B2,4)", L""},
        {L"=GETCELL(\"lookup.txt\",12.5,\"A\")", L"first"},
        {L"=TONUMBER(GETCELL(\"lookup.txt\",\"M20\"))+1", L"23"},
        {L"=ISNULL(C5)", L"1"},
        {L"=ISPOSITIVE(\"-3\")", L"0"},
        {L"=GETCELL(\"lookup.txt\",\"nope\")", L"#VALUE!"},
        {L"=TONUMBER(5)", L"#VALUE!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(evaluate(c.formula), c.value) << c.formula;
    }
    EXPECT_EQ(recorder.count(), 0);
}

TEST_F(GridFormulas, InvalidTolerancesWarnAndStillGiveAResult) {
    MessageRecorder recorder;
    gSettings.current.calcWarnings = true;
    EXPECT_EQ(evaluate(L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",5,120,-3,1)"), L"123");
    ASSERT_EQ(recorder.count(), 1);
    EXPECT_EQ(recorder.last().text,
              Tvx_String(L"Invalid tolerances provided.\n DownTolerance is :-3UpTolerance is "
                         L":1\nAdding both tolerances should result in a positive value."));
}
