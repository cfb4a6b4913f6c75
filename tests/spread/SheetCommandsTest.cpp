// The convert, eval and read jobs of the command-line tool, on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "spread/SheetCommands.h"

namespace fs = std::filesystem;
using namespace ovsheet;

namespace {

class SheetCommandsTest : public ::testing::Test {
  protected:
    SheetCommandsTest() {
        dir = fs::temp_directory_path() /
              ("ovss-spread-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~SheetCommandsTest() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path write(const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
    static std::string readAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir;
    std::ostringstream out, err;
};

}  // namespace

TEST_F(SheetCommandsTest, ConvertRoundTripsThroughTheGridFormat) {
    const fs::path csv = write("in.csv", "2,3,=A1*B1\n\"a,b\",x,=C1+1\n");
    ASSERT_EQ(convertSheet(csv, dir / "mid.ovs", err), kCommandOk) << err.str();
    ASSERT_EQ(convertSheet(dir / "mid.ovs", dir / "out.tsv", err), kCommandOk) << err.str();
    EXPECT_NE(readAll(dir / "out.tsv").find("=A1*B1"), std::string::npos);
    ASSERT_EQ(evalSheet(dir / "out.tsv", {}, out, err), kCommandOk) << err.str();
    EXPECT_EQ(out.str(), "A1\t2\nB1\t3\nC1\t6\nA2\ta,b\nB2\tx\nC2\t7\n");
}

// A value with a tab, a quote or a line break is quoted as in a TSV field; other text is
// written in UTF-8.
TEST_F(SheetCommandsTest, EvalQuotesAndEncodesTextValues) {
    const fs::path tsv = write("s.tsv",
                               "\"a\tb\"\t\"say \"\"hi\"\"\"\tS\xC3\xA4ule\n"
                               "x\t\"two\nlines\"\n");
    ASSERT_EQ(evalSheet(tsv, {"A1", "B1", "C1", "B2"}, out, err), kCommandOk) << err.str();
    EXPECT_EQ(out.str(),
              "A1\t\"a\tb\"\nB1\t\"say \"\"hi\"\"\"\nC1\tS\xC3\xA4ule\n"
              "B2\t\"two\nlines\"\n");
}

TEST_F(SheetCommandsTest, EvalPrintsNamedCellsInTheOrderGiven) {
    const fs::path csv = write("s.csv", "1,2\n,=A1+B1\n");
    ASSERT_EQ(evalSheet(csv, {"b2", "$A$1", "A2"}, out, err), kCommandOk) << err.str();
    EXPECT_EQ(out.str(), "B2\t3\nA1\t1\nA2\t\n");
}

// What-if: changes apply in order after the calculation, each reaching what depends on it;
// a change may be a formula. Timings go to stderr only, one line per phase.
TEST_F(SheetCommandsTest, EvalAppliesChangesInOrderAndTimesThePhases) {
    const fs::path csv = write("s.csv", "1,2\n=A1*10,=A2+B1\n");
    EvalOptions options;
    options.changes = {"A1=3", "B1==A1+1", "a1=5"};
    options.timings = true;
    ASSERT_EQ(evalSheet(csv, {"A2", "B2", "B1"}, out, err, options), kCommandOk) << err.str();
    EXPECT_EQ(out.str(), "A2\t50\nB2\t56\nB1\t6\n");
    const std::string times = err.str();
    for (const char* phase :
         {"load", "calculate", "change A1=3", "change B1==A1+1", "change a1=5", "print"}) {
        EXPECT_NE(times.find(std::string("ovss: ") + phase), std::string::npos) << phase;
    }
    EXPECT_EQ(std::count(times.begin(), times.end(), '\n'), 6);

    out.str("");
    err.str("");
    options = {};
    options.changes = {"B1=text"};
    ASSERT_EQ(evalSheet(csv, {"B2"}, out, err, options), kCommandOk) << err.str();
    EXPECT_EQ(out.str(), "B2\t#VALUE!\n");
    EXPECT_TRUE(err.str().empty());
}

TEST_F(SheetCommandsTest, ReadPrintsHeadersAndDataRows) {
    const fs::path csv = write("s.csv", "a,\"tab\there\"\n,3\n");
    ASSERT_EQ(readSheet(csv, out, err), kCommandOk) << err.str();
    EXPECT_EQ(out.str(), "A\tB\na\t\"tab\there\"\n\t3\n");
}

TEST_F(SheetCommandsTest, BadInputFailsCleanlyAndWritesNothing) {
    const fs::path good = write("good.csv", "1\n");
    const fs::path broken = write("broken.ovs", "{ not a sheet");
    const fs::path target = write("target.ovs", "old");
    struct Case {
        const char* name;
        std::function<int()> run;
        int expected;
    };
    const std::vector<Case> cases = {
        {"missing input", [&] { return convertSheet(dir / "none.csv", target, err); },
         kCommandBadInput},
        {"broken input", [&] { return convertSheet(broken, target, err); }, kCommandBadInput},
        {"unknown output type", [&] { return convertSheet(good, dir / "x.xls", err); },
         kCommandBadInput},
        {"bad cell name", [&] { return evalSheet(good, {"1A"}, out, err); }, kCommandBadInput},
        {"cell outside", [&] { return evalSheet(good, {"C9"}, out, err); }, kCommandBadInput},
        {"change without value", [&] { return evalSheet(good, {}, out, err, {.changes = {"A1"}}); },
         kCommandBadInput},
        {"change of a bad cell",
         [&] { return evalSheet(good, {}, out, err, {.changes = {"1A=2"}}); }, kCommandBadInput},
        {"change outside", [&] { return evalSheet(good, {}, out, err, {.changes = {"Z9=2"}}); },
         kCommandBadInput},
        {"change to a broken formula",
         [&] { return evalSheet(good, {}, out, err, {.changes = {"A1==1+*"}}); }, kCommandBadInput},
        {"read broken", [&] { return readSheet(broken, out, err); }, kCommandBadInput},
        {"unwritable output",
         [&] { return convertSheet(good, dir / "no" / "such" / "dir.ovs", err); }, kCommandFailed},
    };
    for (const Case& c : cases) {
        err.str("");
        EXPECT_EQ(c.run(), c.expected) << c.name;
        EXPECT_FALSE(err.str().empty()) << c.name;
    }
    EXPECT_EQ(readAll(target), "old");
    EXPECT_FALSE(fs::exists(dir / "x.xls"));
    EXPECT_TRUE(out.str().empty());
}
