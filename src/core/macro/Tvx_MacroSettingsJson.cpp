// Tvx_MacroSettingsJson.cpp - reading and writing a macro's settings in the drawing file.
#include "core/macro/Tvx_MacroSettingsJson.h"

namespace {

using json = nlohmann::json;

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw MacroSettingsFormatError(where + ": " + what);
}

std::string at(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
}

const json& optionalArray(const json& object, const char* key) {
    static const json empty = json::array();
    const auto it = object.find(key);
    if (it == object.end()) {
        return empty;
    }
    if (!it->is_array()) {
        fail(key, "must be a list");
    }
    return *it;
}

Tvx_String text(const json& j, const std::string& where) {
    if (!j.is_string()) {
        fail(where, "must be a text");
    }
    return Tvx_String::fromUtf8(j.get<std::string>());
}

Tvx_StringArray texts(const json& list, const std::string& where) {
    if (!list.is_array()) {
        fail(where, "must be a list of texts");
    }
    Tvx_StringArray out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        out.append(text(list[i], at(where, i)));
    }
    return out;
}

Tvx_TextTable table(const json& object, const char* key) {
    const json& rows = optionalArray(object, key);
    Tvx_TextTable out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out.append(texts(rows[i], at(key, i)));
    }
    return out;
}

json textsJson(const Tvx_StringArray& list) {
    json out = json::array();
    for (const Tvx_String& item : list) {
        out.push_back(item.toUtf8());
    }
    return out;
}

json tableJson(const Tvx_TextTable& rows) {
    json out = json::array();
    for (const Tvx_StringArray& row : rows) {
        out.push_back(textsJson(row));
    }
    return out;
}

}  // namespace

Tvx_MacroSettings readMacroSettingsJson(const json& j) {
    if (!j.is_object()) {
        fail("settings", "must be an object");
    }
    Tvx_MacroSettings settings;
    const json& mapping = optionalArray(j, "mapping");
    for (std::size_t i = 0; i < mapping.size(); ++i) {
        const std::string place = at("mapping", i);
        const json& row = mapping[i];
        if (!row.is_object() || !row.contains("spreadsheet")) {
            fail(place, "must be an object with a \"spreadsheet\"");
        }
        settings.mapSpreadsheets.append(text(row["spreadsheet"], place + ".spreadsheet"));
        settings.mapTargets.append(row.contains("target") ? text(row["target"], place + ".target")
                                                          : Tvx_String());
    }
    settings.filters = table(j, "filters");
    settings.sectionFilters = table(j, "sectionFilters");
    settings.propertyFilters = table(j, "propertyFilters");
    settings.variables = table(j, "variables");
    settings.groups = table(j, "groups");
    settings.equations = texts(optionalArray(j, "equations"), "equations");
    settings.commands = texts(optionalArray(j, "commands"), "commands");
    return settings;
}

json macroSettingsJson(const Tvx_MacroSettings& settings) {
    json mapping = json::array();
    for (int i = 0; i < settings.mapSpreadsheets.length(); ++i) {
        const Tvx_String target =
            i < settings.mapTargets.length() ? settings.mapTargets[i] : Tvx_String();
        mapping.push_back(
            {{"spreadsheet", settings.mapSpreadsheets[i].toUtf8()}, {"target", target.toUtf8()}});
    }
    return {{"mapping", mapping},
            {"filters", tableJson(settings.filters)},
            {"sectionFilters", tableJson(settings.sectionFilters)},
            {"propertyFilters", tableJson(settings.propertyFilters)},
            {"variables", tableJson(settings.variables)},
            {"groups", tableJson(settings.groups)},
            {"equations", textsJson(settings.equations)},
            {"commands", textsJson(settings.commands)}};
}

bool isEmptyMacroSettings(const Tvx_MacroSettings& settings) {
    return settings == Tvx_MacroSettings();
}
