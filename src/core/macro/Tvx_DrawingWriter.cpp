// Tvx_DrawingWriter.cpp - writes a drawing as a drawing file. Drawing profiles are numbered
// 1, 2, ... in the file, and base profiles are written as those numbers.
#include <map>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/AtomicFile.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/macro/Tvx_DrawingFile.h"
#include "core/macro/Tvx_MacroSettingsJson.h"

namespace {

using json = nlohmann::ordered_json;

std::string utf8(const Tvx_String& text) {
    return text.toUtf8();
}

json writeProfile(const Tvx_Profile& profile) {
    json j;
    j["memberName"] = utf8(profile.memberName);
    j["section"] = utf8(profile.sectionName);
    j["material"] = utf8(profile.material);
    j["offsetType"] = profile.offsetType;
    j["rotation"] = profile.rotation;
    return j;
}

json writeModule(const Tvx_Module& module) {
    json j;
    j["name"] = utf8(module.name());
    j["group"] = utf8(module.groupName());
    j["type"] = module.type() == kBoltModuleType      ? "bolt"
                : module.type() == kProfileModuleType ? "profile"
                                                      : "general";
    j["template"] = utf8(module.templatePath());
    j["variables"] = json::array();
    for (const Tvx_DialogVariable& v : module.variables()) {
        j["variables"].push_back({{"name", utf8(v.name)},
                                  {"value", v.value},
                                  {"visible", v.visible},
                                  {"settable", v.settable},
                                  {"flexGroup", utf8(v.flexGroup)},
                                  {"flexible", v.flexible}});
    }
    j["cuts"] = json::array();
    for (const Tvx_Cut& cut : module.cuts()) {
        json offsets = json::object();
        for (int k = 0; k < kCutOffsetTypeCount; ++k) {
            if (cut.offsets[k]) {
                offsets[utf8(cutOffsetTypeKey(static_cast<OvCutOffsetType>(k)))] = *cut.offsets[k];
            }
        }
        j["cuts"].push_back(
            {{"name", utf8(cut.name)}, {"kind", cut.kind}, {"offsets", std::move(offsets)}});
    }
    if (const auto* bolts = dynamic_cast<const Tvx_BoltModule*>(&module)) {
        const Tvx_BoltData& data = bolts->boltData();
        j["bolt"] = {{"assembly", utf8(data.assembly)},
                     {"diameter", data.diameter},
                     {"holeOffset", data.holeOffset},
                     {"length", data.length},
                     {"grade", utf8(data.grade)}};
        j["patterns"] = json::array();
        for (const Tvx_BoltPattern& p : bolts->patterns()) {
            j["patterns"].push_back({{"name", utf8(p.name)},
                                     {"type", p.typeCode},
                                     {"nrBolts1", p.nrBolts1},
                                     {"nrBolts2", p.nrBolts2},
                                     {"reverseStart1", p.reverseStart1},
                                     {"reverseStart2", p.reverseStart2},
                                     {"alternation", p.alternation}});
        }
    }
    if (const auto* profiles = dynamic_cast<const Tvx_ProfileModule*>(&module)) {
        j["profiles"] = json::array();
        for (const Tvx_Profile& profile : profiles->profiles()) {
            j["profiles"].push_back(writeProfile(profile));
        }
    }
    return j;
}

json writeMacro(const Tvx_Macro& macro) {
    json modules = json::array();
    for (int m = 0; m < macro.moduleCount(); ++m) {
        modules.push_back(writeModule(*macro.module(m)));
    }
    json j = {{"name", utf8(macro.name())}, {"modules", std::move(modules)}};
    if (!isEmptyMacroSettings(macro.settings())) {
        j["settings"] = macroSettingsJson(macro.settings());
    }
    return j;
}

}  // namespace

std::string macroToJson(const Tvx_Macro& macro) {
    return writeMacro(macro).dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string Tvx_Drawing::toJson() const {
    json root;
    root["format"] = kDrawingFormatName;
    root["version"] = kDrawingFormatVersion;
    root["generalVariables"] = json::array();
    for (int i = 0; i < generalVariables_.count(); ++i) {
        root["generalVariables"].push_back({{"name", utf8(generalVariables_.names()[i])},
                                            {"value", generalVariables_.values()[i]}});
    }
    std::map<AcDbObjectId, long long> handles;
    root["profiles"] = json::array();
    for (const Tvx_Profile& profile : profiles_) {
        const long long handle = static_cast<long long>(handles.size()) + 1;
        handles[profile.id] = handle;
        json j = writeProfile(profile);
        j["handle"] = handle;
        root["profiles"].push_back(std::move(j));
    }
    root["macros"] = json::array();
    for (const auto& dbMacro : macros_) {
        json item;
        item["baseProfiles"] = json::array();
        for (const AcDbObjectId& id : dbMacro->baseProfileIds()) {
            // saveToFile refuses drawings with such references; 0 marks one for the check.
            const auto found = handles.find(id);
            item["baseProfiles"].push_back(found == handles.end() ? 0 : found->second);
        }
        if (const Tvx_Macro* macro = dbMacro->macro()) {
            item["macro"] = writeMacro(*macro);
        } else {
            item["macro"] = nullptr;
        }
        root["macros"].push_back(std::move(item));
    }
    root["sheets"] = json::array();
    for (const Tvx_Sheet& sheet : sheets_) {
        json parts = json::array();
        for (const Tvx_String& part : sheet.parts) {
            parts.push_back(utf8(part));
        }
        root["sheets"].push_back(
            {{"name", utf8(sheet.name)}, {"format", utf8(sheet.format)}, {"parts", parts}});
    }
    return root.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

bool Tvx_Drawing::saveToFile(const Tvx_String& path, Tvx_String& error) const {
    for (std::size_t i = 0; i < macros_.size(); ++i) {
        for (const AcDbObjectId& id : macros_[i]->baseProfileIds()) {
            const bool isDrawingProfile =
                std::any_of(profiles_.begin(), profiles_.end(),
                            [&](const Tvx_Profile& p) { return p.id == id; });
            if (!isDrawingProfile) {
                error = L"macro " + Tvx_String::fromInt(static_cast<long long>(i) + 1) +
                        L" has a base profile that is not a profile of the drawing; nothing "
                        L"was written";
                return false;
            }
        }
    }
    if (!atomicWriteFile(path, toJson())) {
        error = L"cannot write the drawing file \"" + path + L"\"";
        return false;
    }
    return true;
}
