// ProfileIcons.cpp - the icon lookup for section types and user sections.
#include "seclib/ProfileIcons.h"

#include <cstdint>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/Tvx_Settings.h"
#include "seclib/BuiltInShapes.h"

Tvx_String profileIconFolder() {
    return gSettings.tvxDir + L"icons\\";
}

bool updateAutomatedIcon(const Tvx_String& sectionName, Tvx_String& iconName) {
    // A name with a folder part would read or write outside the two folders.
    if (sectionName.isEmpty() || hasInvalidFileNameChars(sectionName)) {
        return false;
    }
    const Tvx_String source = gSettings.libDir + kUserSectionsFolder + sectionName + L".bmp";
    if (!fileExists(source)) {
        return false;
    }
    iconName = sectionName + L"-automated.bmp";
    const Tvx_String target = profileIconFolder() + iconName;
    std::int64_t sourceTime = 0;
    std::int64_t targetTime = 0;
    const bool stale = !ObjectExportGetFileTime(target, targetTime) ||
                       (ObjectExportGetFileTime(source, sourceTime) && targetTime < sourceTime);
    if (stale) {
        createFolder(profileIconFolder());
        return copyFile(source, target, true);
    }
    return true;
}

Tvx_String getProfileIconName(const Tvx_String& shape, const Tvx_String& userSection, bool big) {
    const Tvx_String ending = big ? L"-big.bmp" : L"-small.bmp";
    Tvx_String base;
    bool isUserSection = false;
    if (shape.isEmpty()) {
        base = userSection;
        if (base.startsWith(kUserSectionsFolder, false)) {
            base = base.mid(static_cast<int>(std::wstring_view(kUserSectionsFolder).size()));
        }
        base = removeExtension(base);
        isUserSection = true;
    } else if (builtInShapeNumber(shape) > 0) {
        base = getProfSectionName(builtInShapeNumber(shape));
    } else {
        base = removeExtension(getFileName(shape));
    }
    if (!base.isEmpty() && !hasInvalidFileNameChars(base)) {
        const Tvx_String name = base + ending;
        if (fileExists(profileIconFolder() + name)) {
            return name;
        }
        Tvx_String automated;
        if (isUserSection && !big && updateAutomatedIcon(base, automated)) {
            return automated;
        }
    }
    return Tvx_String(L"Unknown") + ending;
}
