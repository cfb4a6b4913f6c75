// The .ovs reader's two paths: the fast one (simdjson) reads what it parses, the streaming one
// reads the rest (broken JSON, whole numbers beyond 64 bits). Every document gives the same
// sheet or the same reason on both paths, and a refused document leaves the grid as it was.
#include <gtest/gtest.h>

#include <string>

#include "grid/Grid.h"

using namespace ovgrid;

namespace {

// A small sheet document (3 x 3, one font, one style) written by hand.
std::string sheet(const std::string& cells, const std::string& maxRows = "3") {
    return R"({"format":"ovss-grid","version":1,"maxCols":3,"maxRows":)" + maxRows +
           R"(,"refStyle":"A1","properties":[],)"
           R"("fonts":[{"face":"Arial","height":13,"weight":400,"italic":false,)"
           R"("underline":false,"strikeOut":false,"charSet":0}],)"
           R"("styles":[{"locked":false,"background":0,"foreground":0,"font":0,)"
           R"("border":[0,0,0]}],"colWidths":[],"rowHeights":[],"hiddenRows":[],"spans":[],)"
           R"("cells":[)" +
           cells + "]}";
}

// The same document with a whole number beyond 64 bits in a field nothing reads: only the
// streaming path takes it.
std::string streamed(const std::string& document) {
    return "{\"pad\":100000000000000000000," + document.substr(1);
}

struct Load {
    bool ok = false;
    std::wstring error;
};

// Loads into a grid holding a sentinel; a refused load must leave the sentinel.
Load load(const std::string& bytes, Grid* into = nullptr) {
    Grid own;
    Grid& g = into ? *into : own;
    g.setMaxCols(2);
    g.setMaxRows(2);
    g.setData(2, 2, L"sentinel");
    Load result;
    result.ok = g.loadFromMemory(bytes, &result.error);
    if (!result.ok) {
        std::wstring kept;
        g.getData(2, 2, kept);
        EXPECT_EQ(kept, L"sentinel");
        EXPECT_EQ(g.getMaxRows(), 2);
    }
    return result;
}

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

TEST(GridFileReader, BadCellEntriesGiveTheSameReasonOnBothPaths) {
    struct Case {
        const char* cells;
        const wchar_t* reason;
    };
    const Case cases[] = {
        {"5", L"a cell entry is not a list"},
        {R"("A1")", L"a cell entry is not a list"},
        {"{}", L"a cell entry must be a list of 4 or 5 items"},
        {"[1,1,0]", L"a cell entry must be a list of 4 or 5 items"},
        {"[1,1,0,null,{},7]", L"a cell entry must be a list of 4 or 5 items"},
        {R"(["1",1,0,null])", L"cell column is not a whole number"},
        {"[1,2.5,0,null]", L"cell row is not a whole number"},
        {"[1,-1,0,null]", L"cell row is out of range"},
        {"[18446744073709551615,1,0,null]", L"cell column is out of range"},
        {"[1,1,4294967296,null]", L"cell style is out of range"},
        {"[1,1,0,[1]]", L"a cell value has an unknown form"},
        {R"([1,1,0,{"error":"#BOGUS!"}])", L"unknown error value"},
        {R"([1,1,0,{"code":"#N/A"}])", L"missing \"error\""},
        {R"([1,1,0,{"error":7}])", L"an error value is not a text"},
        {"[1,1,0,null,7]", L"cell extras are not an object"},
        {R"([1,1,0,null,{"t":false}])", L"a cell tag is not a text"},
        {R"([1,1,0,null,{"f":12}])", L"a formula is not a text"},
        {R"([1,1,0,null,{"f":"A1*("}])", L"the formula of cell (1, 1) does not compile"},
        {R"([0,1,0,null,{"f":"1+1"}])", L"the formula of cell (0, 1) does not compile"},
        {"[1,1,0,1],[2,2,0,2],[1,1,0,3]", L"a cell appears twice"},
        // The cell checks come before the document's own.
        {"[3,3,0,1],[1,1,0,[]]", L"a cell value has an unknown form"},
    };
    for (const Case& c : cases) {
        Load fast = load(sheet(c.cells));
        Load slow = load(streamed(sheet(c.cells)));
        EXPECT_FALSE(fast.ok) << c.cells;
        EXPECT_NE(fast.error.find(c.reason), std::wstring::npos)
            << c.cells << ": " << narrow(fast.error);
        EXPECT_EQ(fast.error, slow.error) << c.cells;
    }
}

TEST(GridFileReader, GoodDocumentsReadTheSameOnBothPaths) {
    const std::string cells =
        R"([1,1,0,2.5],[2,1,0,"Gr\u00fc\u00dfe"],[3,1,0,{"error":"#DIV/0!"}],)"
        R"([1,2,0,null,{"f":"A1+1","f":"A1*4"}],)"  // a repeated key: the last counts
        R"([2,2,0,"x",{"t":"caf\u00e9","t":"tag"}],)"
        R"([3,2,0,null,{"f":"\"\u00fc\"&\"\u20ac\""}],)"
        R"([1,3,0,-0],[2,3,0,true],[3,3,0,18446744073709551615])";
    // A byte-order mark before the document is allowed.
    const std::string mark = "\xEF\xBB\xBF";
    for (const std::string& document : {sheet(cells), streamed(sheet(cells)), mark + sheet(cells),
                                        mark + streamed(sheet(cells))}) {
        Grid g;
        Load result = load(document, &g);
        ASSERT_TRUE(result.ok) << narrow(result.error);
        ASSERT_TRUE(g.recalculateAll());
        std::wstring text;
        double number = 0;
        ASSERT_TRUE(g.getCellNumber(1, 1, number));
        EXPECT_EQ(number, 2.5);
        g.getData(2, 1, text);
        EXPECT_EQ(text, L"Gr\u00fc\u00dfe");
        g.getValue(3, 1, text);
        EXPECT_EQ(text, L"#DIV/0!");
        g.getFormula(1, 2, text);
        EXPECT_NE(text.find(L"A1*4"), std::wstring::npos) << narrow(text);
        ASSERT_TRUE(g.getCellNumber(1, 2, number));
        EXPECT_EQ(number, 10);
        g.getCellTag(2, 2, text);
        EXPECT_EQ(text, L"tag");
        g.getValue(3, 2, text);
        EXPECT_EQ(text, L"\u00fc\u20ac");
        ASSERT_TRUE(g.getCellNumber(1, 3, number));
        EXPECT_EQ(number, 0);
        ASSERT_TRUE(g.getCellNumber(3, 3, number));
        EXPECT_EQ(number, 18446744073709551615.0);
    }
}

TEST(GridFileReader, NumbersBeyondSimdjsonAreReadByTheStreamingPath) {
    // A whole number beyond 64 bits is a number like any other as a value...
    Grid g;
    ASSERT_TRUE(load(sheet("[1,1,0,100000000000000000000]"), &g).ok);
    double number = 0;
    ASSERT_TRUE(g.getCellNumber(1, 1, number));
    EXPECT_EQ(number, 1e20);
    // ...and not a whole number where one is wanted; beyond the double range it is refused.
    EXPECT_NE(load(sheet("[100000000000000000000,1,0,null]")).error.find(L"cell column is not"),
              std::wstring::npos);
    EXPECT_NE(load(sheet("[1,1,0,1e400]")).error.find(L"not valid JSON"), std::wstring::npos);
}

TEST(GridFileReader, DocumentFieldsKeepTheirTypesAndLastKey) {
    // 1.0 is no whole number, a negative count is out of range, 1 is not true.
    auto reason = [](const std::string& from, const std::string& to) {
        std::string document = sheet("[1,1,0,1]");
        document.replace(document.find(from), from.size(), to);
        Load fast = load(document);
        Load slow = load(streamed(document));
        EXPECT_EQ(fast.error, slow.error) << to;
        return fast.error;
    };
    EXPECT_NE(reason("\"version\":1", "\"version\":1.0").find(L"version is not a whole number"),
              std::wstring::npos);
    EXPECT_NE(reason("\"maxCols\":3", "\"maxCols\":-1").find(L"maxCols is out of range"),
              std::wstring::npos);
    EXPECT_NE(reason("\"italic\":false", "\"italic\":1").find(L"font italic is not true or false"),
              std::wstring::npos);
    EXPECT_NE(reason("\"refStyle\":\"A1\"", "\"refStyle\":\"a1\"").find(L"unknown reference style"),
              std::wstring::npos);
    // A repeated key: the last one counts, here the larger sheet that holds the cell.
    Grid g;
    Load twice = load(sheet("[1,5,0,1]", "1,\"maxRows\":5"), &g);
    ASSERT_TRUE(twice.ok) << narrow(twice.error);
    EXPECT_EQ(g.getMaxRows(), 5);
}

TEST(GridFileReader, CellsKeepTheirLooksWhenTheFileRepeatsAStyle) {
    // Styles 1 and 2 are the same red; style 3 is blue. Loading merges 1 and 2, so the cells
    // of style 3 must follow it to its new place.
    const std::string red =
        R"({"locked":false,"background":255,"foreground":0,"font":0,"border":[0,0,0]})";
    const std::string blue =
        R"({"locked":false,"background":16711680,"foreground":0,"font":0,"border":[0,0,0]})";
    std::string document = sheet("[1,1,1,1],[2,1,2,2],[3,1,3,3]");
    const std::string end = R"(]}],"colWidths")";
    document.insert(document.find(end) + 2, "," + red + "," + red + "," + blue);
    Grid g;
    Load result = load(document, &g);
    ASSERT_TRUE(result.ok) << narrow(result.error);
    long background = 0, foreground = 0;
    for (int col : {1, 2}) {
        ASSERT_TRUE(g.getColor(col, 1, background, foreground));
        EXPECT_EQ(background, 255) << col;
    }
    ASSERT_TRUE(g.getColor(3, 1, background, foreground));
    EXPECT_EQ(background, 16711680);
}

TEST(GridFileReader, NestingIsBoundedOnBothPaths) {
    // The document object is the first level; 32 levels load, 33 do not.
    auto nested = [](int arrays) {
        std::string document = sheet("");
        std::string deep = "\"deep\":" + std::string(arrays, '[') + std::string(arrays, ']') + ",";
        return document.insert(1, deep);
    };
    EXPECT_TRUE(load(nested(31)).ok);
    EXPECT_TRUE(load(streamed(nested(31))).ok);
    for (const std::string& document : {nested(32), streamed(nested(32))}) {
        EXPECT_NE(load(document).error.find(L"the document is nested too deeply"),
                  std::wstring::npos);
    }
}

TEST(GridFileReader, BrokenTextIsNotValidJson) {
    const std::string cases[] = {
        sheet("[1,1,0,\"a\xff\"]"),             // a byte that is no UTF-8
        sheet("[1,1,0,\"\xc3\xa9\xe2\x82\"]"),  // a sequence cut short
        sheet(R"([1,1,0,"\ud800"])"),           // half a surrogate pair
        sheet("[1,1,0,\"a\tb\"]"),              // a control character
        sheet("[1,1,0,1],[1,2").substr(0, 300),
    };
    for (const std::string& document : cases) {
        Load result = load(document);
        EXPECT_FALSE(result.ok) << document;
        EXPECT_NE(result.error.find(L"the file is not valid JSON (broken or truncated near byte"),
                  std::wstring::npos)
            << narrow(result.error);
    }
}

}  // namespace

namespace {

TEST(GridFileReader, EachDocumentReadsOnlyItsOwnCells) {
    // Reads on one thread share the parser's buffers: a shorter document read after a longer
    // one, or after a broken one, must hold only its own cells.
    const std::string full = sheet("[1,1,0,1],[2,1,0,2],[3,1,0,3],[1,2,0,4],[2,2,0,5],[3,3,0,9]");
    const std::string one = sheet("[2,3,0,\"x\"]");
    for (int round = 0; round < 2; ++round) {
        Grid g;
        ASSERT_TRUE(load(full, &g).ok);
        EXPECT_EQ(g.cells().size(), 6u);
        EXPECT_FALSE(load(full.substr(0, full.size() / 2)).ok);
        ASSERT_TRUE(load(one, &g).ok);
        EXPECT_EQ(g.cells().size(), 1u);
        std::wstring text;
        g.getData(2, 3, text);
        EXPECT_EQ(text, L"x");
        g.getData(3, 3, text);
        EXPECT_EQ(text, L"");
    }
}

}  // namespace
