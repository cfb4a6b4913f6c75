// ClassesRootKeys.h - the two registry operations the COM registration is built from, both on
// HKEY_CLASSES_ROOT of the registry store.
#pragma once

#include "core/Tvx_String.h"

// Creates or opens `key` and sets one text value (an empty name is the key's default value).
// False when the store refuses the value or cannot save it.
bool writeClassesRootValue(const Tvx_String& key, const Tvx_String& name, const Tvx_String& value);

// Deletes `key` with all its sub-keys. A key whose parent does not exist counts as deleted
// (there is nothing to remove); false only when the store cannot save the change.
bool deleteClassesRootTree(const Tvx_String& key);
