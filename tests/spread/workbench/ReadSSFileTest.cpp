// ReadSSFileTest.cpp - reading a sheet's texts, and the one-cell evaluation of EvaluateSS.
#include "spread/workbench/ReadSSFile.h"
#include "spread/workbench/WorkbenchFixture.h"

namespace {

using ReadSSFileTest = WorkbenchTest;

TEST_F(ReadSSFileTest, ReadsFirstCellHeadersAndRowsAsShown) {
    Tvx_String first;
    Tvx_StringArray headers;
    Tvx_Array<Tvx_StringArray> rows;
    ASSERT_TRUE(ReadSSFile(bolts(), first, headers, rows));
    EXPECT_EQ(first, L"M12");
    EXPECT_EQ(headers, Tvx_StringArray({L"Size", L"Diameter", L"Weight", L"Galvanised", L"Area"}));
    ASSERT_EQ(rows.length(), 5);
    EXPECT_EQ(rows[0], Tvx_StringArray({L"M12", L"12", L"1.50", L"1", L"144"}));
    EXPECT_EQ(rows[3], Tvx_StringArray({L"M16", L"99", L"9.99", L"1", L"9801"}));
    EXPECT_EQ(recorder.lines(),
              std::vector<std::wstring>{(L"Loading spreadsheet:" + bolts()).wstr()});
}

TEST_F(ReadSSFileTest, ASheetThatDoesNotLoadReadsAsEmpty) {
    for (const char* name : {"missing.ovs", "broken.ovs"}) {
        Tvx_String first = L"stale";
        Tvx_StringArray headers = {L"stale"};
        Tvx_Array<Tvx_StringArray> rows;
        rows.append(Tvx_StringArray{L"stale"});
        const Tvx_String file =
            std::string(name) == "broken.ovs"
                ? Tvx_String::fromUtf8(std::string(OVSS_TEST_DATA) + "/sheets/broken.ovs")
                : path(name);
        EXPECT_FALSE(ReadSSFile(file, first, headers, rows)) << name;
        EXPECT_EQ(first, L"") << name;
        EXPECT_TRUE(headers.isEmpty()) << name;
        EXPECT_TRUE(rows.isEmpty()) << name;
    }
}

TEST_F(ReadSSFileTest, EvaluatesOneCell) {
    Tvx_String result;
    EXPECT_TRUE(evaluateSheetCell(bolts(), 5, 3, result));
    EXPECT_EQ(result, L"400");
    EXPECT_FALSE(evaluateSheetCell(path("missing.ovs"), 1, 1, result));
    EXPECT_EQ(result, L"");
}

}  // namespace
