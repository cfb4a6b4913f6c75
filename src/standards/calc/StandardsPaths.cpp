// StandardsPaths.cpp - resolving standards and child sheet names to files.
#include "standards/calc/StandardsPaths.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"

Tvx_StringArray childFileCandidates(const Tvx_String& name, const Tvx_String& parentFile) {
    Tvx_String besideParent = name;
    if (besideParent.startsWith(L"\\", true)) {
        besideParent.deleteChars(0, 1);
    }
    const Tvx_String folder = standardsFolder();
    Tvx_StringArray candidates;
    candidates.append(name);
    candidates.append(joinPath(getFolder(parentFile), besideParent));
    candidates.append(folder + name);
    candidates.append(folder + L"Childs\\" + name);
    candidates.append(folder + L"Data\\" + name);
    candidates.append(folder + L"Parents\\" + name);
    return candidates;
}

bool resolveChildFile(const Tvx_String& name, const Tvx_String& parentFile, Tvx_String& resolved) {
    if (name.isEmpty()) {
        return false;
    }
    for (const Tvx_String& candidate : childFileCandidates(name, parentFile)) {
        if (fileExists(candidate)) {
            resolved = candidate;
            return true;
        }
    }
    return false;
}
