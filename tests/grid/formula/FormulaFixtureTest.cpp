// FormulaFixtureTest.cpp - runs the formula fixtures of tests/data/formulas (one test per
// file; the format is described in that folder's README.md) and reports every failing case
// with its file and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "base/Utf8.h"

namespace ovgrid::test {
namespace {

namespace fs = std::filesystem;

const fs::path& fixtureFolder() {
    static const fs::path folder = fs::path(OVSS_TEST_DATA) / "formulas";
    return folder;
}

// A value as a fixture writes it, or the mark of a formula that does not compile.
struct Expected {
    bool syntaxError = false;
    Value value;
};

std::wstring trimmed(const std::wstring& s) {
    const auto first = s.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return L"";
    }
    return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}

// Fields separated by runs of tabs.
std::vector<std::wstring> fields(const std::wstring& line) {
    std::vector<std::wstring> out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t end = std::min(line.find(L'\t', pos), line.size());
        if (end > pos) {
            out.push_back(trimmed(line.substr(pos, end - pos)));
        }
        pos = end + 1;
    }
    return out;
}

std::optional<Value> parseValue(const std::wstring& text) {
    if (text == L"TRUE" || text == L"FALSE") {
        return Value::fromBool(text == L"TRUE");
    }
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
        std::wstring inner;
        for (std::size_t i = 1; i + 1 < text.size(); ++i) {
            if (text[i] == L'"') {
                if (i + 2 >= text.size() || text[i + 1] != L'"') {
                    return std::nullopt;  // a lone quote inside the text
                }
                ++i;
            }
            inner += text[i];
        }
        return Value::fromText(inner);
    }
    if (!text.empty() && text.front() == L'#') {
        ErrorCode code;
        if (parseErrorText(text, code) && text == errorText(code)) {
            return Value::fromError(code);
        }
        return std::nullopt;
    }
    const std::string narrow = ovbase::toUtf8(text);
    char* end = nullptr;
    const double number = std::strtod(narrow.c_str(), &end);
    if (narrow.empty() || *end != '\0') {
        return std::nullopt;
    }
    return Value::fromNumber(number);
}

std::optional<Expected> parseExpected(const std::wstring& text) {
    if (text == L"<syntax error>") {
        return Expected{true, Value::empty()};
    }
    auto value = parseValue(text);
    if (!value) {
        return std::nullopt;
    }
    return Expected{false, *value};
}

// "C5" -> column 3, row 5.
bool parseCell(const std::wstring& text, int& col, int& row) {
    std::size_t i = 0;
    col = 0;
    while (i < text.size() && text[i] >= L'A' && text[i] <= L'Z' && col < 100000) {
        col = col * 26 + (text[i] - L'A' + 1);
        ++i;
    }
    if (i == 0 || i == text.size()) {
        return false;
    }
    row = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9' || row > 10000000) {
            return false;
        }
        row = row * 10 + (text[i] - L'0');
    }
    return row > 0;
}

std::string number15(double x) {
    char buf[40];
    std::snprintf(buf, sizeof(buf), "%.15g", x == 0.0 ? 0.0 : x);  // no "-0"
    return buf;
}

std::string show(const Expected& e) {
    if (e.syntaxError) {
        return "<syntax error>";
    }
    if (e.value.isNumber()) {
        return number15(e.value.number);
    }
    if (e.value.kind == Value::Kind::Text) {
        return "\"" + ovbase::toUtf8(e.value.text) + "\"";
    }
    return describe(e.value);
}

// Numbers agree when Excel would show them alike (15 significant digits).
bool agree(const Expected& got, const Expected& want) {
    if (got.syntaxError || want.syntaxError) {
        return got.syntaxError == want.syntaxError;
    }
    if (got.value.isNumber() && want.value.isNumber()) {
        return number15(got.value.number) == number15(want.value.number);
    }
    return sameValue(got.value, want.value);
}

struct Section {
    bool cells = false;
    RefStyle style = RefStyle::A1;
    int col = 8;  // H10
    int row = 10;
};

// "[cells]", "[formulas]", "[formulas R1C1 in C5]"; false for anything else.
bool parseSection(const std::wstring& line, Section& section) {
    std::wistringstream words(line.substr(1, line.size() - 2));
    std::wstring word;
    words >> word;
    section = Section{};
    if (word == L"cells") {
        section.cells = true;
        return !(words >> word);
    }
    if (word != L"formulas") {
        return false;
    }
    while (words >> word) {
        if (word == L"R1C1") {
            section.style = RefStyle::R1C1;
        } else if (word == L"A1") {
            section.style = RefStyle::A1;
        } else if (word != L"in" || !(words >> word) ||
                   !parseCell(word, section.col, section.row)) {
            return false;
        }
    }
    return true;
}

class FormulaFixtures : public ::testing::TestWithParam<std::string> {};

TEST_P(FormulaFixtures, AgreeWithExcel) {
    const fs::path path = fixtureFolder() / GetParam();
    const std::string file = path.string();
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "cannot read " << file;

    MapContext sheet;  // in use: A1:Z100
    Section section;
    bool inSection = false;
    int cases = 0;
    std::string bytes;
    for (int lineNo = 1; std::getline(in, bytes); ++lineNo) {
        if (!bytes.empty() && bytes.back() == '\r') {
            bytes.pop_back();
        }
        const auto decoded = ovbase::decodeUtf8(bytes);
        if (!decoded) {
            ADD_FAILURE_AT(file.c_str(), lineNo) << "not UTF-8";
            continue;
        }
        const std::wstring& line = *decoded;
        if (trimmed(line).empty() || line.front() == L'#') {
            continue;
        }
        if (line.front() == L'[' && line.back() == L']') {
            if (!parseSection(line, section)) {
                ADD_FAILURE_AT(file.c_str(), lineNo) << "unknown section " << bytes;
            }
            inSection = true;
            if (section.cells) {
                sheet.cells.clear();
            }
            continue;
        }
        const auto parts = fields(line);
        if (!inSection || parts.size() < 2) {
            ADD_FAILURE_AT(file.c_str(), lineNo) << "not a case: " << bytes;
            continue;
        }
        if (section.cells) {
            int col = 0;
            int row = 0;
            if (!parseCell(parts[0], col, row)) {
                ADD_FAILURE_AT(file.c_str(), lineNo) << "not a cell: " << bytes;
                continue;
            }
            for (std::size_t i = 1; i < parts.size(); ++i, ++col) {
                auto value = parseValue(parts[i]);
                if (!value) {
                    ADD_FAILURE_AT(file.c_str(), lineNo) << "not a value: " << bytes;
                    break;
                }
                sheet.cells[{col, row}] = *value;
            }
            continue;
        }

        const auto want = parseExpected(parts[1]);
        std::optional<Expected> known;  // what ovss gives where it differs from Excel
        bool wellFormed = want.has_value() && parts.size() <= 3;
        if (wellFormed && parts.size() == 3) {
            wellFormed = parts[2].rfind(L"ovss:", 0) == 0 &&
                         (known = parseExpected(trimmed(parts[2].substr(5)))).has_value();
        }
        if (!wellFormed) {
            ADD_FAILURE_AT(file.c_str(), lineNo) << "not a case: " << bytes;
            continue;
        }
        ++cases;

        Expected got;
        std::wstring error;
        auto formula =
            CompiledFormula::compile(parts[0], section.style, section.col, section.row, &error);
        if (formula) {
            got.value = evaluate(*formula, sheet, section.col, section.row);
        } else {
            got.syntaxError = true;
            if (error.empty()) {
                ADD_FAILURE_AT(file.c_str(), lineNo) << "refused without a message";
            }
        }
        const std::string formulaText = ovbase::toUtf8(parts[0]);
        if (!known) {
            if (!agree(got, *want)) {
                ADD_FAILURE_AT(file.c_str(), lineNo)
                    << formulaText << " gives " << show(got) << ", Excel gives " << show(*want)
                    << (got.syntaxError ? " (" + ovbase::toUtf8(error) + ")" : "");
            }
        } else if (agree(got, *want)) {
            ADD_FAILURE_AT(file.c_str(), lineNo)
                << formulaText << " now gives Excel's " << show(*want) << ": remove the ovss: note";
        } else if (!agree(got, *known)) {
            ADD_FAILURE_AT(file.c_str(), lineNo)
                << formulaText << " gives " << show(got) << ", the note says " << show(*known)
                << " and Excel gives " << show(*want);
        }
    }
    EXPECT_GT(cases, 0) << file << " holds no case";
}

std::vector<std::string> fixtureFiles() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fixtureFolder(), ec)) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// "operators.txt" -> "operators", as the test's name.
std::string areaName(const ::testing::TestParamInfo<std::string>& info) {
    return fs::path(info.param).stem().string();
}

INSTANTIATE_TEST_SUITE_P(Areas, FormulaFixtures, ::testing::ValuesIn(fixtureFiles()), areaName);

TEST(FormulaFixtureFolder, HoldsEveryArea) {
    const auto files = fixtureFiles();
    for (const char* area : {"operators.txt", "math.txt", "text.txt", "logic.txt", "lookup.txt",
                             "references.txt", "errors.txt", "dates.txt"}) {
        EXPECT_NE(std::find(files.begin(), files.end(), area), files.end()) << area;
    }
}

}  // namespace
}  // namespace ovgrid::test
