// DstvPointsTests.cpp - DSTV points: the defaults of a new point, group files (round trip, empty
// file, bad files), the list of groups and the standard group setting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/Registry.h"
#include "core/TempFolder.h"
#include "core/Tvx_Settings.h"
#include "dialogs/dstv/DlgDstvPoints.h"

namespace {

namespace fs = std::filesystem;
using Points = Tvx_Array<Tvx_DstvPointInfo>;

class DstvGroups : public ::testing::Test {
  protected:
    DstvGroups() {
        gSettings.resetForTests(temp.folder(), temp.folder());
        ::setenv("OVSS_REGISTRY", (temp.path() / "registry.json").c_str(), 1);
        OvRegistry::reload();
    }
    ~DstvGroups() override {
        gSettings.resetToDefaults();
        ::unsetenv("OVSS_REGISTRY");
        OvRegistry::reload();
    }
    void writeRaw(const std::string& name, const std::string& content) {
        fs::create_directories(temp.path() / "DSTV Points");
        std::ofstream(temp.path() / "DSTV Points" / name, std::ios::binary) << content;
    }

    TempFolder temp;
};

TEST(DstvPoint, ANewPointStartsWithTheUsualRules) {
    const Tvx_DstvPointInfo point(L"P1");
    EXPECT_EQ(point.name(), L"P1");
    EXPECT_TRUE(point.selectGeomExtent());
    EXPECT_EQ(point.sideSelection1(), 0);
    EXPECT_EQ(point.sideSelection2(), 2);
    EXPECT_FALSE(point.selectIntersGeom());
    EXPECT_TRUE(point.selectIntersMid());
    EXPECT_EQ(point.intersStartDir(), 0);
    EXPECT_EQ(point.viewPlateSelection(), 0);
    EXPECT_EQ(point.markPlateSelection(), 0);
    EXPECT_DOUBLE_EQ(point.minPlateSideDist(), 50.0);
    EXPECT_FALSE(point.drillFullHole());
    EXPECT_FALSE(point.radiusThicknessBased());
    EXPECT_DOUBLE_EQ(point.drillRadius(), 16.0);
}

TEST_F(DstvGroups, GroupFilesKeepEveryPropertyOfEveryPoint) {
    Tvx_DstvPointInfo corner(L"Corner\twith tab \\ and\nbreak");
    corner.setSelectGeomExtent(false, kDstvSideTop, kDstvSideBottom);
    corner.setSelectIntersGeom(true, false, kDstvSideRight);
    corner.setPlateSelection(3, 2, 12.5);
    corner.setDrillFullHole(true, true, 0.125);
    const Points points{Tvx_DstvPointInfo(L"Centre"), corner};
    const Tvx_String path = DlgDstvPoints::groupPath(L"Plates");
    fs::create_directories(temp.path() / "DSTV Points");
    Tvx_String error;
    ASSERT_TRUE(DlgDstvPoints::writeToFile(path, points, error)) << error.toUtf8();
    Points back;
    ASSERT_TRUE(DlgDstvPoints::readFromFile(path, back, error)) << error.toUtf8();
    EXPECT_EQ(back, points);
}

TEST_F(DstvGroups, AnEmptyFileIsAGroupWithoutPoints) {
    writeRaw("New.dat", "");
    Points points{Tvx_DstvPointInfo(L"old")};
    Tvx_String error;
    EXPECT_TRUE(DlgDstvPoints::readFromFile(DlgDstvPoints::groupPath(L"New"), points, error));
    EXPECT_TRUE(points.isEmpty());
}

TEST_F(DstvGroups, BadGroupFilesAreRefusedNamingFileLineAndCause) {
    struct Case {
        const char* content;
        const wchar_t* expected;
    };
    const char* good = "Centre\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n";
    const Case cases[] = {
        {"Centre\t1\n", L"line 1: not a DSTV points file"},
        {"ovss dstv points 2\n", L"line 1: version \"2\""},
        {"ovss dstv points 1\nCentre\t1\t0\n", L"line 2: a point has 13"},
        {"ovss dstv points 1\nA\t1\t0\t9\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", L"line 2: a side"},
        {"ovss dstv points 1\nA\t2\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", L"field 2 must be 0"},
        {"ovss dstv points 1\nA\t1\t0\t2\t0\t1\t0\t7\t0\t50\t0\t0\t16\n", L"the view"},
        {"ovss dstv points 1\nA\t1\t0\t2\t0\t1\t0\t0\t0\t-5\t0\t0\t16\n", L"the distance"},
        {"ovss dstv points 1\nA\t1\t0\t2\t0\t1\t0\t0\t0\tnan\t0\t0\t16\n", L"the distance"},
        {"ovss dstv points 1\n\t1\t0\t2\t0\t1\t0\t0\t0\t5\t0\t0\t16\n", L"the point name"},
    };
    for (const Case& c : cases) {
        writeRaw("Bad.dat", std::string(c.content) + (c.content[0] == 'o' ? good : ""));
        Points points{Tvx_DstvPointInfo(L"kept")};
        Tvx_String error;
        EXPECT_FALSE(DlgDstvPoints::readFromFile(DlgDstvPoints::groupPath(L"Bad"), points, error))
            << c.content;
        EXPECT_TRUE(error.hasSubString(L"Bad.dat\", line", true)) << error.toUtf8();
        EXPECT_TRUE(error.hasSubString(c.expected, true)) << error.toUtf8();
        EXPECT_EQ(points, Points{Tvx_DstvPointInfo(L"kept")});
    }
}

TEST_F(DstvGroups, GroupsAreTheDatFilesOfTheFolderAndTheStandardIsRemembered) {
    Tvx_StringArray groups;
    DlgDstvPoints::getAllDstvPointsFiles(groups);  // no folder yet
    EXPECT_TRUE(groups.isEmpty());
    writeRaw("Plates.dat", "");
    writeRaw("Base plates.dat", "");
    writeRaw("notes.txt", "");
    DlgDstvPoints::getAllDstvPointsFiles(groups);
    EXPECT_EQ(groups, Tvx_StringArray({L"Base plates", L"Plates"}));

    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(L"Plates.dat"));
    OvRegistry::reload();  // read back from the file
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"Plates.dat");
}

TEST(DstvGroupNames, NamesThatWouldLeaveTheFolderAreRefused) {
    for (const wchar_t* name : {L"", L" ", L"..", L"../x", L"a\\b", L"a:b"}) {
        EXPECT_FALSE(DlgDstvPoints::isValidGroupName(name)) << Tvx_String(name).toUtf8();
    }
    EXPECT_TRUE(DlgDstvPoints::isValidGroupName(L"Base plates 2"));
}

}  // namespace
