// DataFileSearch.cpp - the search order of data files named in formulas.
#include "standards/functions/DataFileSearch.h"

#include "core/FileSystem.h"
#include "core/Tvx_Settings.h"

namespace ovfunctions {

Tvx_StringArray dataFileCandidates(const Tvx_String& name) {
    const Tvx_String& lib = gSettings.libDir;
    return Tvx_StringArray{name, lib + L"Connection Standards\\Data\\" + name,
                           lib + L"Connection Standards\\" + name, lib + name};
}

bool findDataFile(const Tvx_String& name, Tvx_String& path) {
    if (name.isEmpty()) {
        return false;  // would otherwise name the folders themselves
    }
    for (const Tvx_String& candidate : dataFileCandidates(name)) {
        if (fileExists(candidate)) {
            path = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace ovfunctions
