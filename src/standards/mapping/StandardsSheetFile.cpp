// StandardsSheetFile.cpp - resolving the name of a standards sheet to its file.
#include "standards/mapping/StandardsSheetFile.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"

Tvx_String standardsFolder() {
    return gSettings.libDir + L"Connection Standards\\";
}

Tvx_String resolveStandardsFile(const Tvx_String& name) {
    if (!name.isEmpty() && fileExists(name)) {
        return name;
    }
    if (getExtension(name).equal(L"ovs", false)) {
        return standardsFolder() + name;
    }
    return standardsFolder() + name + L".ovs";
}
