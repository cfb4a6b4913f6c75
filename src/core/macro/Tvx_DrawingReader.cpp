// Tvx_DrawingReader.cpp - reads a drawing file into a drawing. Everything is read into a scratch
// drawing first and swapped in only when the whole file is valid, so a bad file changes nothing.
#include <cmath>
#include <map>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "core/AtomicFile.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/macro/Tvx_DrawingFile.h"
#include "core/macro/Tvx_MacroSettingsJson.h"

namespace {

using json = nlohmann::json;

// A file error with the place it was found, e.g. "macros[0].macro.modules[1]: ...".
struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw FormatError(where.empty() ? what : where + ": " + what);
}

std::string at(const std::string& where, const char* key) {
    return where.empty() ? std::string(key) : where + "." + key;
}

std::string at(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
}

// Deepest bracket nesting outside strings; parsing deep documents would only waste stack.
int nestingDepth(std::string_view text) {
    int depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

const json& requireObject(const json& j, const std::string& where) {
    if (!j.is_object()) {
        fail(where, "must be an object");
    }
    return j;
}

// The array under `key`, or an empty one when the key is absent.
const json& optionalArray(const json& object, const char* key, const std::string& where) {
    static const json kEmpty = json::array();
    const auto it = object.find(key);
    if (it == object.end()) {
        return kEmpty;
    }
    if (!it->is_array()) {
        fail(at(where, key), "must be an array");
    }
    return *it;
}

Tvx_String readString(const json& object, const char* key, const std::string& where,
                      bool required) {
    const auto it = object.find(key);
    if (it == object.end()) {
        if (required) {
            fail(where, std::string("'") + key + "' is missing");
        }
        return {};
    }
    if (!it->is_string()) {
        fail(at(where, key), "must be a text");
    }
    return Tvx_String::fromUtf8(it->get_ref<const std::string&>());
}

Tvx_String readName(const json& object, const std::string& where) {
    Tvx_String name = readString(object, "name", where, true);
    if (name.isEmpty()) {
        fail(at(where, "name"), "must not be empty");
    }
    return name;
}

double readNumber(const json& object, const char* key, const std::string& where, bool required,
                  double fallback = 0.0) {
    const auto it = object.find(key);
    if (it == object.end()) {
        if (required) {
            fail(where, std::string("'") + key + "' is missing");
        }
        return fallback;
    }
    if (!it->is_number() || !std::isfinite(it->get<double>())) {
        fail(at(where, key), "must be a finite number");
    }
    return it->get<double>();
}

int readInt(const json& object, const char* key, const std::string& where, int fallback, int min,
            int max) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fallback;
    }
    if (!it->is_number_integer() || it->get<long long>() < min || it->get<long long>() > max) {
        fail(at(where, key),
             "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    }
    return static_cast<int>(it->get<long long>());
}

bool readBool(const json& object, const char* key, const std::string& where, bool fallback) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return fallback;
    }
    if (!it->is_boolean()) {
        fail(at(where, key), "must be true or false");
    }
    return it->get<bool>();
}

Tvx_Profile readProfile(const json& j, const std::string& where) {
    requireObject(j, where);
    Tvx_Profile profile;
    profile.sectionName = readString(j, "section", where, true);
    profile.material = readString(j, "material", where, false);
    profile.memberName = readString(j, "memberName", where, false);
    profile.offsetType = readInt(j, "offsetType", where, 0, 0, kCutOffsetTypeCount - 1);
    profile.rotation = readInt(j, "rotation", where, 0, 0, 270);
    if (profile.rotation % 90 != 0) {
        fail(at(where, "rotation"), "must be 0, 90, 180 or 270");
    }
    return profile;
}

void readVariables(const json& j, Tvx_Module& module, const std::string& where) {
    const json& list = optionalArray(j, "variables", where);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string place = at(at(where, "variables"), i);
        const json& item = requireObject(list[i], place);
        Tvx_DialogVariable variable;
        variable.name = readName(item, place);
        variable.value = readNumber(item, "value", place, true);
        variable.visible = readBool(item, "visible", place, true);
        variable.settable = readBool(item, "settable", place, true);
        variable.flexGroup = readString(item, "flexGroup", place, false);
        variable.flexible = readBool(item, "flexible", place, false);
        if (!module.addVariable(variable)) {
            fail(place, "the name '" + variable.name.toUtf8() + "' is used twice");
        }
    }
}

void readCuts(const json& j, Tvx_Module& module, const std::string& where) {
    const json& list = optionalArray(j, "cuts", where);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string place = at(at(where, "cuts"), i);
        const json& item = requireObject(list[i], place);
        Tvx_Cut cut;
        cut.name = readName(item, place);
        cut.kind = readInt(item, "kind", place, 1, 1, 6);
        if (const auto offsets = item.find("offsets"); offsets != item.end()) {
            requireObject(*offsets, at(place, "offsets"));
            for (const auto& [key, value] : offsets->items()) {
                OvCutOffsetType type;
                if (!cutOffsetTypeFromKey(Tvx_String::fromUtf8(key), type)) {
                    fail(at(place, "offsets"), "unknown offset kind '" + key + "'");
                }
                cut.offsets[type] = readNumber(*offsets, key.c_str(), at(place, "offsets"), true);
            }
        }
        if (module.addCut(cut) == nullptr) {
            fail(place, "the name '" + cut.name.toUtf8() + "' is used twice");
        }
    }
}

void readBoltParts(const json& j, Tvx_BoltModule& module, const std::string& where) {
    if (const auto bolt = j.find("bolt"); bolt != j.end()) {
        const std::string place = at(where, "bolt");
        requireObject(*bolt, place);
        Tvx_BoltData& data = module.boltData();
        data.assembly = readString(*bolt, "assembly", place, false);
        data.diameter = readNumber(*bolt, "diameter", place, false);
        data.holeOffset = readNumber(*bolt, "holeOffset", place, false);
        data.length = readNumber(*bolt, "length", place, false);
        data.grade = readString(*bolt, "grade", place, false);
    }
    const json& list = optionalArray(j, "patterns", where);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string place = at(at(where, "patterns"), i);
        const json& item = requireObject(list[i], place);
        Tvx_BoltPattern pattern;
        pattern.name = readName(item, place);
        pattern.typeCode = readInt(item, "type", place, kPatternOneDirection, kPatternOneDirection,
                                   kPatternTwoDirections);
        pattern.nrBolts1 = readInt(item, "nrBolts1", place, 1, 1, 10000);
        pattern.nrBolts2 = readInt(item, "nrBolts2", place, 1, 1, 10000);
        pattern.reverseStart1 = readBool(item, "reverseStart1", place, false);
        pattern.reverseStart2 = readBool(item, "reverseStart2", place, false);
        pattern.alternation = readInt(item, "alternation", place, 1, 1, 5);
        if (module.addPattern(pattern) == nullptr) {
            fail(place, "the name '" + pattern.name.toUtf8() + "' is used twice");
        }
    }
}

void readPlacements(const json& j, Tvx_ProfileModule& module, const std::string& where) {
    const json& list = optionalArray(j, "profiles", where);
    for (std::size_t i = 0; i < list.size(); ++i) {
        module.addProfile(readProfile(list[i], at(at(where, "profiles"), i)));
    }
}

std::unique_ptr<Tvx_Module> readModule(const json& j, const std::string& where) {
    requireObject(j, where);
    const Tvx_String name = readName(j, where);
    const Tvx_String group = readString(j, "group", where, false);
    const Tvx_String type = readString(j, "type", where, true);
    std::unique_ptr<Tvx_Module> module;
    if (type == L"general") {
        module = std::make_unique<Tvx_Module>(name, group);
    } else if (type == L"bolt") {
        auto bolts = std::make_unique<Tvx_BoltModule>(name, group);
        readBoltParts(j, *bolts, where);
        module = std::move(bolts);
    } else if (type == L"profile") {
        auto profiles = std::make_unique<Tvx_ProfileModule>(name, group);
        readPlacements(j, *profiles, where);
        module = std::move(profiles);
    } else {
        fail(at(where, "type"), "must be \"general\", \"bolt\" or \"profile\"");
    }
    module->setTemplatePath(readString(j, "template", where, false));
    readVariables(j, *module, where);
    readCuts(j, *module, where);
    return module;
}

std::unique_ptr<Tvx_Macro> readMacro(const json& j, const std::string& where) {
    requireObject(j, where);
    auto macro = std::make_unique<Tvx_Macro>(readName(j, where));
    const json& modules = optionalArray(j, "modules", where);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const std::string place = at(at(where, "modules"), i);
        auto module = readModule(modules[i], place);
        const std::string moduleName = module->name().toUtf8();
        if (macro->addModule(std::move(module)) == nullptr) {
            fail(place, "the module name '" + moduleName + "' is used twice");
        }
    }
    if (const auto settings = j.find("settings"); settings != j.end()) {
        try {
            macro->settings() = readMacroSettingsJson(*settings);
        } catch (const MacroSettingsFormatError& e) {
            fail(at(where, "settings"), e.what());
        }
    }
    return macro;
}

void readDrawing(const json& root, Tvx_Drawing& drawing) {
    requireObject(root, "");
    if (root.value("format", json()) != kDrawingFormatName) {
        fail("", "not a drawing file (\"format\" must be \"ovss-drawing\")");
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<long long>() < 1) {
        fail("version", "must be a whole number of at least 1");
    }
    if (version->get<long long>() > kDrawingFormatVersion) {
        fail("", "the file has version " + std::to_string(version->get<long long>()) +
                     ", this program reads up to version " + std::to_string(kDrawingFormatVersion));
    }

    const json& variables = optionalArray(root, "generalVariables", "");
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const std::string place = at("generalVariables", i);
        const json& item = requireObject(variables[i], place);
        const Tvx_String name = readName(item, place);
        if (drawing.generalVariables().contains(name)) {
            fail(place, "the name '" + name.toUtf8() + "' is used twice");
        }
        drawing.generalVariables().set(name, readNumber(item, "value", place, true));
    }

    std::map<long long, AcDbObjectId> idsByHandle;
    const json& profiles = optionalArray(root, "profiles", "");
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const std::string place = at("profiles", i);
        const json& item = requireObject(profiles[i], place);
        const auto handle = item.find("handle");
        if (handle == item.end() || !handle->is_number_integer() || handle->get<long long>() < 1) {
            fail(at(place, "handle"), "must be a whole number of at least 1");
        }
        if (idsByHandle.count(handle->get<long long>()) != 0) {
            fail(at(place, "handle"), "is used twice");
        }
        idsByHandle[handle->get<long long>()] = drawing.addProfile(readProfile(item, place));
    }

    const json& macros = optionalArray(root, "macros", "");
    for (std::size_t i = 0; i < macros.size(); ++i) {
        const std::string place = at("macros", i);
        const json& item = requireObject(macros[i], place);
        const auto macroJson = item.find("macro");
        if (macroJson == item.end()) {
            fail(place, "'macro' is missing");
        }
        std::unique_ptr<Tvx_Macro> macro;
        if (!macroJson->is_null()) {
            macro = readMacro(*macroJson, at(place, "macro"));
        }
        Tvx_DbMacro* dbMacro = drawing.addMacro(std::move(macro));
        const json& bases = optionalArray(item, "baseProfiles", place);
        for (std::size_t b = 0; b < bases.size(); ++b) {
            const auto found = bases[b].is_number_integer()
                                   ? idsByHandle.find(bases[b].get<long long>())
                                   : idsByHandle.end();
            if (found == idsByHandle.end()) {
                fail(at(at(place, "baseProfiles"), b), "is not the handle of a profile");
            }
            dbMacro->addBaseProfile(found->second);
        }
    }

    const json& sheets = optionalArray(root, "sheets", "");
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string place = at("sheets", i);
        const json& item = requireObject(sheets[i], place);
        Tvx_Sheet sheet;
        // An unnamed sheet is kept: the sheets manager shows it as an empty row.
        sheet.name = readString(item, "name", place, false);
        sheet.format = readString(item, "format", place, false);
        const json& parts = optionalArray(item, "parts", place);
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (!parts[k].is_string()) {
                fail(at(at(place, "parts"), k), "must be a text");
            }
            sheet.parts.append(Tvx_String::fromUtf8(parts[k].get_ref<const std::string&>()));
        }
        drawing.sheets().append(std::move(sheet));
    }
}

}  // namespace

bool Tvx_Drawing::loadFromJson(std::string_view text, Tvx_String& error) {
    if (nestingDepth(text) > kDrawingFileMaxDepth) {
        error = L"the data is nested too deeply for a drawing file";
        return false;
    }
    json root;
    try {
        root = json::parse(text.begin(), text.end());
    } catch (const json::exception& e) {
        error = Tvx_String::fromUtf8(std::string("not valid JSON (") + e.what() + ")");
        return false;
    }
    Tvx_Drawing scratch;
    try {
        readDrawing(root, scratch);
    } catch (const FormatError& e) {
        error = Tvx_String::fromUtf8(e.what());
        return false;
    }
    swapContents(scratch);
    return true;
}

bool Tvx_Drawing::loadFromFile(const Tvx_String& path, Tvx_String& error) {
    std::string bytes;
    if (!readFileBytes(path, bytes, kDrawingFileMaxBytes)) {
        error =
            L"cannot read the drawing file \"" + path + L"\" (missing, unreadable or too large)";
        return false;
    }
    Tvx_String reason;
    if (!loadFromJson(bytes, reason)) {
        error = L"the drawing file \"" + path + L"\" is not valid: " + reason;
        return false;
    }
    return true;
}
