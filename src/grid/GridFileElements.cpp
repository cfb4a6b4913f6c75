// GridFileElements.cpp - typed reads of a parsed sheet document's elements.
#include "grid/GridFileElements.h"

#include "base/Utf8.h"
#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid::sheetfile {

using simdjson::dom::element_type;

long long integer(element v, const char* what, long long lo, long long hi) {
    long long n = 0;
    switch (v.type()) {
        case element_type::INT64:
            n = v.get_int64().value_unsafe();
            break;
        case element_type::UINT64:  // only those beyond the signed range are kept unsigned
            n = hi + 1;
            break;
        default:
            fail(std::string(what) + " is not a whole number");
    }
    if (n < lo || n > hi) {
        fail(std::string(what) + " is out of range");
    }
    return n;
}

std::wstring textOf(element v, const char* what) {
    if (!v.is_string()) {
        fail(std::string(what) + " is not a text");
    }
    auto text = ovbase::decodeUtf8(v.get_string().value_unsafe());
    if (!text) {
        fail(std::string(what) + " is not valid UTF-8");
    }
    return std::move(*text);
}

Value valueFrom(element v) {
    switch (v.type()) {
        case element_type::NULL_VALUE:
            return Value{};
        case element_type::BOOL:
            return Value::fromBool(v.get_bool().value_unsafe());
        case element_type::INT64:
            return Value::fromNumber(static_cast<double>(v.get_int64().value_unsafe()));
        case element_type::UINT64:
            return Value::fromNumber(static_cast<double>(v.get_uint64().value_unsafe()));
        case element_type::DOUBLE:  // the parser refuses numbers beyond the double range
            return Value::fromNumber(v.get_double().value_unsafe());
        case element_type::STRING:
            return Value::fromText(textOf(v, "a cell text"));
        case element_type::OBJECT: {
            element code;
            if (!findMember(v.get_object().value_unsafe(), keys::error, code)) {
                fail(std::string("missing \"") + keys::error + "\"");
            }
            ErrorCode parsed;
            if (!parseErrorText(textOf(code, "an error value"), parsed)) {
                fail("unknown error value");
            }
            return Value::fromError(parsed);
        }
        default:
            fail("a cell value has an unknown form");
    }
}

bool findMember(simdjson::dom::object object, std::string_view name, element& out) {
    bool found = false;
    for (auto field : object) {
        if (field.key == name) {
            out = field.value;
            found = true;
        }
    }
    return found;
}

nlohmann::json toJson(element v) {
    switch (v.type()) {
        case element_type::ARRAY: {
            nlohmann::json list = nlohmann::json::array();
            simdjson::dom::array items = v.get_array().value_unsafe();
            for (element item : items) {
                list.push_back(toJson(item));
            }
            return list;
        }
        case element_type::OBJECT: {
            nlohmann::json object = nlohmann::json::object();
            simdjson::dom::object fields = v.get_object().value_unsafe();
            for (auto field : fields) {
                object[std::string(field.key)] = toJson(field.value);
            }
            return object;
        }
        case element_type::INT64: {
            std::int64_t n = v.get_int64().value_unsafe();
            return n >= 0 ? nlohmann::json(static_cast<std::uint64_t>(n)) : nlohmann::json(n);
        }
        case element_type::UINT64:
            return v.get_uint64().value_unsafe();
        case element_type::DOUBLE:
            return v.get_double().value_unsafe();
        case element_type::STRING:
            return std::string(v.get_string().value_unsafe());
        case element_type::BOOL:
            return v.get_bool().value_unsafe();
        case element_type::NULL_VALUE:
            break;
    }
    return nullptr;
}

}  // namespace ovgrid::sheetfile
