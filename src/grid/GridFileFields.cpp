// GridFileFields.cpp - typed reads of a sheet document's fields and records.
#include "grid/GridFileFields.h"

#include <cmath>

#include "base/Utf8.h"
#include "grid/GridFileFormat.h"

namespace ovgrid::sheetfile {

void fail(const std::string& message) {
    throw FormatError{message};
}

const json& member(const json& object, const char* name) {
    auto it = object.find(name);
    if (it == object.end()) {
        fail(std::string("missing \"") + name + "\"");
    }
    return *it;
}

long long integer(const json& v, const char* what, long long lo, long long hi) {
    if (!v.is_number_integer()) {
        fail(std::string(what) + " is not a whole number");
    }
    long long n = v.is_number_unsigned() && v.get<unsigned long long>() > 0x7FFFFFFFFFFFFFFFull
                      ? hi + 1
                      : v.get<long long>();
    if (n < lo || n > hi) {
        fail(std::string(what) + " is out of range");
    }
    return n;
}

int intOf(const json& v, const char* what) {
    return static_cast<int>(integer(v, what, INT32_MIN, INT32_MAX));
}
long longOf(const json& v, const char* what) {
    return static_cast<long>(integer(v, what, INT32_MIN, 0xFFFFFFFFLL));
}
std::int64_t int64Of(const json& v, const char* what) {
    return integer(v, what, INT64_MIN, INT64_MAX);
}
double numberOf(const json& v, const char* what) {
    if (!v.is_number() || !std::isfinite(v.get<double>())) {
        fail(std::string(what) + " is not a number");
    }
    return v.get<double>();
}
bool boolOf(const json& v, const char* what) {
    if (!v.is_boolean()) {
        fail(std::string(what) + " is not true or false");
    }
    return v.get<bool>();
}
std::wstring textOf(const json& v, const char* what) {
    if (!v.is_string()) {
        fail(std::string(what) + " is not a text");
    }
    auto text = ovbase::decodeUtf8(v.get_ref<const std::string&>());
    if (!text) {
        fail(std::string(what) + " is not valid UTF-8");
    }
    return *text;
}
const json& arrayOf(const json& v, const char* what, std::size_t size) {
    if (!v.is_array() || (size && v.size() != size)) {
        fail(std::string(what) + " is not a list" +
             (size ? " of " + std::to_string(size) + " items" : ""));
    }
    return v;
}

FontInfo fontFrom(const json& j) {
    if (!j.is_object()) {
        fail("a font is not an object");
    }
    FontInfo f;
    f.face = textOf(member(j, keys::face), "font face");
    f.height = intOf(member(j, keys::height), "font height");
    f.weight = intOf(member(j, keys::weight), "font weight");
    f.italic = boolOf(member(j, keys::italic), "font italic");
    f.underline = boolOf(member(j, keys::underline), "font underline");
    f.strikeOut = boolOf(member(j, keys::strikeOut), "font strikeOut");
    f.charSet = intOf(member(j, keys::charSet), "font charSet");
    return f;
}

CellType cellTypeFrom(const json& j) {
    if (!j.is_object()) {
        fail("a cell type is not an object");
    }
    CellType t;
    t.type = intOf(member(j, keys::type), "cell type code");
    t.style = longOf(member(j, keys::style), "cell type style");
    t.maxLength = intOf(member(j, keys::maxLength), "maxLength");
    t.charSet = intOf(member(j, keys::charSet), "charSet");
    t.flag = longOf(member(j, keys::flag), "flag");
    t.decimals = static_cast<int>(integer(member(j, keys::decimals), "decimals", 0, 15));
    t.minimum = numberOf(member(j, keys::minimum), "minimum");
    t.maximum = numberOf(member(j, keys::maximum), "maximum");
    for (const json& item : arrayOf(member(j, keys::items), "items")) {
        t.items.push_back(textOf(item, "combo item"));
    }
    t.text = textOf(member(j, keys::text), "cell type text");
    t.pictureName = textOf(member(j, keys::pictureName), "pictureName");
    t.pictureHandle = int64Of(member(j, keys::pictureHandle), "pictureHandle");
    t.palette = int64Of(member(j, keys::palette), "palette");
    t.deletePicture = boolOf(member(j, keys::deletePicture), "deletePicture");
    t.pictureType = intOf(member(j, keys::pictureType), "pictureType");
    const json& pictures = arrayOf(member(j, keys::checkPictures), "checkPictures", 6);
    const json& types = arrayOf(member(j, keys::checkPictureTypes), "checkPictureTypes", 6);
    for (std::size_t i = 0; i < 6; ++i) {
        t.checkPictures[i] = int64Of(pictures[i], "check picture");
        t.checkPictureTypes[i] = intOf(types[i], "check picture type");
    }
    t.pressedPicture = int64Of(member(j, keys::pressedPicture), "pressedPicture");
    t.pressedPictureType = intOf(member(j, keys::pressedPictureType), "pressedPictureType");
    t.buttonType = intOf(member(j, keys::buttonType), "buttonType");
    t.shadowSize = intOf(member(j, keys::shadowSize), "shadowSize");
    t.buttonColor = longOf(member(j, keys::buttonColor), "buttonColor");
    return t;
}

CellStyle styleFrom(const json& j, std::size_t fontCount) {
    if (!j.is_object()) {
        fail("a style is not an object");
    }
    CellStyle s;
    s.locked = boolOf(member(j, keys::locked), "locked");
    s.background = longOf(member(j, keys::background), "background");
    s.foreground = longOf(member(j, keys::foreground), "foreground");
    s.font = static_cast<int>(
        integer(member(j, keys::font), "font handle", 0, static_cast<long long>(fontCount) - 1));
    const json& border = arrayOf(member(j, keys::border), "border", 3);
    s.border = {intOf(border[0], "border type"), intOf(border[1], "border style"),
                longOf(border[2], "border colour")};
    if (auto it = j.find(keys::cellType); it != j.end()) {
        s.hasType = true;
        s.cellType = cellTypeFrom(*it);
    }
    return s;
}

Value valueFrom(const json& j) {
    if (j.is_null()) {
        return Value{};
    }
    if (j.is_boolean()) {
        return Value::fromBool(j.get<bool>());
    }
    if (j.is_number()) {
        return Value::fromNumber(numberOf(j, "a cell value"));
    }
    if (j.is_string()) {
        return Value::fromText(textOf(j, "a cell text"));
    }
    if (j.is_object()) {
        ErrorCode code;
        if (!parseErrorText(textOf(member(j, keys::error), "an error value"), code)) {
            fail("unknown error value");
        }
        return Value::fromError(code);
    }
    fail("a cell value has an unknown form");
}

}  // namespace ovgrid::sheetfile
