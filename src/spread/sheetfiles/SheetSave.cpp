// SheetSave.cpp - a sheet saved with its header and footer files.
#include "spread/sheetfiles/SheetSave.h"

#include <filesystem>
#include <system_error>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "spread/Tvx_Spread.h"
#include "spread/sheetfiles/OvSSSettings.h"
#include "spread/sheetfiles/SettingsFolder.h"

namespace {

bool startsWithUpStep(const Tvx_String& name) {
    return name.startsWith(L"..\\", true) || name.startsWith(L"../", true);
}

// The folder above `folder` (which ends with a separator); "" when there is none.
Tvx_String parentFolder(const Tvx_String& folder) {
    Tvx_String trimmed = folder;
    while (!trimmed.isEmpty() && (trimmed.endsWith(L"\\", true) || trimmed.endsWith(L"/", true))) {
        trimmed = trimmed.left(trimmed.length() - 1);
    }
    return getFolder(trimmed);
}

bool sameFile(const Tvx_String& a, const Tvx_String& b) {
    std::error_code ec;
    return std::filesystem::equivalent(toFileSystemPath(a), toFileSystemPath(b), ec);
}

// Copies the file into the folder under its own name; copying a file onto itself is a no-op.
bool copyInto(const Tvx_String& source, const Tvx_String& folder) {
    const Tvx_String target = folder + getFileName(source);
    return sameFile(source, target) || copyFile(source, target, true);
}

// Steps 1 to 3 for one stored name; true when the file was placed and the name changed.
bool placeSideFile(Tvx_String& storedName, const Tvx_String& sheetFolder) {
    if (storedName.isEmpty()) {
        return false;
    }
    const Tvx_String resolved = resolveSheetSideFile(storedName, sheetFolder);
    if (resolved.isEmpty() || !copyInto(resolved, sheetFolder)) {
        return false;
    }
    const Tvx_String picture = changeExtension(resolved, L"bmp");
    if (fileExists(picture)) {
        copyInto(picture, sheetFolder);
    }
    storedName = getFileName(resolved);
    return true;
}

}  // namespace

Tvx_String resolveSheetSideFile(const Tvx_String& storedName, const Tvx_String& sheetFolder) {
    Tvx_String name = storedName;
    Tvx_String folder = withTrailingSeparator(sheetFolder);
    if (startsWithUpStep(name)) {
        name = name.mid(3);
        folder = parentFolder(folder);
    } else if (name.find(L':') >= 0 || name.find(L'\\') >= 0 || name.find(L'/') >= 0) {
        return fileExists(name) ? name : Tvx_String();
    }
    if (name.isEmpty()) {
        return Tvx_String();
    }
    for (const Tvx_String& candidate : {folder + name, sheetSettingsFolder() + name}) {
        if (fileExists(candidate)) {
            return candidate;
        }
    }
    return Tvx_String();
}

bool saveSheetWithSettings(Tvx_Spread& spread, const Tvx_String& path) {
    if (!spread.isCreated() || !spread.SSSaveToFile(toFileSystemPath(path), 0)) {
        return false;
    }
    spread.SSSetBool(Tvx_Spread::kPropChanged, false);
    OvSSSettings settings;
    settings.readFromGrid(spread);
    const Tvx_String sheetFolder = getFolder(path);
    const bool headerPlaced = placeSideFile(settings.headerFile, sheetFolder);
    const bool footerPlaced = placeSideFile(settings.footerFile, sheetFolder);
    if (headerPlaced || footerPlaced) {
        settings.writeToGrid(spread);
    }
    return true;
}

bool setSheetVariables(Tvx_Spread& spread, const Tvx_StringArray& names,
                       const Tvx_StringArray& values) {
    OvSSSettings settings;
    if (!spread.isCreated() || !settings.readFromGrid(spread)) {
        return false;
    }
    settings.varNames = names;
    settings.varValues = values;
    return settings.writeToGrid(spread);
}
