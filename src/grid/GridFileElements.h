// GridFileElements.h - typed reads of a parsed sheet document's elements (simdjson's DOM) for
// the cell entries, with the same checks and reasons as GridFileFields, and the conversion of
// the small part around the cells into the nlohmann form that GridReader reads. Internal to
// the grid engine.
#pragma once

#include <string>
#include <string_view>

#include <simdjson.h>
#include <nlohmann/json.hpp>

#include "grid/Value.h"

namespace ovgrid::sheetfile {

using element = simdjson::dom::element;

// A whole number in [lo, hi]; throws FormatError naming `what` otherwise.
long long integer(element v, const char* what, long long lo, long long hi);
// A text in valid UTF-8, decoded.
std::wstring textOf(element v, const char* what);
Value valueFrom(element v);
// The member `name` of `object`; when the name appears more than once the last one counts, as
// it does for the nlohmann reader. False when it is missing.
bool findMember(simdjson::dom::object object, std::string_view name, element& out);

// The element as nlohmann json, as the streaming reader would build it: non-negative whole
// numbers unsigned, a repeated key keeping its last value. Depth is bounded by the parser.
nlohmann::json toJson(element v);

}  // namespace ovgrid::sheetfile
