// GridFileFields.h - typed reads of a sheet document's fields and records (fonts, cell types,
// styles, values) for the readers. Each read checks what it takes and throws FormatError with
// a reason naming the field; nothing is read past a wrong field. Internal to the grid engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "grid/GridTypes.h"
#include "grid/Value.h"

namespace ovgrid::sheetfile {

using json = nlohmann::json;

// Why a document is not a good sheet.
struct FormatError {
    std::string message;
};

[[noreturn]] void fail(const std::string& message);

// The member `name` of an object; fails when it is missing.
const json& member(const json& object, const char* name);
// A whole number in [lo, hi]; `what` names the field in the reason.
long long integer(const json& v, const char* what, long long lo, long long hi);
int intOf(const json& v, const char* what);
// A colour or style word: 32 bits, signed or not.
long longOf(const json& v, const char* what);
std::int64_t int64Of(const json& v, const char* what);
// A finite number.
double numberOf(const json& v, const char* what);
bool boolOf(const json& v, const char* what);
// A text in valid UTF-8.
std::wstring textOf(const json& v, const char* what);
// A list, of exactly `size` items when size is not 0.
const json& arrayOf(const json& v, const char* what, std::size_t size = 0);

FontInfo fontFrom(const json& j);
CellType cellTypeFrom(const json& j);
// `fontCount` bounds the style's font handle.
CellStyle styleFrom(const json& j, std::size_t fontCount);
Value valueFrom(const json& j);

}  // namespace ovgrid::sheetfile
