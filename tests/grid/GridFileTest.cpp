// The .ovs file: every attribute survives a save and load, and a loaded file saves back to
// the same bytes; loading takes the sheet's view from the file and keeps what the host gave
// the grid; broken, truncated, foreign and wrong-version files fail with a reason and leave
// the grid as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "grid/CellTypes.h"
#include "grid/Grid.h"

using namespace ovgrid;

namespace {

class GridFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("ovss-grid-file-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

bool noop(SSValue*, SSValue*, int) {
    return false;
}

// A sheet using every attribute the file keeps.
Grid richSheet() {
    Grid g;
    g.setMaxCols(6);
    g.setMaxRows(7);
    g.setBool(kPropAutoCalc, false);
    g.setBool(21, true);
    g.setRefStyle(RefStyle::R1C1);
    g.setCellType(1, 1, defineNumberType(0x10100000, 3, -99999999999999, 99999999999999, 1));
    g.setData(1, 1, L"1.5");
    g.setCellType(2, 1, defineComboType(0x100002, L"x\ty"));
    g.setValue(2, 1, L"y");
    std::array<std::int64_t, 6> pics{1, 2, 3, 4, 5, 6};
    std::array<int, 6> picTypes{6, 6, 6, 6, 0, 0};
    g.setCellType(3, 1, defineCheckType(768, L"on?", pics, picTypes));
    g.setValue(3, 1, L"1");
    g.setCellType(4, 1, defineButtonType(0, L"Go", 7, 1, 8, 2, 1, 2, 0xFF));
    g.setCellType(5, 1, definePictureType(36, L"pic.bmp"));
    g.setCellType(6, 1, definePictureTypeHandle(0x210024, 99, 3, true));
    g.setCellType(1, 2, defineEditType(0x110000, 200, 1, 0));
    g.setCellType(2, 2, defineStaticType(140));
    g.setValue(1, 2, L"unicode \u00e9\u4e2d \"quoted\"\nline");
    g.setFormula(1, 3, L"R1C1*2", true);
    g.setCellTag(0, 0, L"settings\u00a4tag");
    g.setData(HEADER, 2, L"row header");
    g.setData(3, HEADER, L"col header");
    g.lockRange(1, 4, 3, 4, true);
    g.setColorRange(1, 5, 2, 5, 0x123456, 0x654321);
    int font = g.createFont({L"Arial", 17, 700, true, true, false, 0});
    g.setFontRange(1, 6, 6, 6, font);
    g.setBorder(2, 6, 20, 1, 0xABCDEF);
    g.addCellSpan(4, 3, 2, 2);
    g.setColWidth(2, 12.5);
    g.setColWidth(HEADER, 4);
    g.setRowHeight(3, 22);
    g.setRowHidden(7, true);
    g.setActiveCell(2, 3);
    g.setSelectedBlock(1, 2, -1, 4);
    g.setEditMode(true);
    g.setEditSelection(1, 3);
    g.setActionKey(1, 0, 0, 0);
    g.setTextTip({2, 10, FontInfo{L"Tahoma", 15, 700}, 0x1, 0x2});
    g.setAppearance(1);
    g.setSelColor(0x6A240A, 0xFFFFFF);
    g.setOddEvenRowColor(0xFFFFFF, 0, 0xFFFFFF, 0xFF0000);
    g.setGridLineType(7);
    g.setGridLineColor(0x323232);
    g.setHeaderColors(0xF0F0F0, DEFAULT_COLOR);
    g.setColorSetting(0xE6E6E6, DEFAULT_COLOR);
    g.setCursorSetting(1, -1);
    g.setModeA(5);
    g.setModeB(3);
    g.setTwoCodeSetting(4, 5);
    g.setCellNoteIndicator(2);
    g.addCustomFunctionExt(L"NOOP", 0, 0, noop, 0);
    return g;
}

// Everything a caller can read back, in one comparable text.
std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Measures every text as 10 pixels per character, so that it can be told from the default.
class FixedMetrics : public GridMetrics {
  public:
    TextExtent textExtent(std::wstring_view text, const FontInfo&) const override {
        return {static_cast<int>(text.size()) * 10, 10};
    }
};

std::wstring describe(const Grid& g) {
    std::wstring out = std::to_wstring(g.getMaxCols()) + L"x" + std::to_wstring(g.getMaxRows());
    out += L" ref" + std::to_wstring(static_cast<int>(g.getRefStyle()));
    for (auto [code, on] : g.properties()) {
        out += L" p" + std::to_wstring(code) + (on ? L"+" : L"-");
    }
    for (int r = 0; r <= g.getMaxRows(); ++r) {
        for (int c = 0; c <= g.getMaxCols(); ++c) {
            out += L"\n" + std::to_wstring(c) + L"," + std::to_wstring(r) + L":";
            for (ReadMode m : {ReadMode::Data, ReadMode::Formula, ReadMode::Tag, ReadMode::Value}) {
                std::wstring t;
                g.getText(c, r, m, t);
                out += t + L"|";
            }
            const CellStyle& s = g.cellStyle(c, r);
            out += std::to_wstring(s.hasType) + std::to_wstring(s.cellType.type) + L"/" +
                   std::to_wstring(s.cellType.style) + L"/" + std::to_wstring(s.locked) + L"/" +
                   std::to_wstring(s.background) + L"/" + std::to_wstring(s.border.type) + L"/" +
                   g.font(s.font).face + std::to_wstring(g.font(s.font).weight);
            int ac = 0, ar = 0, nc = 0, nr = 0;
            if (g.getCellSpan(c, r, ac, ar, nc, nr)) {
                out += L" span" + std::to_wstring(ac) + std::to_wstring(ar) + std::to_wstring(nc) +
                       std::to_wstring(nr);
            }
        }
        out += L" h" + std::to_wstring(g.getRowHeight(r)) + (g.isRowHidden(r) ? L"H" : L"");
    }
    for (int c = 0; c <= g.getMaxCols(); ++c) {
        out += L" w" + std::to_wstring(g.getColWidth(c));
    }
    return out;
}

}  // namespace

TEST_F(GridFileTest, EveryAttributeRoundTrips) {
    Grid g = richSheet();
    std::wstring error;
    auto path = dir_ / "rich.ovs";
    ASSERT_TRUE(g.saveToFile(path, 0, &error)) << std::string(error.begin(), error.end());
    Grid loaded;
    ASSERT_TRUE(loaded.loadFromFile(path, &error));
    EXPECT_EQ(describe(loaded), describe(g));
    for (int c = 1; c <= 6; ++c) {
        CellType a, b;
        g.getCellType(c, 1, a);
        loaded.getCellType(c, 1, b);
        EXPECT_EQ(a, b) << c;
    }
    EXPECT_EQ(loaded.appearance(), g.appearance());
    EXPECT_EQ(loaded.getTextTip(), g.getTextTip());
    EXPECT_EQ(loaded.actionKeys(), g.actionKeys());
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    ASSERT_TRUE(loaded.getSelectedBlock(c1, r1, c2, r2));
    EXPECT_EQ(std::tie(c1, r1, c2, r2), std::make_tuple(1, 2, -1, 4));
    EXPECT_TRUE(loaded.isEditModeOn());
    // Loading drops the registered functions (callers register again).
    EXPECT_EQ(loaded.customFunctionCount(), 0u);
    // Formulas are live again after loading.
    loaded.setValue(1, 1, L"4");
    loaded.recalculateAll();
    std::wstring v;
    loaded.getValue(1, 3, v);
    EXPECT_EQ(v, L"8");
}

TEST_F(GridFileTest, LoadedFileSavesBackToTheSameBytes) {
    auto first = dir_ / "first.ovs";
    ASSERT_TRUE(richSheet().saveToFile(first));
    Grid loaded;
    ASSERT_TRUE(loaded.loadFromFile(first));
    auto second = dir_ / "second.ovs";
    ASSERT_TRUE(loaded.saveToFile(second));
    EXPECT_EQ(readBytes(second), readBytes(first));

    // Sheets written by earlier versions (the sample library, the test sheets) too.
    const std::filesystem::path shipped[] = {
        std::filesystem::path(OVSS_TEST_DATA) / "sheets" / "bolts.ovs",
        std::filesystem::path(OVSS_SOURCE_DIR) / "library" / "Connection Standards" /
            "FinPlate.ovs",
        std::filesystem::path(OVSS_SOURCE_DIR) / "library" / "Connection Standards" / "Childs" /
            "EndPlateBoltRows.ovs",
    };
    for (const auto& path : shipped) {
        Grid g;
        std::wstring error;
        ASSERT_TRUE(g.loadFromFile(path, &error)) << path;
        auto copy = dir_ / path.filename();
        ASSERT_TRUE(g.saveToFile(copy));
        EXPECT_EQ(readBytes(copy), readBytes(path)) << path;
    }
}

TEST_F(GridFileTest, LoadingTakesTheSheetsViewAndKeepsTheHostsState) {
    auto path = dir_ / "view.ovs";
    ASSERT_TRUE(richSheet().saveToFile(path));

    // A grid shown in a window, with a view state of its own.
    const FixedMetrics metrics;
    auto clipboard = std::make_shared<GridClipboard>();
    Grid g;
    g.setMaxCols(3);
    g.setMaxRows(3);
    g.setData(1, 1, L"abcd");
    g.setMetrics(&metrics);
    g.setClipboard(clipboard);
    g.setOwner(1234);
    g.setClientRect({0, 0, 640, 480});
    g.setScrollBarSize(17, 15);
    g.setActiveCell(3, 3);
    g.setSelectedBlock(3, 1, 3, 3);
    g.setNotificationCell(2, 2);
    double widthBefore = 0, height = 0;
    ASSERT_TRUE(g.getPreferredCellSize(1, 1, widthBefore, height));

    for (bool fromFile : {true, false}) {
        if (fromFile) {
            ASSERT_TRUE(g.loadFromFile(path));
        } else {
            Grid source;
            ASSERT_TRUE(source.loadFromFile(path));
            ASSERT_TRUE(g.loadFromSheet(source));
        }
        // The sheet's view comes from the file: active cell B3, selection A2 to the last
        // column of row 4, edit mode on with characters 1..3 selected.
        int col = 0, row = 0, c1 = 0, r1 = 0, c2 = 0, r2 = 0, start = 0, end = 0;
        ASSERT_TRUE(g.getActiveCell(col, row)) << fromFile;
        EXPECT_EQ(std::tie(col, row), std::make_tuple(2, 3));
        ASSERT_TRUE(g.getSelectedBlock(c1, r1, c2, r2));
        EXPECT_EQ(std::tie(c1, r1, c2, r2), std::make_tuple(1, 2, -1, 4));
        EXPECT_TRUE(g.isEditModeOn());
        g.getEditSelection(start, end);
        EXPECT_EQ(std::tie(start, end), std::make_tuple(1, 3));
        EXPECT_FALSE(g.getNotificationCell(col, row));
        EXPECT_EQ(g.appearance().gridLineType, 7);
        EXPECT_EQ(g.getTextTip().font.face, L"Tahoma");

        // What the host gave the grid stays.
        EXPECT_EQ(g.clipboard(), clipboard);
        EXPECT_EQ(g.getOwner(), 1234);
        EXPECT_EQ(g.getClientRect().right, 640);
        EXPECT_EQ(g.getClientRect().bottom, 480);
        int vertical = 0, horizontal = 0;
        g.getScrollBarSize(vertical, horizontal);
        EXPECT_EQ(std::tie(vertical, horizontal), std::make_tuple(17, 15));
        ASSERT_TRUE(g.setData(5, 5, L"abcd"));
        double width = 0;
        ASSERT_TRUE(g.getPreferredCellSize(5, 5, width, height));
        EXPECT_EQ(width, widthBefore);  // still measured by the view's metrics
    }
}

TEST_F(GridFileTest, BadFilesFailAndLeaveTheGridUnchanged) {
    Grid good = richSheet();
    auto goodPath = dir_ / "good.ovs";
    ASSERT_TRUE(good.saveToFile(goodPath));
    std::ifstream in(goodPath, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string copy = bytes;
        auto at = copy.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? copy : copy.replace(at, from.size(), to);
    };
    struct Case {
        const char* name;
        std::string content;
        const wchar_t* reasonPart;
    };
    const Case cases[] = {
        {"empty", "", L"JSON"},
        {"truncated", bytes.substr(0, bytes.size() / 2), L"truncated"},
        {"foreign json", R"({"hello": [1, 2, 3]})", L"not an ovss sheet"},
        {"array", "[1,2]", L"not a sheet"},
        {"wrong version", replaced("\"version\":1", "\"version\":7"), L"version 7"},
        {"cell outside", replaced("\"maxRows\":7", "\"maxRows\":2"), L"outside"},
        {"bad style", replaced("\"cells\":[[0,0,0", "\"cells\":[[0,0,999"), L"style"},
        {"bad formula", replaced("{\"f\":\"$A$1*2\"}", "{\"f\":\"A1*(\"}"), L"compile"},
        {"binary junk", std::string("\x00\xff\xfe", 3), L"JSON"},
        {"deep", std::string(5000, '['), L""},
    };
    for (const Case& c : cases) {
        Grid g = richSheet();
        std::wstring before = describe(g);
        std::wstring error;
        EXPECT_FALSE(g.loadFromMemory(c.content, &error)) << c.name;
        EXPECT_NE(error.find(c.reasonPart), std::wstring::npos)
            << c.name << ": " << std::string(error.begin(), error.end());
        EXPECT_EQ(describe(g), before) << c.name;
        EXPECT_EQ(g.customFunctionCount(), 1u) << c.name;
    }
    Grid g;
    std::wstring error;
    EXPECT_FALSE(g.loadFromFile(dir_ / "missing.ovs", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(GridFileTest, SaveReplacesAtomicallyAndReportsFailure) {
    Grid g = richSheet();
    auto path = dir_ / "sheet.ovs";
    ASSERT_TRUE(g.saveToFile(path));
    ASSERT_TRUE(g.saveToFile(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    std::wstring error;
    EXPECT_FALSE(g.saveToFile(dir_ / "no-such-folder" / "x.ovs", 0, &error));
    EXPECT_FALSE(error.empty());
}
