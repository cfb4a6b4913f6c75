// Tvx_MacroSettingsJson.h - the "settings" object of a macro in the drawing file:
//
//   "settings": { "mapping": [ { "spreadsheet":*, "target": "" } ],
//                 "filters": [ [ text, ... ] ], "sectionFilters": [...], "propertyFilters": [...],
//                 "variables": [...],
//                 "groups": [...], "equations": [ text ], "commands": [ text ] }
//
// Every key is optional; a macro without settings has none written.
#pragma once

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "core/macro/Tvx_MacroSettings.h"

// A bad settings value, with the place below "settings" ("mapping[2].target: ...").
struct MacroSettingsFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws MacroSettingsFormatError for a value of the wrong kind.
Tvx_MacroSettings readMacroSettingsJson(const nlohmann::json& j);
nlohmann::json macroSettingsJson(const Tvx_MacroSettings& settings);
bool isEmptyMacroSettings(const Tvx_MacroSettings& settings);
