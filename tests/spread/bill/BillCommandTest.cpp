// BillCommandTest.cpp - a bill written from a TSV rows file, as `ovss bill` does it: the whole
// road from text to saved sheet, and bad input that writes nothing.
#include <filesystem>

#include "grid/Grid.h"
#include "spread/bill/BillFixture.h"
#include "spread/bill/BillFromTsv.h"
#include "spread/sheetfiles/OvSSSettings.h"

namespace fs = std::filesystem;

namespace {

TEST_F(BillTest, TsvRowsBecomeASavedBillSheet) {
    writeBytes(temp.path() / "rows.tsv",
               "Pos\tName\tWeight\n"
               "1\tIPE 200\t22.4\n"
               "\n"
               "2\t\"HEA\t100\"\t16.7\n"
               "#subtotal\tTotal\t\t39.1\n");
    Tvx_String message;
    ASSERT_EQ(writeBillFromTsv(file("rows.tsv"), file("bill.ovs"), L"", {1, 3, 2}, message),
              BillWriteResult::Ok)
        << message;
    EXPECT_TRUE(message.hasSubString(L"3 rows", true)) << message;

    ovgrid::Grid sheet;
    ASSERT_TRUE(sheet.loadFromFile(temp.path() / "bill.ovs"));
    ASSERT_EQ(sheet.getMaxRows(), 3);
    ASSERT_EQ(sheet.getMaxCols(), 3);
    struct Case {
        int col, row;
        const wchar_t* value;
    };
    const Case cases[] = {{1, ovgrid::HEADER, L"Pos"},
                          {3, ovgrid::HEADER, L"Weight"},
                          {2, 1, L"IPE 200"},
                          {2, 2, L"HEA\t100"},
                          {3, 2, L"16.7"},
                          {1, 3, L"Total"},
                          {3, 3, L"39.1"}};
    for (const Case& c : cases) {
        std::wstring value;
        sheet.getValue(c.col, c.row, value);
        EXPECT_EQ(value, c.value) << c.col << "," << c.row;
    }
    int type = 0, style = 0;
    long color = 0, back = 0, fore = 0;
    sheet.getBorder(1, 3, type, style, color);
    sheet.getColor(2, 3, back, fore);
    EXPECT_EQ(type, 31);
    EXPECT_EQ(back, ovgrid::DEFAULT_COLOR);  // the empty sub-total text stays plain

    Tvx_Spread reader;
    reader.attachGrid(&sheet);
    OvSSSettings settings;
    settings.readFromGrid(reader);
    ASSERT_EQ(settings.varValues.length(), 3);
    EXPECT_EQ(settings.varValues[1], L"bill");
}

TEST_F(BillTest, BadInputWritesNothing) {
    writeBytes(temp.path() / "good.tsv", "A\n1\n");
    writeBytes(temp.path() / "open.tsv", "A\n\"unclosed\n");
    writeBytes(temp.path() / "empty.tsv", "");
    struct Case {
        const char* rows;
        const char* out;
        const wchar_t* mentions;
    };
    const Case cases[] = {
        {"absent.tsv", "bill.ovs", L"cannot read"},  {"open.tsv", "bill.ovs", L"not closed"},
        {"empty.tsv", "bill.ovs", L"captions"},      {"good.tsv", "bill.csv", L".ovs"},
        {"good.tsv", "nowhere/bill.ovs", L"folder"},
    };
    for (const Case& c : cases) {
        Tvx_String message;
        EXPECT_EQ(writeBillFromTsv(file(c.rows), file(c.out), L"", {}, message),
                  BillWriteResult::BadInput)
            << c.rows << " " << c.out;
        EXPECT_TRUE(message.hasSubString(c.mentions, false)) << message;
        EXPECT_FALSE(fs::exists(temp.path() / c.out)) << c.out;
    }
}

TEST(BillColumnTypesTest, ParsesCommaSeparatedWholeNumbers) {
    struct Case {
        const wchar_t* text;
        bool ok;
        Tvx_Array<int> types;
    };
    const Case cases[] = {
        {L"", true, {}},      {L"1,3,2", true, {1, 3, 2}}, {L" 1 , 0 ", true, {1, 0}},
        {L"1,,3", false, {}}, {L"1,x", false, {}},         {L"-1", false, {}},
        {L"99", false, {}},  // no such type: it would do nothing in silence
        {L"1,4", false, {}},  {L"99999999999", false, {}}};
    for (const Case& c : cases) {
        Tvx_Array<int> types{7};
        Tvx_String error;
        EXPECT_EQ(parseColumnTypes(c.text, types, error), c.ok) << Tvx_String(c.text);
        if (c.ok) {
            EXPECT_EQ(types, c.types) << Tvx_String(c.text);
        } else {
            EXPECT_EQ(types, Tvx_Array<int>{7});
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

}  // namespace
