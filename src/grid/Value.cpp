// Value.cpp - the texts of the grid's error values and their recognition.
#include "grid/Value.h"

#include <array>

namespace ovgrid {

namespace {

struct ErrorName {
    ErrorCode code;
    const wchar_t* text;
};

constexpr std::array<ErrorName, 7> kErrorNames{{
    {ErrorCode::Null, L"#NULL!"},
    {ErrorCode::Div0, L"#DIV/0!"},
    {ErrorCode::Value, L"#VALUE!"},
    {ErrorCode::Ref, L"#REF!"},
    {ErrorCode::Name, L"#NAME?"},
    {ErrorCode::Num, L"#NUM!"},
    {ErrorCode::NA, L"#N/A"},
}};

bool equalsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i] >= L'a' && a[i] <= L'z' ? wchar_t(a[i] - 32) : a[i];
        wchar_t y = b[i] >= L'a' && b[i] <= L'z' ? wchar_t(b[i] - 32) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

const wchar_t* errorText(ErrorCode code) {
    for (const ErrorName& e : kErrorNames) {
        if (e.code == code) {
            return e.text;
        }
    }
    return L"#VALUE!";
}

bool parseErrorText(std::wstring_view text, ErrorCode& code) {
    for (const ErrorName& e : kErrorNames) {
        if (equalsIgnoringAsciiCase(text, e.text)) {
            code = e.code;
            return true;
        }
    }
    return false;
}

}  // namespace ovgrid
