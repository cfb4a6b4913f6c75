// Registry.h - the persistent registry store that stands in for the Windows registry: three
// hives of keys ("Software\\Orvane\\..." backslash paths, names compared case-insensitively but
// kept as first written) holding text and DWORD values.
//
// Storage: one human-readable JSON file, $OVSS_REGISTRY, else $XDG_CONFIG_HOME/ovss/registry.json,
// else ~/.config/ovss/registry.json. It is loaded on first use and written atomically after every
// change, so a crash never loses or half-writes it. A file that is not a valid store is left
// alone: the store then works in memory only (persistent() is false) and says why in lastError().
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

enum class RegHive { LocalMachine, ClassesRoot, CurrentUser };
inline constexpr RegHive HKEY_LOCAL_MACHINE = RegHive::LocalMachine;
inline constexpr RegHive HKEY_CLASSES_ROOT = RegHive::ClassesRoot;
inline constexpr RegHive HKEY_CURRENT_USER = RegHive::CurrentUser;

using DWORD = std::uint32_t;

namespace OvRegistry {

// Creates the key and its missing parents; false for an empty or malformed path.
bool createKey(RegHive hive, const Tvx_String& path);
bool keyExists(RegHive hive, const Tvx_String& path);
// Deletes the key with all its sub-keys and values; false when it does not exist.
bool deleteKey(RegHive hive, const Tvx_String& path);

// Setting a value creates the key when needed. A value name may be empty (the key's default).
bool setString(RegHive hive, const Tvx_String& path, const Tvx_String& name,
               const Tvx_String& value);
bool setDword(RegHive hive, const Tvx_String& path, const Tvx_String& name, DWORD value);
// False, `value` unchanged, when the key or value is missing or has the other type.
bool getString(RegHive hive, const Tvx_String& path, const Tvx_String& name, Tvx_String& value);
bool getDword(RegHive hive, const Tvx_String& path, const Tvx_String& name, DWORD& value);
bool deleteValue(RegHive hive, const Tvx_String& path, const Tvx_String& name);

// Names of the direct sub-keys / values of a key, in the order they were created.
Tvx_StringArray enumSubKeys(RegHive hive, const Tvx_String& path);
Tvx_StringArray enumValues(RegHive hive, const Tvx_String& path);

// Where the store lives (the file in use after the first access).
Tvx_String storePath();
// Drops the in-memory store; the next access loads the file again (honouring a changed
// $OVSS_REGISTRY). Tests use this to check what survives a restart.
void reload();
// True when changes reach the file; false after a load error or a failed write.
bool persistent();
Tvx_String lastError();

// While one lives, changes stay in memory; the outermost one writes the file once when it
// ends (many changes in a row then cost one write). Check persistent() afterwards.
class BatchWrite {
  public:
    BatchWrite();
    ~BatchWrite();
    BatchWrite(const BatchWrite&) = delete;
    BatchWrite& operator=(const BatchWrite&) = delete;
};

}  // namespace OvRegistry
