// ClassesRootKeys.cpp - value writing and tree deletion on HKEY_CLASSES_ROOT.
#include "registry/ClassesRootKeys.h"

#include "core/Registry.h"

bool writeClassesRootValue(const Tvx_String& key, const Tvx_String& name, const Tvx_String& value) {
    // A store that cannot reach its file keeps values in memory only: that is no registration.
    return OvRegistry::setString(HKEY_CLASSES_ROOT, key, name, value) && OvRegistry::persistent();
}

bool deleteClassesRootTree(const Tvx_String& key) {
    const int split = key.reverseFind(L'\\');
    const Tvx_String parent = split < 0 ? Tvx_String() : key.left(split);
    if (!parent.isEmpty() && !OvRegistry::keyExists(HKEY_CLASSES_ROOT, parent)) {
        return true;
    }
    if (OvRegistry::keyExists(HKEY_CLASSES_ROOT, key)) {
        OvRegistry::deleteKey(HKEY_CLASSES_ROOT, key);
    }
    return OvRegistry::persistent();
}
