// SectionEditorModelTest.cpp - built-in shapes, the values page's headers and new tables, the
// simple editor's naming pattern, checks and insertion, and the icon lookup.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ProfTestSupport.h"
#include "core/FileSystem.h"
#include "core/Texts.h"
#include "seclib/BuiltInShapes.h"
#include "seclib/LibValuesModel.h"
#include "seclib/ProfileChoice.h"
#include "seclib/ProfileIcons.h"
#include "seclib/SimpleSectionModel.h"

namespace {

namespace fs = std::filesystem;

class SectionEditorModel : public TempLibraryTest {
  protected:
    SectionEditorModel() {
        std::ofstream(temp.path() / "texts.tsv")
            << "Number\tEnglish\n86\tValue\n695\tUndefined\n719\tI section\n720\tChannel\n"
               "728\tRectangular tube\n736\tDepth\n737\tWidth\n740\tRadius\n743\tDim\n"
               "744\tThickness\n749\tFlange\n750\tLip\n1457\tRule 1\n1458\tRule 2\n"
               "888\tCorrect\n1098\tCheck\n9402\tNot a number in dimension\n"
               "9404\tThere is already a section named\n";
        reloadTexts();
    }
    ~SectionEditorModel() override { reloadTexts(); }
};

TEST_F(SectionEditorModel, ShapesHaveDisplayTextsIconNamesAndDefaultDimensions) {
    EXPECT_EQ(shapeDisplayText(1), L"<I section>");
    EXPECT_EQ(shapeDisplayText(0), L"");
    EXPECT_EQ(getProfSectionName(10), L"ProfSectionRectTube");
    EXPECT_EQ(getProfSectionName(20), L"ProfSectionSigma Sleeve");
    EXPECT_EQ(getProfSectionName(25), L"");
    EXPECT_EQ(defaultDimensionNames(10),
              (Tvx_StringArray{L"Depth", L"Width", L"Thickness", L"Radius"}));
    // Shapes 4 and 13 number their repeated names.
    EXPECT_EQ(defaultDimensionNames(4),
              (Tvx_StringArray{L"Depth", L"Dim1", L"Dim2", L"Thickness"}));
    EXPECT_EQ(defaultDimensionNames(13).length(), 6);
    EXPECT_EQ(defaultDimensionNames(13)[2], L"Lip1");
    EXPECT_EQ(defaultDimensionNames(19).length(), 9);

    // Reverse lookup stops at the first shape without a text (shape 3 here).
    EXPECT_EQ(shapeFromDisplayText(L"<Channel>"), 2);
    EXPECT_EQ(shapeFromDisplayText(L"<Rectangular tube>"), -1);
    EXPECT_EQ(shapeFromListText(L"<I section>"), L"1");
    EXPECT_EQ(shapeFromListText(L"sigma.dwg"), L"sigma.dwg");
    EXPECT_EQ(shapeToListText(L"2"), L"<Channel>");
    EXPECT_EQ(shapeToListText(L"sigma.DWG"), L"sigma.DWG");
    EXPECT_TRUE(isDrawingShape(L"a.dwg"));
    EXPECT_FALSE(isDrawingShape(L"12"));
    EXPECT_EQ(builtInShapeNumber(L"0"), -1);
    EXPECT_EQ(builtInShapeNumber(L"2.5"), -1);
}

TEST_F(SectionEditorModel, HeadersKeepNamesAndLanguagesAndFollowTheShape) {
    const Tvx_StringArray current = fourLanguageHeader({L"h", L"b", L"t", L"x", L"y"});
    Tvx_StringArray expected = fourLanguageHeader({L"Depth", L"Width", L"Thickness", L"Radius"});
    EXPECT_EQ(headersForShape(current, L"10"), expected);
    EXPECT_EQ(headersForShape(current, L"sigma.dwg"), current);

    Tvx_StringArray korean =
        texts({L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"Korean", L"h"});
    Tvx_StringArray withKorean = korean;
    withKorean.removeAt(7);
    withKorean.append(defaultDimensionNames(1));
    EXPECT_EQ(headersForShape(korean, L"1"), withKorean);
}

TEST_F(SectionEditorModel, NewTypeTableHasOneActiveRowAndTwoValueColumns) {
    const Tvx_ProfValuesTable table = newTypeTable(L"New type");
    EXPECT_EQ(table.typeName, L"New type");
    EXPECT_EQ(table.columnNames, fourLanguageHeader({L"Value1", L"Value2"}));
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0], texts({L"", L"1", L"", L"", L"", L"", L"0", L"0"}));
}

TEST_F(SectionEditorModel, NamesThatLeaveTheProfileFolderAreRefused) {
    for (const wchar_t* bad : {L"", L"..", L"../x", L"a\\b", L"a/b", L"C:x", L" lead", L"x.pr"}) {
        EXPECT_FALSE(isValidTypeName(bad)) << Tvx_String(bad);
    }
    EXPECT_TRUE(isValidTypeName(L"SIGMA 200"));
    EXPECT_TRUE(isValidDimensionText(L" 12.5 "));
    EXPECT_TRUE(isValidDimensionText(L""));
    EXPECT_FALSE(isValidDimensionText(L"12a"));
}

Tvx_ProfValuesTable tubeTable() {
    Tvx_ProfValuesTable table;
    table.typeName = L"RHS";
    table.shape = L"10";
    table.columnNames = fourLanguageHeader({L"h", L"b", L"t", L"r"});
    table.rows.append(sectionRow(L"100x50x4", L"1", L"RHS100x50x4", {L"100", L"50", L"4", L"8"}));
    table.rows.append(sectionRow(L"120x60x5", L"0", L"RHS120x60x5", {L"120", L"60", L"5", L"0"}));
    table.rows.append(
        sectionRow(L"200x100x6", L"1", L"RHS200x100x6", {L"200", L"100", L"6", L"12"}));
    return table;
}

TEST_F(SectionEditorModel, SimpleEditorLearnsTheNamingPatternAndPrefixes) {
    SimpleSectionModel model;
    ASSERT_TRUE(model.start(tubeTable(), L"120x60x5"));
    EXPECT_EQ(model.startRow(), 1);
    EXPECT_EQ(model.pattern(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(model.prefixes(), texts({L"RHS", L"RHS", L"RHS", L"RHS"}));
    EXPECT_FALSE(model.startActive());
    EXPECT_EQ(model.startValues(), texts({L"120", L"60", L"5", L"0"}));
    EXPECT_EQ(model.dimensionLabels()[2], L"C. Thickness:");
    const Tvx_StringArray values = texts({L"150", L"75", L"5", L"10"});
    EXPECT_EQ(model.automaticSysName(values), L"150x75x5");
    EXPECT_EQ(model.automaticUserName(values), L"RHS150x75x5");

    // A name whose parts match no values at first: the pattern comes from a later row, parts
    // matched as numbers and each value used once.
    Tvx_ProfValuesTable table = tubeTable();
    table.rows[0][0] = L"odd";
    table.rows[1][0] = L"5.0x120";
    SimpleSectionModel later;
    ASSERT_TRUE(later.start(table, L"odd"));
    EXPECT_EQ(later.pattern(), (std::vector<int>{2, 0}));
}

TEST_F(SectionEditorModel, TubeRuleAndOtherChecks) {
    SimpleSectionModel model;
    ASSERT_TRUE(model.start(tubeTable(), L"100x50x4"));
    Tvx_String message, caption;
    EXPECT_FALSE(model.check(texts({L"100", L"50", L"5", L"2"}), L"100x50x5", message, caption));
    EXPECT_EQ(message, L"Rule 1\nRule 2\n\nCorrect.");
    EXPECT_EQ(caption, L"Check");
    EXPECT_TRUE(model.check(texts({L"100", L"50", L"5", L"0"}), L"100x50x5", message, caption));
    EXPECT_FALSE(model.check(texts({L"100", L"50", L"5", L"5"}), L"100x50x5", message, caption));
    EXPECT_TRUE(model.check(texts({L"100", L"50", L"5", L"6"}), L"100x50x5", message, caption));

    EXPECT_FALSE(model.check(texts({L"100", L"5o", L"5", L"0"}), L"n", message, caption));
    EXPECT_EQ(message, L"Not a number in dimension B: \"5o\"");
    EXPECT_FALSE(model.check(texts({L"100", L"50", L"4", L"8"}), L"100x50x4", message, caption));
    EXPECT_EQ(message, L"There is already a section named \"100x50x4\"");
    EXPECT_FALSE(model.check(texts({L"1", L"1", L"1", L"0"}), L" ", message, caption));
}

TEST_F(SectionEditorModel, NewSectionsAreActiveAndSortedByTheirNumbers) {
    SimpleSectionModel model;
    ASSERT_TRUE(model.start(tubeTable(), L"120x60x5"));
    const int filtered = model.insert(texts({L"150", L"75", L"5", L"10"}), true, L"");
    const Tvx_ProfValuesTable& table = model.table();
    ASSERT_EQ(table.rows.length(), 4);
    EXPECT_EQ(table.rows[2],
              sectionRow(L"150x75x5", L"1", L"RHS150x75x5", {L"150", L"75", L"5", L"10"}));
    EXPECT_EQ(filtered, 1);  // the inactive row before it is not counted

    // Numbers compare as numbers: 1000 goes last, not behind 100.
    SimpleSectionModel again;
    ASSERT_TRUE(again.start(tubeTable(), L"100x50x4"));
    again.insert(texts({L"1000", L"500", L"10", L"0"}), false, L"Big one");
    EXPECT_EQ(again.table().rows[3][0], L"Big one");
    EXPECT_EQ(again.table().rows[3][4], L"Big one");
}

TEST_F(SectionEditorModel, EqualLegNamesSortAmongThemselves) {
    const Tvx_StringArray existing = texts({L"40x40x4", L"60x30x5", L"50x50x5", L"80x80x8"});
    EXPECT_EQ(sortedSectionPosition(existing, L"60x60x6"), 3);  // behind 50x50x5
    EXPECT_EQ(sortedSectionPosition(existing, L"30x30x3"), 1);  // first of its kind: position 1
    EXPECT_EQ(sortedSectionPosition(existing, L"70x35x5"), 2);  // behind 60x30x5
}

TEST_F(SectionEditorModel, IconsFallBackToUnknownAndUserSectionsGetAutomatedIcons) {
    fs::create_directories(temp.path() / "icons");
    std::ofstream(temp.path() / "icons" / "ProfSectionI-big.bmp") << "bmp";
    EXPECT_EQ(getProfileIconName(L"1", L"", true), L"ProfSectionI-big.bmp");
    EXPECT_EQ(getProfileIconName(L"1", L"", false), L"Unknown-small.bmp");
    EXPECT_EQ(getProfileIconName(L"sigma.dwg", L"", true), L"Unknown-big.bmp");
    std::ofstream(temp.path() / "icons" / "sigma-big.bmp") << "bmp";
    EXPECT_EQ(getProfileIconName(L"sigma.dwg", L"", true), L"sigma-big.bmp");

    // A user section: no big icon -> Unknown; the small one is made from its picture.
    EXPECT_EQ(getProfileIconName(L"", L"User Sections\\Sigma 200.bmp", true), L"Unknown-big.bmp");
    EXPECT_EQ(getProfileIconName(L"", L"User Sections\\Sigma 200.bmp", false),
              L"Unknown-small.bmp");
    fs::create_directories(temp.path() / "User Sections");
    const fs::path picture = temp.path() / "User Sections" / "Sigma 200.bmp";
    std::ofstream(picture) << "first";
    EXPECT_EQ(getProfileIconName(L"", L"User Sections\\Sigma 200.bmp", false),
              L"Sigma 200-automated.bmp");
    const fs::path icon = temp.path() / "icons" / "Sigma 200-automated.bmp";
    std::ifstream in(icon);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "first");

    // A newer picture refreshes the icon.
    std::ofstream(picture, std::ios::trunc) << "second";
    fs::last_write_time(icon, fs::last_write_time(picture) - std::chrono::seconds(10));
    Tvx_String name;
    EXPECT_TRUE(updateAutomatedIcon(L"Sigma 200", name));
    std::ifstream again(icon);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), "second");
    EXPECT_FALSE(updateAutomatedIcon(L"..\\..\\etc", name));
}

TEST_F(SectionEditorModel, SectionListsOfAType) {
    Tvx_ProfValuesTable table = tubeTable();
    ASSERT_TRUE(table.writeToFile(L"RHS"));
    Tvx_StringArray display;
    const Tvx_StringArray names = getSysNamesOfProfile(L"RHS-100x50x4", display);
    EXPECT_EQ(names, texts({L"RHS-100x50x4", L"RHS-200x100x6"}));
    EXPECT_EQ(display, texts({L"RHS100x50x4", L"RHS200x100x6", L"Undefined"}));

    display.removeAll();
    EXPECT_EQ(getSysNamesOfProfile(L"NOPE-1", display).length(), 0);
    EXPECT_EQ(display, texts({L"Undefined"}));

    const ProfileComboEntries user = profileComboEntries(L"User Sections\\Sigma 200.dwg");
    EXPECT_EQ(user.entries, texts({L"Sigma 200", L"Undefined"}));
    EXPECT_EQ(user.names, texts({L"User Sections\\Sigma 200.dwg"}));
    EXPECT_EQ(user.selected, 0);
}

}  // namespace
