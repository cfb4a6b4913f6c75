// Coerce.cpp - conversions between value kinds and the ordering of values; number text comes
// from base/NumberText.
#include "grid/formula/Coerce.h"

#include <algorithm>
#include <cmath>

#include "base/CaseFolding.h"
#include "base/NumberText.h"

namespace ovgrid::formula {

int compareNoCase(std::wstring_view a, std::wstring_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        wchar_t x = ovbase::toUpperChar(a[i]);
        wchar_t y = ovbase::toUpperChar(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool toNumber(const Value& v, double& out, ErrorCode& error) {
    switch (v.kind) {
        case Value::Kind::Number:
            out = v.number;
            return true;
        case Value::Kind::Empty:
            out = 0.0;
            return true;
        case Value::Kind::Boolean:
            out = v.boolean ? 1.0 : 0.0;
            return true;
        case Value::Kind::Text:
            if (auto number = ovbase::parseNumberText(v.text, ovbase::PercentSign::Accepted)) {
                out = *number;
                return true;
            }
            error = ErrorCode::Value;
            return false;
        case Value::Kind::Error:
            error = v.error;
            return false;
    }
    error = ErrorCode::Value;
    return false;
}

bool toBool(const Value& v, bool& out, ErrorCode& error) {
    switch (v.kind) {
        case Value::Kind::Number:
            out = v.number != 0.0;
            return true;
        case Value::Kind::Empty:
            out = false;
            return true;
        case Value::Kind::Boolean:
            out = v.boolean;
            return true;
        case Value::Kind::Text:
            if (ovbase::equalsIgnoringCase(v.text, L"TRUE")) {
                out = true;
                return true;
            }
            if (ovbase::equalsIgnoringCase(v.text, L"FALSE")) {
                out = false;
                return true;
            }
            error = ErrorCode::Value;
            return false;
        case Value::Kind::Error:
            error = v.error;
            return false;
    }
    error = ErrorCode::Value;
    return false;
}

void appendText(const Value& v, std::wstring& out) {
    switch (v.kind) {
        case Value::Kind::Number:
            out += ovbase::formulaNumberText(v.number);
            break;
        case Value::Kind::Text:
            out += v.text;
            break;
        case Value::Kind::Boolean:
            out += v.boolean ? L"TRUE" : L"FALSE";
            break;
        case Value::Kind::Error:
            out += errorText(v.error);
            break;
        case Value::Kind::Empty:
            break;
    }
}

std::wstring toText(const Value& v) {
    std::wstring out;
    appendText(v, out);
    return out;
}

namespace {

int rankOf(Value::Kind kind) {
    switch (kind) {
        case Value::Kind::Text:
            return 1;
        case Value::Kind::Boolean:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

int compareValues(const Value& a, const Value& b) {
    Value::Kind ka = a.isEmpty() ? b.kind : a.kind;
    Value::Kind kb = b.isEmpty() ? a.kind : b.kind;
    int ra = rankOf(ka);
    int rb = rankOf(kb);
    if (ra != rb) {
        return ra < rb ? -1 : 1;
    }
    if (ka == Value::Kind::Text) {
        return compareNoCase(a.isEmpty() ? std::wstring_view() : std::wstring_view(a.text),
                             b.isEmpty() ? std::wstring_view() : std::wstring_view(b.text));
    }
    if (ka == Value::Kind::Boolean) {
        bool x = a.isEmpty() ? false : a.boolean;
        bool y = b.isEmpty() ? false : b.boolean;
        return int(x) - int(y);
    }
    double x = a.isNumber() ? a.number : 0.0;
    double y = b.isNumber() ? b.number : 0.0;
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value numberOrError(double x) {
    if (!std::isfinite(x)) {
        return Value::fromError(ErrorCode::Num);
    }
    return Value::fromNumber(x == 0.0 ? 0.0 : x);
}

}  // namespace ovgrid::formula
