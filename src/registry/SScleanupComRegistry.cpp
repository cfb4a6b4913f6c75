// SScleanupComRegistry.cpp - removes the keys of the type library, the classes and the interfaces.
#include "core/Registry.h"
#include "registry/ClassesRootKeys.h"
#include "registry/ComIdentifiers.h"
#include "registry/SSRegistry.h"

Acad::ErrorStatus SScleanupComRegistry() {
    bool ok = true;
    {
        OvRegistry::BatchWrite batch;  // one file write for the whole clean-up
        ok = deleteClassesRootTree(L"TypeLib\\" + comGuidToString(comTypeLibraryId()));
        for (const ComNamedId& cls : comClasses()) {
            ok = deleteClassesRootTree(L"CLSID\\" + comGuidToString(cls.id)) && ok;
        }
        for (const ComNamedId& itf : comInterfaces()) {
            ok = deleteClassesRootTree(L"Interface\\" + comGuidToString(itf.id)) && ok;
        }
    }
    return ok && OvRegistry::persistent() ? Acad::eOk : Acad::eInvalidInput;
}
