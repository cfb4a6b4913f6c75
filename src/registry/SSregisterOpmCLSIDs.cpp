// SSregisterOpmCLSIDs.cpp - writes the registration of the COM module's type library, classes and
// interfaces. Every write is attempted even after a failure, so one bad key does not hide others.
#include "core/FileSystem.h"
#include "core/Registry.h"
#include "registry/ClassesRootKeys.h"
#include "registry/ComIdentifiers.h"
#include "registry/ComModuleFolder.h"
#include "registry/SSRegistry.h"

Acad::ErrorStatus SSregisterOpmCLSIDs() {
    const Tvx_String modulePath = comModulePath();
    if (modulePath.isEmpty() || !fileExists(modulePath)) {
        return Acad::eInvalidInput;
    }
    bool ok = true;
    {
        OvRegistry::BatchWrite batch;  // one file write for the whole registration
        auto write = [&ok](const Tvx_String& key, const Tvx_String& value) {
            ok = writeClassesRootValue(key, Tvx_String(), value) && ok;
        };

        const Tvx_String libraryId = comGuidToString(comTypeLibraryId());
        const Tvx_String libraryKey =
            Tvx_String(L"TypeLib\\") + libraryId + L"\\" + kComTypeLibraryVersion;
        write(libraryKey, kComTypeLibraryDescription);
        write(libraryKey + L"\\0\\win32", modulePath);
        write(libraryKey + L"\\9\\win32", modulePath);

        for (const ComNamedId& cls : comClasses()) {
            const Tvx_String key = L"CLSID\\" + comGuidToString(cls.id);
            write(key, Tvx_String(cls.name) + L" Class");
            write(key + L"\\InProcServer32", modulePath);
            write(key + L"\\Typelib", libraryId);
        }
        for (const ComNamedId& itf : comInterfaces()) {
            const Tvx_String key = L"Interface\\" + comGuidToString(itf.id);
            write(key, Tvx_String(itf.name) + L" Interface");
            write(key + L"\\TypeLib", libraryId);
            write(key + L"\\ProxyStubClsid32", kAutomationProxyStubClsid);
        }
    }
    return ok && OvRegistry::persistent() ? Acad::eOk : Acad::eInvalidInput;
}
