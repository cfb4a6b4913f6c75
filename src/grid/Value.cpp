// Value.cpp - the texts of the grid's error values and their recognition, and a value's text.
#include "grid/Value.h"

#include <array>

#include "base/CaseFolding.h"
#include "base/NumberText.h"

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
        if (ovbase::equalsIgnoringCase(text, e.text)) {
            code = e.code;
            return true;
        }
    }
    return false;
}

std::wstring displayText(const Value& value) {
    switch (value.kind) {
        case Value::Kind::Empty:
            return {};
        case Value::Kind::Text:
            return value.text;
        case Value::Kind::Boolean:
            return value.boolean ? L"1" : L"0";
        case Value::Kind::Error:
            return errorText(value.error);
        case Value::Kind::Number:
            return ovbase::displayNumberText(value.number);
    }
    return {};
}

}  // namespace ovgrid
