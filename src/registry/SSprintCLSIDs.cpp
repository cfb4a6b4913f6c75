// SSprintCLSIDs.cpp - lists the identifiers: C declarations on the host's command line for the
// classes, and key=value lines for all identifiers in "RegistryIDs.dat".
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "host/HostServices.h"
#include "registry/ComIdentifiers.h"
#include "registry/ComModuleFolder.h"
#include "registry/SSRegistry.h"

bool clsidDeclaration(const Tvx_String& name, const Tvx_String& idText, Tvx_String& declaration) {
    Tvx_String bare = idText;
    bare.remove(L'{');
    bare.remove(L'}');
    const Tvx_StringArray groups = strToArr(bare, L"-");
    if (groups.length() < 5 || groups[3].length() < 4 || groups[4].length() < 12) {
        return false;
    }
    // The last eight bytes: two from the fourth group, six from the fifth.
    Tvx_StringArray bytes;
    for (int i = 0; i < 4; i += 2) {
        bytes.append(groups[3].mid(i, 2));
    }
    for (int i = 0; i < 12; i += 2) {
        bytes.append(groups[4].mid(i, 2));
    }
    declaration = L"\nconst cCLSID CLSID_" + name + L" = {0x" + groups[0] + L",0x" + groups[1] +
                  L",0x" + groups[2] + L",{0x" + arrToStr(bytes, L",0x") + L"}};";
    return true;
}

Acad::ErrorStatus SSprintCLSIDs() {
    for (const ComNamedId& cls : comClasses()) {
        Tvx_String declaration;
        if (clsidDeclaration(cls.name, comGuidToString(cls.id), declaration)) {
            acutPrintf(L"%s", declaration.c_str());
        }
    }

    Tvx_StringArray lines;
    lines.append(L"TypeLib_=" + comGuidToString(comTypeLibraryId()));
    for (const ComNamedId& cls : comClasses()) {
        lines.append(L"Class_" + Tvx_String(cls.name) + L"=" + comGuidToString(cls.id));
    }
    for (const ComNamedId& itf : comInterfaces()) {
        lines.append(L"Interface_" + Tvx_String(itf.name) + L"=" + comGuidToString(itf.id));
    }
    // A listing that could not be saved is reported, not passed off as done.
    const Tvx_String folder = comModuleFolder();
    if (folder.isEmpty() || !ObjectExportWriteFile(folder + L"RegistryIDs.dat", lines)) {
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}
