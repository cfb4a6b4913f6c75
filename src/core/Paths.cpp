// Paths.cpp - path text helpers.
#include "core/Paths.h"

#include "base/Utf8.h"

namespace {

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

int lastSeparator(const Tvx_String& path) {
    for (int i = path.length() - 1; i >= 0; --i) {
        if (isSeparator(path.getAt(i))) {
            return i;
        }
    }
    return -1;
}

// Position of the extension dot of the file name, -1 when there is none. A leading dot
// (".profile") names a file, not an extension.
int extensionDot(const Tvx_String& path) {
    const int nameStart = lastSeparator(path) + 1;
    const int dot = path.reverseFind(L'.');
    return dot > nameStart ? dot : -1;
}

}  // namespace

std::filesystem::path toFileSystemPath(const Tvx_String& path) {
    Tvx_String unix = path;
    unix.replace(L"\\", L"/");
    return std::filesystem::path(ovbase::toUtf8(unix.wstr()));
}

Tvx_String fromFileSystemPath(const std::filesystem::path& path) {
    return toBackslashes(Tvx_String::fromUtf8(path.string()));
}

Tvx_String getFolder(const Tvx_String& path) {
    return path.left(lastSeparator(path) + 1);
}

Tvx_String getFileName(const Tvx_String& path) {
    return path.mid(lastSeparator(path) + 1);
}

Tvx_String getExtension(const Tvx_String& path) {
    const int dot = extensionDot(path);
    return dot < 0 ? Tvx_String() : path.mid(dot + 1);
}

Tvx_String removeExtension(const Tvx_String& path) {
    const int dot = extensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

Tvx_String changeExtension(const Tvx_String& path, const Tvx_String& extension) {
    Tvx_String ext = extension;
    if (ext.getAt(0) == L'.') {
        ext = ext.mid(1);
    }
    Tvx_String base = removeExtension(path);
    return ext.isEmpty() ? base : base + L"." + ext;
}

Tvx_String joinPath(const Tvx_String& folder, const Tvx_String& name) {
    if (folder.isEmpty()) {
        return name;
    }
    Tvx_String tail = name;
    while (isSeparator(tail.getAt(0))) {
        tail = tail.mid(1);
    }
    return withTrailingSeparator(folder) + tail;
}

Tvx_String withTrailingSeparator(const Tvx_String& folder) {
    if (folder.isEmpty() || isSeparator(folder.getAt(folder.length() - 1))) {
        return folder;
    }
    return folder + L"\\";
}

Tvx_String toBackslashes(const Tvx_String& path) {
    Tvx_String out = path;
    out.replace(L"/", L"\\");
    return out;
}

Tvx_String shownPath(const Tvx_String& path) {
    Tvx_String out = path;
    out.replace(L"\\", L"/");
    return out;
}
