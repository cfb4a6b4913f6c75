// ToolProcessTests.cpp - the ovss tool run as a process on a copy of the sample library: the exit
// code (0 done, 1 the job had problems, 2 bad input), the message on stderr naming the cause,
// and the files a refused run must leave alone.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char ch : text) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

// The sample drawing with each macro's settings mapping its standard to it, as the macro
// editor's mapping tab stores it (macro name -> standard, mapped through the key of that name).
std::string withMappedStandards(const std::string& drawing) {
    nlohmann::json root = nlohmann::json::parse(drawing);
    const std::pair<const char*, const char*> standards[] = {
        {"EndPlateBeamToColumn", "EndPlateBeamColumn"},
        {"BasePlate", "BasePlate"},
        {"FinPlate", "FinPlate"},
    };
    for (nlohmann::json& item : root["macros"]) {
        for (const auto& [macro, standard] : standards) {
            if (item["macro"]["name"] == macro) {
                item["macro"]["settings"]["mapping"] = {
                    {{"spreadsheet", standard}, {"target", macro}}};
            }
        }
    }
    return root.dump(2);
}

class ToolProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        root_ =
            fs::temp_directory_path() / ("ovss_tool_" + name + "_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        fs::copy(fs::path(OVSS_SOURCE_DIR) / "library", lib(), fs::copy_options::recursive);
        fs::copy_file(lib() / "Drawings" / "sample.json", drawing());
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path lib() const { return root_ / "library"; }
    fs::path drawing() const { return root_ / "drawing.json"; }
    fs::path standards() const { return lib() / "Connection Standards"; }

    // Runs `ovss <arguments>` in the test's folder, with the library copy and its own user folders.
    ToolRun ovss(const std::string& arguments) const {
        const fs::path out = root_ / "stdout.txt";
        const fs::path err = root_ / "stderr.txt";
        const std::string command = "cd " + quoted(root_.string()) +
                                    " && OVSS_LIBDIR=" + quoted(lib().string() + "/") +
                                    " OVSS_APPDIR=" + quoted(lib().string() + "/") +
                                    " XDG_DATA_HOME=" + quoted((root_ / "data").string()) +
                                    " XDG_CONFIG_HOME=" + quoted((root_ / "config").string()) +
                                    " " + quoted(OVSS_TOOL_PATH) + " " + arguments + " > " +
                                    quoted(out.string()) + " 2> " + quoted(err.string());
        const int status = std::system(command.c_str());
        ToolRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = readAll(out);
        run.err = readAll(err);
        return run;
    }

    ToolRun finPlateCalc(const std::string& extra = "--write") const {
        return ovss(
            "calc --drawing drawing.json --macro FinPlate --standard FinPlate --module "
            "FinPlate " +
            extra);
    }

    fs::path root_;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ToolProcess, AGoodMacroCalculationWritesTheDrawingAndSaysNothingOnStderr) {
    const std::string before = readAll(drawing());
    const ToolRun run = finPlateCalc();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(readAll(drawing()), before);
}

TEST_F(ToolProcess, AnUnknownSectionFailsTheCalculationAndLeavesTheDrawingByteForByte) {
    // A typo in the section of the beam the fin plate is computed from.
    std::string text = readAll(drawing());
    const std::size_t at = text.find("\"IPE400\"");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 8, "\"IPE 400\"");
    writeAll(drawing(), text);

    const ToolRun refused = finPlateCalc();
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(contains(refused.err, "problem: ")) << refused.err;
    EXPECT_TRUE(contains(refused.err, "Connection Standards/FinPlate.ovs: line ")) << refused.err;
    EXPECT_TRUE(contains(refused.err, "was not written")) << refused.err;
    EXPECT_EQ(readAll(drawing()), text);  // byte for byte

    const ToolRun forced = finPlateCalc("--write-anyway");
    EXPECT_EQ(forced.exitCode, 1);
    EXPECT_TRUE(contains(forced.err, "--write-anyway")) << forced.err;
    EXPECT_NE(readAll(drawing()), text);
}

TEST_F(ToolProcess, TheStandardGivenAsAPathFindsItsMappingBesideIt) {
    const ToolRun run =
        ovss("calc --drawing drawing.json --macro FinPlate --standard " +
             quoted((standards() / "FinPlate.ovs").string()) + " --module FinPlate --write");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
}

TEST_F(ToolProcess, BadModulesAndMappingFilesAreRefusedWithTheirCause) {
    const std::string before = readAll(drawing());
    ToolRun run = ovss(
        "calc --drawing drawing.json --macro FinPlate --standard FinPlate --module FinPlat "
        "--write");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "\"FinPlat\" is neither a module group")) << run.err;

    run = ovss(
        "calc --drawing drawing.json --macro FinPlate --standard FinPlate --module Module.Nope");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "no module group \"Nope\"")) << run.err;

    const fs::path map = standards() / "FinPlate.map";
    const std::string good = readAll(map);
    const struct {
        const char* name;
        std::string contents;  // empty name: the file is removed
        const char* cause;
    } cases[] = {
        {"empty", "", "FinPlate.map is empty"},
        {"junk", std::string("\x01\x02\xff\x00garbage", 11), "is not a text file"},
        {"no key", "Mapping version 1.0\nOther=Aƒ Plate•Distance Gap\n", "has no line for"},
        {"truncated", good.substr(0, good.size() - 12), "is not a valid mapping"},
    };
    for (const auto& c : cases) {
        writeAll(map, c.contents);
        run = finPlateCalc();
        EXPECT_EQ(run.exitCode, 2) << c.name << ": " << run.err;
        EXPECT_TRUE(contains(run.err, c.cause)) << c.name << ": " << run.err;
        EXPECT_TRUE(contains(run.err, "Connection Standards/FinPlate.map")) << c.name;
    }
    fs::remove(map);
    run = finPlateCalc();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "no mapping file")) << run.err;
    EXPECT_EQ(readAll(drawing()), before);
}

// `calc --all`: every macro of the sample drawing with the standard its settings map to it.
TEST_F(ToolProcess, AllMacrosOfADrawingAreCalculatedAndSummed) {
    writeAll(drawing(), withMappedStandards(readAll(drawing())));
    ToolRun run = ovss("calc --drawing drawing.json --all --write");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");  // not a terminal: no progress bar
    EXPECT_TRUE(contains(run.out, "changed: macro 3 FinPlate\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "3 macros, 3 calculations: ")) << run.out;
    EXPECT_TRUE(contains(run.out, " 0 failed, 0 without a mapped standard\n")) << run.out;

    // A computed drawing computes to itself; two jobs give the same as one.
    const std::string computed = readAll(drawing());
    run = ovss("calc --drawing drawing.json --all --jobs 2 --write");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "3 macros, 3 calculations: 0 changed, 3 unchanged, 0 failed, 0 without a mapped "
              "standard\n");
    EXPECT_EQ(readAll(drawing()), computed);

    // A macro without a mapping is counted, not failed.
    std::string text = computed;
    const std::size_t mapping = text.find("\"mapping\": [");
    ASSERT_NE(mapping, std::string::npos);
    text.replace(mapping, text.find(']', mapping) + 1 - mapping, "\"mapping\": []");
    writeAll(drawing(), text);
    run = ovss("calc --drawing drawing.json --all");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out,
                         "3 macros, 2 calculations: 0 changed, 2 unchanged, 0 failed, 1 "
                         "without a mapped standard\n"))
        << run.out;
}

TEST_F(ToolProcess, AFailedMacroKeepsTheWholeDrawingUnwritten) {
    // The fin plate's beam section mistyped, and the base plate mapped to a missing standard.
    std::string text = withMappedStandards(readAll(drawing()));
    const std::size_t section = text.find("\"IPE400\"");
    ASSERT_NE(section, std::string::npos);
    text.replace(section, 8, "\"IPE 400\"");
    const std::string baseMapping = "\"spreadsheet\": \"BasePlate\"";
    const std::size_t mapped = text.find(baseMapping);
    ASSERT_NE(mapped, std::string::npos);
    text.replace(mapped, baseMapping.size(), "\"spreadsheet\": \"NoSuchPlate\"");
    writeAll(drawing(), text);

    const ToolRun refused = ovss("calc --drawing drawing.json --all --write");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(contains(refused.out, " 2 failed, 0 without a mapped standard\n")) << refused.out;
    EXPECT_FALSE(contains(refused.out, "changed: macro 3")) << refused.out;
    EXPECT_TRUE(contains(refused.err, "problem: macro 3 FinPlate, FinPlate: ")) << refused.err;
    EXPECT_TRUE(contains(refused.err, "macro 2 BasePlate, standard NoSuchPlate: ")) << refused.err;
    EXPECT_TRUE(contains(refused.err, "Connection Standards/NoSuchPlate")) << refused.err;
    EXPECT_TRUE(contains(refused.err, "was not written")) << refused.err;
    EXPECT_EQ(readAll(drawing()), text);  // byte for byte

    const ToolRun forced = ovss("calc --drawing drawing.json --all --write-anyway");
    EXPECT_EQ(forced.exitCode, 1);
    EXPECT_TRUE(contains(forced.err, "--write-anyway")) << forced.err;
    EXPECT_NE(readAll(drawing()), text);
}

TEST_F(ToolProcess, AllRefusesMixedOptionsBadValuesAndUnreadableDrawings) {
    writeAll(drawing(), withMappedStandards(readAll(drawing())));
    const std::string before = readAll(drawing());
    const struct {
        const char* arguments;
        const char* cause;
    } cases[] = {
        {"calc --drawing drawing.json --all --macro FinPlate", "leave out --macro"},
        {"calc --all", "--all needs --drawing"},
        {"calc --drawing drawing.json --all --gen gen_Gap --write", "NAME=VALUE"},
        {"calc --drawing drawing.json --all --jobs 0", "--jobs"},
        {"calc --drawing missing.json --all", "missing.json"},
        {"calc --drawing drawing.json", "--all"},
    };
    for (const auto& c : cases) {
        const ToolRun run = ovss(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments << ": " << run.err;
        EXPECT_TRUE(contains(run.err, c.cause)) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    writeAll(root_ / "broken.json", "{\"format\": \"ovss-drawing\", \"version\": 1, \"macros\": [");
    const ToolRun run = ovss("calc --drawing broken.json --all --write");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "broken.json")) << run.err;
    EXPECT_EQ(readAll(root_ / "broken.json"),
              "{\"format\": \"ovss-drawing\", \"version\": 1, \"macros\": [");
    EXPECT_EQ(readAll(drawing()), before);
}

TEST_F(ToolProcess, ListModeRefusesUnusableValuesAndMissingInputs) {
    ToolRun run =
        ovss("calc FinPlate --set BeamSection=IPE400 --set BoltDiameter=abc --set Shear=300");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "\"abc\" is not a number")) << run.err;
    EXPECT_EQ(run.out, "");

    run = ovss("calc FinPlate");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "no value for the Input variables")) << run.err;
    EXPECT_TRUE(contains(run.err, "BoltDiameter")) << run.err;

    run = ovss("calc nope.ovs");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "Connection Standards/nope.ovs")) << run.err;
    EXPECT_FALSE(contains(run.err, "nope.ovs.ovs")) << run.err;
    EXPECT_FALSE(contains(run.err, "\\")) << run.err;

    run = ovss("calc FinPlate --set BeamSection=HEB1100 --set BoltDiameter=20 --set Shear=300");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, "problem: ")) << run.err;
}

TEST_F(ToolProcess, ReadTakesAnyCsvAsTyped) {
    writeAll(root_ / "table.csv", "Name,Size,Note\nPlate,10,thin\n1,2.5,\n");
    ToolRun run = ovss("read table.csv");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Plate\t10\tthin")) << run.out;
    EXPECT_TRUE(contains(run.out, "1\t2.5\t")) << run.out;
    EXPECT_FALSE(contains(run.out, "1.00")) << run.out;

    run = ovss("read missing.ovs");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "missing.ovs")) << run.err;
    EXPECT_TRUE(contains(run.err, "No such file")) << run.err;

    writeAll(root_ / "broken.ovs", "{\"format\": ");
    run = ovss("read broken.ovs");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "broken.ovs")) << run.err;
    EXPECT_FALSE(contains(run.err, "No such file")) << run.err;
}

// --set takes one CELL=VALUE per use, so cells to print may follow it; --timings writes the
// phases on stderr only.
TEST_F(ToolProcess, EvalChangesCellsAndTimesThePhases) {
    writeAll(root_ / "s.csv", "1,=A1*2\n=B1+1,\n");
    ToolRun run = ovss("eval s.csv --set A1=4 A2 --set 'B1==A1*3' B1 --timings");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "A2\t13\nB1\t12\n");
    for (const char* phase : {"ovss: load", "ovss: calculate", "ovss: change A1=4",
                              "ovss: change B1==A1*3", "ovss: print"}) {
        EXPECT_TRUE(contains(run.err, phase)) << phase << "\n" << run.err;
    }

    run = ovss("eval s.csv --set A1");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "CELL=VALUE")) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST_F(ToolProcess, BillRefusesJunkRowsUnknownTypesAndMissingSettings) {
    writeAll(root_ / "rows.tsv", "Part\tCount\nPlate\t2\n");
    writeAll(root_ / "junk.tsv", std::string("\x7f"
                                             "ELF\x02\x01\x00\x00binary",
                                             14));
    ToolRun run = ovss("bill rows.tsv out.ovs --types 99");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "\"99\"")) << run.err;
    run = ovss("bill junk.tsv out.ovs");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "not a text file")) << run.err;
    run = ovss("bill rows.tsv out.ovs --settings nope");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "nope")) << run.err;
    EXPECT_FALSE(fs::exists(root_ / "out.ovs"));
    run = ovss("bill rows.tsv out.ovs --types 1,3");
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(ToolProcess, PathsShownToAPersonUseSlashes) {
    const ToolRun run = ovss("info");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(contains(run.out, "\\")) << run.out;
    EXPECT_TRUE(contains(run.out, lib().string() + "/")) << run.out;
}

}  // namespace
