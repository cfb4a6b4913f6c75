// Value.h - a computed cell value of the grid engine: empty, number, text, boolean or error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ovgrid {

enum class ErrorCode : std::uint8_t { Null, Div0, Value, Ref, Name, Num, NA };

// "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A".
const wchar_t* errorText(ErrorCode code);
// The error named by a text such as "#DIV/0!" (case-insensitive); false when it names none.
bool parseErrorText(std::wstring_view text, ErrorCode& code);

struct Value {
    enum class Kind : std::uint8_t { Empty, Number, Text, Boolean, Error };

    Kind kind = Kind::Empty;
    bool boolean = false;
    ErrorCode error = ErrorCode::Value;
    double number = 0.0;
    std::wstring text;

    static Value empty() { return {}; }
    static Value fromNumber(double n) {
        Value v;
        v.kind = Kind::Number;
        v.number = n;
        return v;
    }
    static Value fromText(std::wstring t) {
        Value v;
        v.kind = Kind::Text;
        v.text = std::move(t);
        return v;
    }
    static Value fromBool(bool b) {
        Value v;
        v.kind = Kind::Boolean;
        v.boolean = b;
        return v;
    }
    static Value fromError(ErrorCode e) {
        Value v;
        v.kind = Kind::Error;
        v.error = e;
        return v;
    }

    bool isEmpty() const { return kind == Kind::Empty; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isText() const { return kind == Kind::Text; }
    bool isBool() const { return kind == Kind::Boolean; }
    bool isError() const { return kind == Kind::Error; }

    bool operator==(const Value&) const = default;
};

// The text of a value as a cell reads back in value mode: nothing for an empty value, "1" or
// "0" for a boolean, the error's text, a number in its display form.
std::wstring displayText(const Value& value);

}  // namespace ovgrid
