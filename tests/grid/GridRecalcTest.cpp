// Recalculation: automatic and manual modes, dependency order, circular references,
// registered functions and the current grid during evaluation, shared range dependencies
// and the reused evaluation order.
#include <gtest/gtest.h>

#include "grid/Grid.h"

using namespace ovgrid;

namespace {

std::wstring value(const Grid& g, int col, int row) {
    std::wstring out;
    g.getValue(col, row, out);
    return out;
}

Grid sheet(bool automatic) {
    Grid g;
    g.setMaxCols(10);
    g.setMaxRows(200);
    g.setBool(kPropAutoCalc, automatic);
    return g;
}

}  // namespace

TEST(GridRecalc, AutomaticRecomputesDependentsInOrder) {
    Grid g = sheet(true);
    g.setValue(1, 1, L"2");
    g.setFormula(2, 1, L"A1*10", false);
    g.setFormula(3, 1, L"B1+A1", false);  // reads A1 directly and through B1
    g.setFormula(4, 1, L"SUM(A1:C1)", false);
    EXPECT_EQ(value(g, 3, 1), L"22");
    g.setValue(1, 1, L"3");
    EXPECT_EQ(value(g, 2, 1), L"30");
    EXPECT_EQ(value(g, 3, 1), L"33");
    EXPECT_EQ(value(g, 4, 1), L"66");
}

TEST(GridRecalc, ManualComputesOnlyWhenAsked) {
    Grid g = sheet(false);
    g.setValue(1, 1, L"2");
    g.setFormula(2, 1, L"A1+1", false);
    EXPECT_EQ(value(g, 2, 1), L"");
    g.setFormula(2, 1, L"A1+1", true);
    EXPECT_EQ(value(g, 2, 1), L"3");
    g.setValue(1, 1, L"5");
    EXPECT_EQ(value(g, 2, 1), L"3");  // stale until asked
    ASSERT_TRUE(g.reCalcCell(2, 1));
    EXPECT_EQ(value(g, 2, 1), L"6");
    g.setFormula(3, 1, L"B1*2", true);
    g.setValue(1, 1, L"0");
    g.recalculateAll();
    EXPECT_EQ(value(g, 3, 1), L"2");
}

TEST(GridRecalc, RecalcCellBringsStalePrecedentsUpToDate) {
    Grid g = sheet(false);
    g.setValue(1, 1, L"1");
    g.setFormula(1, 2, L"A1+1", true);
    g.setFormula(1, 3, L"A2+1", true);
    g.setValue(1, 1, L"10");
    g.reCalcCell(1, 3);
    EXPECT_EQ(value(g, 1, 3), L"12");
}

TEST(GridRecalc, NewFormulaInManualModeBringsStalePrecedentsUpToDateFirst) {
    Grid g = sheet(false);
    g.setValue(1, 1, L"1");
    g.setFormula(1, 2, L"A1+1", true);
    g.setValue(1, 1, L"10");  // A2 is stale now
    g.setFormula(1, 3, L"A2+1", true);
    EXPECT_EQ(value(g, 1, 3), L"12");
    g.setFormula(1, 4, L"A1+5", true);  // reads a plain value only
    EXPECT_EQ(value(g, 1, 4), L"15");
    g.setFormula(1, 5, L"A5+1", true);  // reads itself
    EXPECT_EQ(value(g, 1, 5), L"#VALUE!");
}

TEST(GridRecalc, LongChainsDoNotRecurse) {
    Grid g;
    g.setMaxCols(1);
    g.setMaxRows(100000);
    g.setBool(kPropAutoCalc, false);
    g.setValue(1, 1, L"0");
    for (int r = 2; r <= 100000; ++r) {
        g.setFormula(1, r, L"A" + std::to_wstring(r - 1) + L"+1", false);
    }
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 100000), L"99999");
    g.setBool(kPropAutoCalc, true);
    g.setValue(1, 1, L"1");
    EXPECT_EQ(value(g, 1, 100000), L"100000");
}

TEST(GridRecalc, CircularReferencesGiveAnErrorNotAHang) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const wchar_t*>> formulas;  // row in column 1
        std::vector<std::pair<int, const wchar_t*>> expected;
    };
    const Case cases[] = {
        {"self", {{1, L"A1+1"}}, {{1, L"#VALUE!"}}},
        {"pair", {{1, L"A2"}, {2, L"A1"}}, {{1, L"#VALUE!"}, {2, L"#VALUE!"}}},
        {"downstream", {{1, L"A2"}, {2, L"A1"}, {3, L"A1*2"}}, {{3, L"#VALUE!"}}},
        {"range", {{1, L"SUM(A1:A3)"}, {4, L"5"}}, {{1, L"#VALUE!"}, {4, L"5"}}},
    };
    for (bool automatic : {true, false}) {
        for (const Case& c : cases) {
            Grid g = sheet(automatic);
            for (auto [row, text] : c.formulas) {
                g.setFormula(1, row, text, true);
            }
            g.recalculateAll();
            for (auto [row, expected] : c.expected) {
                EXPECT_EQ(value(g, 1, row), expected) << c.name << " auto " << automatic;
            }
        }
    }
}

TEST(GridRecalc, BreakingACycleRecovers) {
    Grid g = sheet(true);
    g.setFormula(1, 1, L"A2", false);
    g.setFormula(1, 2, L"A1", false);
    EXPECT_EQ(value(g, 1, 1), L"#VALUE!");
    g.setValue(1, 2, L"7");
    EXPECT_EQ(value(g, 1, 1), L"7");
}

namespace {

bool twice(SSValue* result, SSValue* args, int count) {
    if (count != 1 || args[0].status != SS_VALUE_STATUS_OK) {
        return false;
    }
    result->status = SS_VALUE_STATUS_OK;
    result->type = SS_VALUE_TYPE_DOUBLE;
    result->dValue = 2 * (args[0].type == SS_VALUE_TYPE_LONG ? args[0].lValue : args[0].dValue);
    return true;
}

// Writes the current cell's coordinates into column 5 of the current grid.
bool whereAmI(SSValue* result, SSValue*, int) {
    int col = 0, row = 0;
    Grid* grid = Grid::current();
    if (!grid || !Grid::currentCell(col, row)) {
        return false;
    }
    grid->setValue(5, row, std::to_wstring(col) + L"," + std::to_wstring(row));
    result->status = SS_VALUE_STATUS_OK;
    result->type = SS_VALUE_TYPE_LONG;
    result->lValue = row;
    return true;
}

}  // namespace

TEST(GridRecalc, CustomFunctionsAndCurrentCell) {
    Grid g = sheet(true);
    ASSERT_TRUE(g.addCustomFunctionExt(L"twice", 1, 1, twice, 0));
    ASSERT_TRUE(g.addCustomFunctionExt(L"WHEREAMI", 0, 0, whereAmI, 0));
    EXPECT_NE(g.customFunction(L"TWICE"), nullptr);
    g.setFormula(1, 1, L"TWICE(21)", false);
    EXPECT_EQ(value(g, 1, 1), L"42");
    g.setFormula(2, 3, L"WHEREAMI()", false);
    EXPECT_EQ(value(g, 2, 3), L"3");
    EXPECT_EQ(value(g, 5, 3), L"2,3");
    EXPECT_EQ(Grid::current(), nullptr);
    g.setFormula(1, 2, L"NOSUCH(1)", true);
    EXPECT_EQ(value(g, 1, 2), L"#NAME?");
}

// A formula evaluated for a cell it is not stored in: registered functions see the grid and
// that cell as current, what they write is kept, and nothing is left current afterwards.
TEST(GridRecalc, EvaluatingAtACellWithoutStoringThere) {
    Grid g = sheet(false);
    ASSERT_TRUE(g.addCustomFunctionExt(L"WHEREAMI", 0, 0, whereAmI, 0));
    g.setCellNumber(1, 1, 4);
    auto formula = CompiledFormula::compile(L"A1*10+WHEREAMI()", RefStyle::A1, 3, 7);
    ASSERT_TRUE(formula.has_value());
    const Value result = g.evaluateAt(*formula, 3, 7);
    ASSERT_TRUE(result.isNumber());
    EXPECT_EQ(result.number, 47);
    EXPECT_EQ(value(g, 5, 7), L"3,7");
    EXPECT_FALSE(g.hasFormula(3, 7));
    EXPECT_EQ(Grid::current(), nullptr);
}

// A function registered under a name with letters beyond ASCII is found by a formula that
// writes the name in another case, whatever the process locale.
TEST(GridRecalc, CustomFunctionNamesIgnoreCaseInEveryScript) {
    Grid g = sheet(true);
    ASSERT_TRUE(g.addCustomFunctionExt(L"ändern", 1, 1, twice, 0));
    ASSERT_TRUE(g.addCustomFunctionExt(L"MAßE", 1, 1, twice, 0));
    ASSERT_TRUE(g.addCustomFunctionExt(L"Длина", 1, 1, twice, 0));
    ASSERT_TRUE(g.addCustomFunctionExt(L"μήκος", 1, 1, twice, 0));
    const std::pair<const wchar_t*, const wchar_t*> cases[] =
        {
            {L"ÄNDERN(2)", L"4"},     {L"Ändern(3)", L"6"}, {L"maße(4)", L"8"},
            {L"ДЛИНА(5)", L"10"},     {L"длина(6)", L"12"}, {L"ΜΉΚΟΣ(7)", L"14"},
            {L"MASSE(1)", L"#NAME?"},  // ß is a letter of its own, not "SS"
        };
    int row = 1;
    for (const auto& [formula, result] : cases) {
        g.setFormula(1, row, formula, true);
        EXPECT_EQ(value(g, 1, row), result) << row;
        ++row;
    }
}

TEST(GridRecalc, BlockOfRangeFormulasUpdatesFromOneChange) {
    Grid g;
    g.setMaxCols(20);
    g.setMaxRows(60);
    for (int c = 1; c <= 20; ++c) {
        g.setCellNumber(c, 1, 1);
    }
    for (int r = 2; r <= 60; ++r) {
        for (int c = 1; c <= 20; ++c) {
            g.setFormula(
                c, r, L"SUM(A" + std::to_wstring(r - 1) + L":T" + std::to_wstring(r - 1) + L")/20",
                false);
        }
    }
    EXPECT_EQ(value(g, 7, 60), L"1");
    g.setCellNumber(1, 1, 21);  // row 2 averages 2, and so on
    EXPECT_EQ(value(g, 20, 60), L"2");
}

// Formulas sharing one range: taking one reader away (or one of two references of the same
// reader) must leave the range's other readers updating.
TEST(GridRecalc, SharedRangeKeepsItsOtherReaders) {
    Grid g = sheet(true);
    g.setCellNumber(2, 1, 1);
    g.setCellNumber(2, 2, 2);
    g.setCellNumber(2, 3, 3);
    g.setFormula(3, 1, L"SUM(B1:B3)", false);
    g.setFormula(3, 2, L"SUM(B1:B3)*2", false);
    g.setFormula(3, 3, L"SUM(B1:B3)+SUM(B1:B3)", false);
    EXPECT_EQ(value(g, 3, 1), L"6");
    EXPECT_EQ(value(g, 3, 3), L"12");

    g.setFormula(3, 1, L"7", false);
    g.setCellNumber(2, 2, 10);
    EXPECT_EQ(value(g, 3, 1), L"7");
    EXPECT_EQ(value(g, 3, 2), L"28");
    EXPECT_EQ(value(g, 3, 3), L"28");

    g.setFormula(3, 3, L"B1", false);
    g.setCellNumber(2, 3, 0);
    EXPECT_EQ(value(g, 3, 2), L"22");
    EXPECT_EQ(value(g, 3, 3), L"1");

    ASSERT_TRUE(g.clearRange(3, 2, 3, 2));
    g.setCellNumber(2, 1, 5);
    EXPECT_EQ(value(g, 3, 2), L"");
    EXPECT_EQ(value(g, 3, 3), L"5");
}

// A chain long enough for whole-sheet recalculation to reuse its evaluation order: the order
// follows replaced formulas, cycles made and broken, a copy of the sheet, and manual mode's
// stale cells that nobody asked for.
TEST(GridRecalc, RepeatedRecalculationFollowsEveryEdit) {
    Grid g = sheet(false);
    g.setCellNumber(1, 1, 1);
    for (int r = 2; r <= 100; ++r) {
        g.setFormula(1, r, L"A" + std::to_wstring(r - 1) + L"+1", false);
    }
    g.setFormula(2, 1, L"SUM(A1:A100)", false);
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 100), L"100");
    EXPECT_EQ(value(g, 2, 1), L"5050");

    g.setFormula(1, 50, L"1000", false);
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 100), L"1050");

    g.setFormula(1, 50, L"A100", false);  // A50..A100 now read each other
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 49), L"49");
    EXPECT_EQ(value(g, 1, 75), L"#VALUE!");
    EXPECT_EQ(value(g, 2, 1), L"#VALUE!");

    g.setFormula(1, 50, L"A49+1", false);
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 100), L"100");

    // Cells that come and go between recalculations are read where they are now.
    g.setFormula(3, 1, L"D1*2", false);
    g.recalculateAll();
    EXPECT_EQ(value(g, 3, 1), L"0");
    g.setCellNumber(4, 1, 21);
    g.recalculateAll();
    EXPECT_EQ(value(g, 3, 1), L"42");
    ASSERT_TRUE(g.clearRange(4, 1, 4, 1));
    g.recalculateAll();
    EXPECT_EQ(value(g, 3, 1), L"0");
    ASSERT_TRUE(g.insertRows(1, 1));  // everything moves one row down
    g.setCellNumber(4, 1, 8);
    g.recalculateAll();
    EXPECT_EQ(value(g, 3, 2), L"0");
    EXPECT_EQ(value(g, 1, 101), L"100");
    ASSERT_TRUE(g.deleteRows(1, 1));
    g.recalculateAll();
    EXPECT_EQ(value(g, 1, 100), L"100");

    Grid copy;
    ASSERT_TRUE(copy.loadFromSheet(g));
    g.setFormula(1, 2, L"A1+2", false);
    g.recalculateAll();
    copy.recalculateAll();
    EXPECT_EQ(value(g, 1, 100), L"101");
    EXPECT_EQ(value(copy, 1, 100), L"100");

    // Manual: after a change only what is asked for computes, with what it reads.
    g.setCellNumber(1, 1, 10);
    ASSERT_TRUE(g.reCalcCell(1, 3));
    EXPECT_EQ(value(g, 1, 3), L"13");
    EXPECT_EQ(value(g, 1, 4), L"5");
    g.setBool(kPropAutoCalc, true);
    EXPECT_EQ(value(g, 1, 100), L"110");
    g.setCellNumber(1, 1, 0);
    EXPECT_EQ(value(g, 1, 100), L"100");
    EXPECT_EQ(value(g, 2, 1), L"5049");
}

// Blocks are read in place, with the same answers as single references: typed numbers count
// as numbers, a formula's text result stays text, errors propagate, empty cells are empty.
TEST(GridRecalc, RangeReadsSeeWhatReferencesSee) {
    Grid g = sheet(true);
    g.setValue(1, 1, L"5");
    g.setValue(2, 1, L"abc");
    g.setFormula(4, 1, L"\"7\"", false);
    g.setCellNumber(5, 1, 2);
    g.setFormula(6, 1, L"SUM(A1:E1)", false);
    g.setFormula(7, 1, L"COUNT(A1:E1)", false);
    g.setFormula(8, 1, L"COUNTA(A1:E1)", false);
    g.setFormula(9, 1, L"A1+E1", false);
    EXPECT_EQ(value(g, 6, 1), L"7");
    EXPECT_EQ(value(g, 7, 1), L"2");
    EXPECT_EQ(value(g, 8, 1), L"4");
    EXPECT_EQ(value(g, 9, 1), L"7");
    g.setFormula(3, 1, L"1/0", false);
    EXPECT_EQ(value(g, 6, 1), L"#DIV/0!");
    g.setValue(1, 1, L"x");
    g.setFormula(3, 1, L"10", false);
    EXPECT_EQ(value(g, 6, 1), L"12");
}

// A block wider than the runs in which stored values are read: every cell counts once, a
// numeric text counts as its number, an error anywhere is the result; the same whether the
// formula computes on entry or in a whole-sheet recalculation.
TEST(GridRecalc, WideRangesAreReadWhole) {
    Grid g;
    g.setMaxCols(200);
    g.setMaxRows(3);
    for (int c = 1; c <= 150; ++c) {
        g.setCellNumber(c, 1, 1);
    }
    g.setValue(70, 1, L"5");  // 4 more than the 1 it replaces
    g.setValue(71, 1, L"abc");
    g.setFormula(1, 2, L"SUM(A1:ET1)", false);
    g.setFormula(2, 2, L"SUMSQ(A1:ET1)", false);
    g.setFormula(3, 2, L"COUNT(A1:ET1)", false);
    EXPECT_EQ(value(g, 1, 2), L"153");
    EXPECT_EQ(value(g, 2, 2), L"173");  // 148 ones and 25
    EXPECT_EQ(value(g, 3, 2), L"149");

    g.setBool(kPropAutoCalc, false);
    g.setCellNumber(150, 1, 10);
    g.setFormula(130, 1, L"1/0", false);
    ASSERT_TRUE(g.recalculateAll());
    EXPECT_EQ(value(g, 1, 2), L"#DIV/0!");
    EXPECT_EQ(value(g, 2, 2), L"#DIV/0!");
    g.setFormula(130, 1, L"2", false);
    ASSERT_TRUE(g.recalculateAll());
    EXPECT_EQ(value(g, 1, 2), L"163");
    EXPECT_EQ(value(g, 2, 2), L"275");
}

// A change that reaches most of a sheet may compute the whole sheet at once: every dependent
// follows, and a formula that does not read the change keeps what it computed.
TEST(GridRecalc, ChangesReachingMostOfTheSheetUpdateEveryDependent) {
    Grid g = sheet(true);
    g.setCellNumber(1, 1, 1);
    g.setCellNumber(2, 1, 100);
    for (int r = 2; r <= 200; ++r) {
        g.setFormula(1, r, L"A" + std::to_wstring(r - 1) + L"+1", false);
    }
    g.setFormula(3, 1, L"B1*2", false);
    g.setFormula(3, 2, L"A200+C1", false);
    EXPECT_EQ(value(g, 1, 200), L"200");
    EXPECT_EQ(value(g, 3, 2), L"400");

    g.setCellNumber(1, 1, 1001);  // reaches every formula but one
    EXPECT_EQ(value(g, 1, 200), L"1200");
    EXPECT_EQ(value(g, 3, 1), L"200");
    EXPECT_EQ(value(g, 3, 2), L"1400");

    g.setCellNumber(2, 1, 1);  // reaches two
    EXPECT_EQ(value(g, 3, 1), L"2");
    EXPECT_EQ(value(g, 3, 2), L"1202");
    EXPECT_EQ(value(g, 1, 150), L"1150");

    g.setCellNumber(1, 1, 1);  // with the order worked out by now
    EXPECT_EQ(value(g, 1, 200), L"200");
    EXPECT_EQ(value(g, 3, 1), L"2");
    EXPECT_EQ(value(g, 3, 2), L"202");
    g.setCellNumber(1, 1, 11);  // the same cell again: known to reach far
    EXPECT_EQ(value(g, 1, 200), L"210");
    EXPECT_EQ(value(g, 3, 2), L"212");

    // The chain cut in its middle: a change at A1 now reaches half of it.
    g.setCellNumber(1, 100, 5000);
    EXPECT_EQ(value(g, 1, 200), L"5100");
    g.setCellNumber(1, 1, 21);
    EXPECT_EQ(value(g, 1, 99), L"119");
    EXPECT_EQ(value(g, 1, 200), L"5100");
    g.setFormula(1, 100, L"A99+1", true);  // and joined again
    EXPECT_EQ(value(g, 1, 200), L"220");
    g.setCellNumber(1, 1, 31);
    EXPECT_EQ(value(g, 1, 200), L"230");
    EXPECT_EQ(value(g, 3, 2), L"232");
}
