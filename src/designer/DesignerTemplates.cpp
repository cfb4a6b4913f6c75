// DesignerTemplates.cpp - the designer root folder, template names and the template listing.
#include "designer/DesignerTemplates.h"

#include <filesystem>
#include <system_error>

#include "core/FileSystem.h"
#include "core/NumberHelpers.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

namespace fs = std::filesystem;

const wchar_t* const kTemplateExtension = L"txt";

// An absolute path with "." and ".." resolved and no trailing separator.
fs::path normalPath(const Tvx_String& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(toFileSystemPath(path), ec);
    if (ec) {
        return fs::path();
    }
    fs::path normal = absolute.lexically_normal();
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

// The path relative to the root folder; empty when it does not lie below it.
fs::path relativeToRoot(const Tvx_String& path) {
    const fs::path root = normalPath(getDesignerRootFolder());
    const fs::path file = normalPath(path);
    if (root.empty() || file.empty()) {
        return fs::path();
    }
    fs::path relative = file.lexically_relative(root);
    if (relative.empty() || relative == "." || *relative.begin() == "..") {
        return fs::path();
    }
    return relative;
}

}  // namespace

Tvx_String getDesignerRootFolder() {
    return gSettings.libDir + L"Dialog Templates\\Dialog Design\\";
}

bool isBelowDesignerRoot(const Tvx_String& path) {
    return !relativeToRoot(path).empty();
}

bool getNameFromFile(const Tvx_String& path, Tvx_String& name) {
    const fs::path relative = relativeToRoot(path);
    if (relative.empty()) {
        return false;
    }
    name = removeExtension(fromFileSystemPath(relative));
    return true;
}

Tvx_String getFileFromName(const Tvx_String& name) {
    return getDesignerRootFolder() + name + L"." + kTemplateExtension;
}

bool getModuleImages(Tvx_StringArray& names) {
    names.removeAll();
    const Tvx_String root = getDesignerRootFolder();
    Tvx_StringArray files;
    if (!ObjectExportFindFilesRecursive(root, Tvx_String(L"*.") + kTemplateExtension, files)) {
        return false;
    }
    for (const Tvx_String& file : files) {
        names.append(removeExtension(file.mid(root.length())));
    }
    sortArray(names);
    return true;
}

bool GetImageDlgCtrlNames(const Tvx_String& path, Tvx_StringArray& names) {
    names.removeAll();
    Tvx_DlgDesignerData data;
    if (!data.readFromFile(path, false)) {
        return false;
    }
    data.getAllCtrlNames(names);
    return true;
}
