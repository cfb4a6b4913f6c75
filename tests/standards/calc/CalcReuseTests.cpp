// CalcReuseTests.cpp - what one calculation keeps for the next of the same sheet (the parsed
// sheet, its declarations, its prepared Calc cells) must never show: changed files, other
// values and other general variables always come through.
#include <fstream>
#include <iterator>
#include <vector>

#include "CalcFixture.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/calc/SheetCache.h"

namespace {

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces `from` by `to` (of the same length) in the file, in place.
void patchInPlace(const std::filesystem::path& file, const std::string& from,
                  const std::string& to) {
    std::string bytes = readBytes(file);
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    ASSERT_EQ(from.size(), to.size());
    bytes.replace(at, from.size(), to);
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The list a caller passes: every Input and Output of the sheet in order, the Inputs with
// `input` (a String Input gets "IPE" + input).
OvDlgStandardsData requestAll(const std::filesystem::path& file, const wchar_t* sheet,
                              const wchar_t* input) {
    OvDlgStandardsData data;
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = sheet;
    HeadlessGridHost host;
    host.addControl(1, {0, 0, 400, 300});
    Tvx_Spread spread;
    OvVarCells declared;
    if (!spread.create(&host, 1, false) || !spread.SSLoadFromFile(file) ||
        declared.findVarCells(spread) != Acad::eOk) {
        return data;
    }
    for (OvVarCell cell : declared) {
        if (cell.isLocal()) {
            continue;
        }
        cell.col = 0;
        cell.row = 0;
        cell.value = !cell.isInput()                   ? Tvx_String()
                     : cell.valueType == OvValueString ? Tvx_String(L"IPE") + input
                                                       : Tvx_String(input);
        data.varCells.append(cell);
    }
    return data;
}

// What a calculation hands back: success, every value, every message.
std::wstring outcome(OvDlgStandardsData data, MessageRecorder& messages) {
    messages.clear();
    std::wstring out = StartDlgStandardsSS(data) ? L"ok" : L"failed";
    for (const OvVarCell& cell : data.varCells) {
        out += L"|" + cell.name.wstr() + L"=" + cell.value.wstr();
    }
    for (const auto& message : messages.messages()) {
        out += L"|" + message.text.wstr();
    }
    return out;
}

}  // namespace

TEST_F(CalcTest, RepeatedCalculationsFollowValuesAndChangedFiles) {
    auto request = [](const wchar_t* thickness) {
        return listRequest(
            L"Plate", {variable(L"C", OvCellInput, L"HEB200", OvValueString),
                       variable(L"T", OvCellInput, thickness), variable(L"W", OvCellOutput, L"0"),
                       variable(L"M", OvCellOutput, L"0")});
    };
    auto width = [&](const wchar_t* thickness) {
        OvDlgStandardsData data = request(thickness);
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, L"W");
    };
    EXPECT_EQ(width(L"15"), L"30");
    EXPECT_EQ(width(L"16"), L"32");
    EXPECT_EQ(width(L"15"), L"30");

    // Same size, same file, changed within the file system's time resolution.
    const std::filesystem::path file = path("Connection Standards/Plate.ovs");
    patchInPlace(file, "Half * 4", "Half * 6");
    EXPECT_EQ(width(L"16"), L"48");

    // Written anew (another file in its place) with a different equation.
    ovgrid::Grid grid;
    ASSERT_TRUE(grid.loadFromFile(file));
    ASSERT_TRUE(grid.setData(1, 10, L"Width = Half * 8"));
    ASSERT_TRUE(grid.saveToFile(file));
    EXPECT_EQ(width(L"16"), L"64");

    // A file that is no longer a sheet fails the calculation instead of using the kept one.
    patchInPlace(file, "{", "[");
    OvDlgStandardsData broken = request(L"16");
    EXPECT_FALSE(StartDlgStandardsSS(broken));
    EXPECT_EQ(valueOf(broken, L"W"), L"0");
}

TEST_F(CalcTest, GeneralVariablesComeThroughOnEveryRun) {
    auto run = [](const wchar_t* gap, const wchar_t* name) {
        OvDlgStandardsData data = listRequest(
            L"GenVars", {variable(L"T", OvCellInput, L"5"), variable(L"W", OvCellOutput, L""),
                         variable(L"L", OvCellOutput, L"")});
        data.genVarNames = {L"gen_Gap", L"gen_Name", L"gen_Gap_2"};
        data.genVarValues = {gap, name, L"7"};
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, L"W") + L"|" + valueOf(data, L"L");
    };
    EXPECT_EQ(run(L"10", L"S235"), L"15|S235-7");
    EXPECT_EQ(run(L"20", L"S235"), L"25|S235-7");
    EXPECT_EQ(run(L"20", L"S355"), L"25|S355-7");
    EXPECT_EQ(run(L"10", L"S235"), L"15|S235-7");
}

// The first calculation of a sheet runs on the file's sheet, later ones on a copy with the
// equations in place: every sheet must come out the same each time, messages included.
TEST_F(CalcTest, LaterCalculationsOfASheetGiveWhatTheFirstGave) {
    gSettings.current.calcWarnings = true;
    for (const auto& entry : std::filesystem::directory_iterator(path("Connection Standards"))) {
        if (entry.path().extension() != ".ovs") {
            continue;
        }
        const std::wstring sheet = entry.path().stem().wstring();
        for (const wchar_t* input : {L"7", L"200", L"0"}) {
            clearSheetCache();
            const OvDlgStandardsData data = requestAll(entry.path(), sheet.c_str(), input);
            const std::wstring first = outcome(data, messages);
            EXPECT_EQ(outcome(data, messages), first) << entry.path() << " " << input;
            EXPECT_EQ(outcome(data, messages), first) << entry.path() << " " << input;
        }
    }
}

// A value that moves the Calc header (a variable above it becoming "Calc") makes a prepared
// copy unfit: the calculation then runs as on the file's sheet.
TEST_F(CalcTest, AVariableTurningIntoTheCalcHeaderGivesWhatTheFileGives) {
    const std::filesystem::path file = path("Connection Standards/Plate.ovs");
    auto request = [&](const wchar_t* column) {
        OvDlgStandardsData data = requestAll(file, L"Plate", L"15");
        data.varCells[0].value = column;
        return data;
    };
    clearSheetCache();
    const std::wstring fresh = outcome(request(L"Calc"), messages);
    clearSheetCache();
    outcome(request(L"HEB200"), messages);
    const std::wstring usual = outcome(request(L"HEB200"), messages);
    EXPECT_EQ(outcome(request(L"Calc"), messages), fresh);
    EXPECT_EQ(outcome(request(L"HEB200"), messages), usual);
    EXPECT_NE(fresh, usual);
}

// Later calculations of a sheet without formula cells compute each equation straight from the
// cells it reads; every kind of result must come out as the grid reads it from a formula cell:
// numbers to 15 digits, texts, TRUE as 1, an error failing the equation, an empty text, and a
// text a Double cell refuses (that equation fails too: the variable keeps what it was handed,
// as its cell does, and what reads it reads that).
TEST_F(CalcTest, EveryKindOfResultComesOutTheSameOnEveryRun) {
    gSettings.current.calcWarnings = true;
    auto run = [&] {
        OvDlgStandardsData data = listRequest(
            L"Kinds",
            {variable(L"T", OvCellInput, L"7"), variable(L"S", OvCellInput, L"IPE", OvValueString),
             variable(L"N", OvCellInput, L"10", OvValueInt), variable(L"Sum", OvCellOutput, L""),
             variable(L"Label", OvCellOutput, L"", OvValueString),
             variable(L"Flag", OvCellOutput, L""),
             variable(L"Num", OvCellOutput, L"", OvValueString),
             variable(L"FromText", OvCellOutput, L""),
             variable(L"Rounded", OvCellOutput, L"", OvValueInt),
             variable(L"Err", OvCellOutput, L"5"),
             variable(L"Blank", OvCellOutput, L"x", OvValueString),
             variable(L"Back", OvCellOutput, L""),
             variable(L"Echo", OvCellOutput, L"", OvValueString)});
        messages.clear();
        EXPECT_TRUE(StartDlgStandardsSS(data));
        std::wstring out;
        for (const wchar_t* name : {L"Sum", L"Label", L"Flag", L"Num", L"FromText", L"Rounded",
                                    L"Err", L"Blank", L"Back", L"Echo"}) {
            out += valueOf(data, name).wstr() + L"|";
        }
        return out + std::to_wstring(messages.messages().size());
    };
    clearSheetCache();
    // The FromText and Err equations fail (two messages); both keep the values they were handed.
    const std::wstring expected = L"17|IPE-7|1|14||2.5|5||1|14!|2";
    EXPECT_EQ(run(), expected);
    EXPECT_EQ(run(), expected);
    EXPECT_EQ(run(), expected);
}

// A formula cell of the sheet that reads a variable computes again before an equation reads it,
// on the first run and on later ones.
TEST_F(CalcTest, AFormulaCellOfTheSheetFollowsTheVariablesItReads) {
    auto scaled = [](const wchar_t* t) {
        OvDlgStandardsData data = listRequest(
            L"SheetFormula", {variable(L"T", OvCellInput, t), variable(L"S", OvCellOutput, L"")});
        EXPECT_TRUE(StartDlgStandardsSS(data));
        return valueOf(data, L"S").wstr();
    };
    clearSheetCache();
    EXPECT_EQ(scaled(L"7"), L"73.5");
    EXPECT_EQ(scaled(L"7"), L"73.5");
    EXPECT_EQ(scaled(L"2"), L"21");
}

// Number results go into their variables' cells as the cells take a typed number: in range as
// the number the text reads as, beyond a number cell's range not at all (the equation fails and
// the variable keeps what it was handed, as its cell does), into a String variable's cell as
// text. Every run, including one after a
// failed call, gives the same.
TEST_F(CalcTest, NumberResultsReachTheirCellsAlikeOnEveryRun) {
    auto run = [](const wchar_t* a, const wchar_t* n) {
        OvDlgStandardsData data = listRequest(
            L"Ranges", {variable(L"A", OvCellInput, a), variable(L"N", OvCellInput, n, OvValueInt),
                        variable(L"Big", OvCellOutput, L"0"), variable(L"Back", OvCellOutput, L""),
                        variable(L"Small", OvCellOutput, L""),
                        variable(L"Text", OvCellOutput, L"", OvValueString),
                        variable(L"Whole", OvCellOutput, L"", OvValueInt),
                        variable(L"Neg", OvCellOutput, L"")});
        if (!StartDlgStandardsSS(data)) {
            return std::wstring(L"failed");
        }
        std::wstring out;
        for (const wchar_t* name : {L"Big", L"Back", L"Small", L"Text", L"Whole", L"Neg"}) {
            out += valueOf(data, name).wstr() + L"|";
        }
        return out;
    };
    clearSheetCache();
    // Big's cell refuses 2E+15: Big keeps the 0 it was handed, which Back reads.
    const std::wstring first = L"0|1|2e-07|2e+20|3.33333333333333|-1.5|";
    const std::wstring second = L"0|1|4e-07|4e+20|3|-3|";
    EXPECT_EQ(run(L"2", L"10"), first);
    EXPECT_EQ(run(L"4", L"9"), second);
    EXPECT_EQ(run(L"2", L"10"), first);
    // A call that fails (a list shorter than the sheet's variables) leaves nothing behind.
    OvDlgStandardsData shorter = listRequest(L"Ranges", {variable(L"A", OvCellInput, L"3")});
    EXPECT_FALSE(StartDlgStandardsSS(shorter));
    EXPECT_EQ(run(L"4", L"9"), second);
    EXPECT_EQ(run(L"2", L"10"), first);
}
