// Registry.cpp - the registry store as a JSON document:
// { "HKEY_CURRENT_USER": { "keys": { "Software": { "keys": {...}, "values": {"Name": "text",
//   "Size": 12} } } } }   (text values are JSON strings, DWORD values JSON numbers)
#include "core/Registry.h"

#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "base/Utf8.h"
#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"

using nlohmann::ordered_json;

namespace {

constexpr int kMaxKeyDepth = 128;

struct Store {
    bool loaded = false;
    bool persistent = true;
    int batchDepth = 0;  // open BatchWrite scopes
    bool dirty = false;  // changes not yet written because of a batch
    Tvx_String path;
    Tvx_String error;
    ordered_json root = ordered_json::object();
};

Store& store() {
    static Store instance;
    return instance;
}

const char* hiveName(RegHive hive) {
    switch (hive) {
        case RegHive::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case RegHive::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case RegHive::CurrentUser:
            break;
    }
    return "HKEY_CURRENT_USER";
}

Tvx_String defaultStorePath() {
    if (const char* explicitPath = std::getenv("OVSS_REGISTRY"); explicitPath && *explicitPath) {
        return Tvx_String::fromUtf8(explicitPath);
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return Tvx_String::fromUtf8(config) + L"/ovss/registry.json";
    }
    const char* home = std::getenv("HOME");
    return Tvx_String::fromUtf8(home ? home : ".") + L"/.config/ovss/registry.json";
}

// Checks the shape of a loaded key node, depth-limited so that a hostile file cannot recurse
// deeply.
bool validNode(const ordered_json& node, int depth) {
    if (!node.is_object() || depth > kMaxKeyDepth) {
        return false;
    }
    for (const auto& [name, child] : node.items()) {
        if (name == "keys") {
            if (!child.is_object()) {
                return false;
            }
            for (const auto& [_, sub] : child.items()) {
                if (!validNode(sub, depth + 1)) {
                    return false;
                }
            }
        } else if (name == "values") {
            if (!child.is_object()) {
                return false;
            }
            for (const auto& [_, value] : child.items()) {
                if (!value.is_string() && !value.is_number_unsigned()) {
                    return false;
                }
            }
        } else {
            return false;
        }
    }
    return true;
}

Store& loaded() {
    Store& s = store();
    if (s.loaded) {
        return s;
    }
    s = Store();
    s.loaded = true;
    s.path = defaultStorePath();
    if (!fileExists(s.path)) {
        return s;
    }
    std::string bytes;
    if (!readFileBytes(s.path, bytes)) {
        s.persistent = false;
        s.error = L"cannot read the registry file " + s.path;
        return s;
    }
    try {
        ordered_json parsed = ordered_json::parse(bytes);
        bool valid = parsed.is_object();
        for (const auto& [hive, node] : parsed.items()) {
            valid = valid && validNode(node, 0);
            (void)hive;
        }
        if (!valid) {
            throw std::runtime_error("unexpected structure");
        }
        s.root = std::move(parsed);
    } catch (const std::exception& e) {
        s.persistent = false;
        s.error = L"the registry file " + s.path + L" is not valid and is left unchanged (" +
                  Tvx_String::fromUtf8(e.what()) + L")";
    }
    return s;
}

void save(Store& s) {
    if (!s.persistent) {
        return;
    }
    if (s.batchDepth > 0) {
        s.dirty = true;
        return;
    }
    createFolder(getFolder(s.path));
    if (!atomicWriteFile(s.path, s.root.dump(2) + "\n")) {
        s.persistent = false;
        s.error = L"cannot write the registry file " + s.path;
    }
}

// Splits "A\\B\\C" into parts; false for an empty path or an empty part ("A\\\\B").
bool keyParts(const Tvx_String& path, Tvx_StringArray& parts) {
    Tvx_String trimmed = path;
    while (trimmed.getAt(0) == L'\\') {
        trimmed = trimmed.mid(1);
    }
    while (trimmed.length() > 0 && trimmed.getAt(trimmed.length() - 1) == L'\\') {
        trimmed = trimmed.left(trimmed.length() - 1);
    }
    strToArr(trimmed, parts, L"\\");
    if (parts.isEmpty() || parts.length() > kMaxKeyDepth) {
        return false;
    }
    for (const auto& part : parts) {
        if (part.isEmpty()) {
            return false;
        }
    }
    return true;
}

// The member of `object` whose name equals `name` ignoring case; nullptr when absent.
ordered_json* member(ordered_json& object, const Tvx_String& name) {
    for (auto& [key, value] : object.items()) {
        if (Tvx_String::fromUtf8(key).equal(name, false)) {
            return &value;
        }
    }
    return nullptr;
}

std::string memberName(ordered_json& object, const Tvx_String& name) {
    for (auto& [key, value] : object.items()) {
        if (Tvx_String::fromUtf8(key).equal(name, false)) {
            return key;
        }
    }
    return name.toUtf8();
}

// Walks to the key; with `create` missing keys are made. nullptr when it does not exist.
ordered_json* findKey(RegHive hive, const Tvx_String& path, bool create) {
    Tvx_StringArray parts;
    if (!keyParts(path, parts)) {
        return nullptr;
    }
    Store& s = loaded();
    ordered_json* node = &s.root[hiveName(hive)];
    if (node->is_null()) {
        *node = ordered_json::object();
    }
    for (const auto& part : parts) {
        ordered_json* keys = member(*node, L"keys");
        if (!keys) {
            if (!create) {
                return nullptr;
            }
            keys = &((*node)["keys"] = ordered_json::object());
        }
        ordered_json* child = member(*keys, part);
        if (!child) {
            if (!create) {
                return nullptr;
            }
            child = &((*keys)[part.toUtf8()] = ordered_json::object());
        }
        node = child;
    }
    return node;
}

ordered_json* findValue(RegHive hive, const Tvx_String& path, const Tvx_String& name) {
    ordered_json* key = findKey(hive, path, false);
    ordered_json* values = key ? member(*key, L"values") : nullptr;
    return values ? member(*values, name) : nullptr;
}

bool setValue(RegHive hive, const Tvx_String& path, const Tvx_String& name, ordered_json value) {
    ordered_json* key = findKey(hive, path, true);
    if (!key) {
        return false;
    }
    ordered_json* values = member(*key, L"values");
    if (!values) {
        values = &((*key)["values"] = ordered_json::object());
    }
    (*values)[memberName(*values, name)] = std::move(value);
    save(store());
    return true;
}

Tvx_StringArray names(ordered_json* object) {
    Tvx_StringArray out;
    if (object) {
        for (const auto& [key, _] : object->items()) {
            out.append(Tvx_String::fromUtf8(key));
        }
    }
    return out;
}

}  // namespace

namespace OvRegistry {

bool createKey(RegHive hive, const Tvx_String& path) {
    if (!findKey(hive, path, true)) {
        return false;
    }
    save(store());
    return true;
}

bool keyExists(RegHive hive, const Tvx_String& path) {
    return findKey(hive, path, false) != nullptr;
}

bool deleteKey(RegHive hive, const Tvx_String& path) {
    if (!findKey(hive, path, false)) {
        return false;
    }
    Tvx_StringArray parts;
    keyParts(path, parts);
    const Tvx_String leaf = parts.last();
    parts.removeAt(parts.length() - 1);
    ordered_json* parent = parts.isEmpty() ? &loaded().root[hiveName(hive)]
                                           : findKey(hive, arrToStr(parts, L"\\"), false);
    ordered_json* keys = parent ? member(*parent, L"keys") : nullptr;
    if (!keys) {
        return false;
    }
    keys->erase(memberName(*keys, leaf));
    save(store());
    return true;
}

bool setString(RegHive hive, const Tvx_String& path, const Tvx_String& name,
               const Tvx_String& value) {
    return setValue(hive, path, name, value.toUtf8());
}

bool setDword(RegHive hive, const Tvx_String& path, const Tvx_String& name, DWORD value) {
    return setValue(hive, path, name, value);
}

bool getString(RegHive hive, const Tvx_String& path, const Tvx_String& name, Tvx_String& value) {
    const ordered_json* found = findValue(hive, path, name);
    if (!found || !found->is_string()) {
        return false;
    }
    value = Tvx_String::fromUtf8(found->get<std::string>());
    return true;
}

bool getDword(RegHive hive, const Tvx_String& path, const Tvx_String& name, DWORD& value) {
    const ordered_json* found = findValue(hive, path, name);
    if (!found || !found->is_number_unsigned() || found->get<std::uint64_t>() > 0xFFFFFFFFull) {
        return false;
    }
    value = static_cast<DWORD>(found->get<std::uint64_t>());
    return true;
}

bool deleteValue(RegHive hive, const Tvx_String& path, const Tvx_String& name) {
    ordered_json* key = findKey(hive, path, false);
    ordered_json* values = key ? member(*key, L"values") : nullptr;
    if (!values || !member(*values, name)) {
        return false;
    }
    values->erase(memberName(*values, name));
    save(store());
    return true;
}

Tvx_StringArray enumSubKeys(RegHive hive, const Tvx_String& path) {
    ordered_json* key = findKey(hive, path, false);
    return names(key ? member(*key, L"keys") : nullptr);
}

Tvx_StringArray enumValues(RegHive hive, const Tvx_String& path) {
    ordered_json* key = findKey(hive, path, false);
    return names(key ? member(*key, L"values") : nullptr);
}

Tvx_String storePath() {
    return loaded().path;
}

void reload() {
    store().loaded = false;
}

bool persistent() {
    return loaded().persistent;
}

Tvx_String lastError() {
    return loaded().error;
}

BatchWrite::BatchWrite() {
    ++loaded().batchDepth;
}

BatchWrite::~BatchWrite() {
    Store& s = store();
    if (s.batchDepth > 0 && --s.batchDepth == 0 && s.dirty) {
        s.dirty = false;
        save(s);
    }
}

}  // namespace OvRegistry
