// FileSystem.cpp - file and folder services over std::filesystem (error codes, never exceptions).
#include "core/FileSystem.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/AtomicFile.h"
#include "core/FileLookupScope.h"
#include "core/NumberHelpers.h"
#include "core/Paths.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxDepth = 64;

bool matchFrom(const std::wstring& name, std::size_t n, const std::wstring& pattern,
               std::size_t p) {
    // Iterative matcher with single-star backtracking: linear in practice, no recursion.
    std::size_t starP = std::wstring::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool fileExists(const Tvx_String& path) {
    FileStamp stamp;
    return !path.isEmpty() && lookUpFileStamp(toFileSystemPath(path), stamp);
}

bool folderExists(const Tvx_String& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_directory(toFileSystemPath(path), ec);
}

bool createFolder(const Tvx_String& path) {
    if (path.isEmpty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(toFileSystemPath(path), ec);
    forgetFileLookups();
    return folderExists(path);
}

bool copyFile(const Tvx_String& source, const Tvx_String& target, bool overwrite) {
    if (!fileExists(source) || (!overwrite && fileExists(target))) {
        return false;
    }
    std::string bytes;
    return readFileBytes(source, bytes) && atomicWriteFile(target, bytes);
}

bool deleteFile(const Tvx_String& path) {
    if (path.isEmpty() || folderExists(path)) {
        return false;
    }
    std::error_code ec;
    fs::remove(toFileSystemPath(path), ec);
    forgetFileLookups();
    return !fs::exists(fs::symlink_status(toFileSystemPath(path), ec));
}

bool getFileTime(const Tvx_String& path, std::int64_t& time) {
    std::error_code ec;
    const auto written = fs::last_write_time(toFileSystemPath(path), ec);
    if (ec) {
        return false;
    }
    const auto system = std::chrono::file_clock::to_sys(written);
    time = std::chrono::duration_cast<std::chrono::nanoseconds>(system.time_since_epoch()).count();
    return true;
}

bool ObjectExportGetFileTime(const Tvx_String& path, std::int64_t& time) {
    return getFileTime(path, time);
}

bool matchesWildcard(const Tvx_String& name, const Tvx_String& pattern) {
    if (pattern == L"*.*") {
        return true;
    }
    return matchFrom(name.lower().wstr(), 0, pattern.lower().wstr(), 0);
}

Tvx_StringArray listFiles(const Tvx_String& folder, const Tvx_String& pattern, bool fullPaths) {
    Tvx_StringArray names;
    std::error_code ec;
    for (fs::directory_iterator it(toFileSystemPath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const Tvx_String name = Tvx_String::fromUtf8(it->path().filename().string());
        if (matchesWildcard(name, pattern)) {
            names.append(name);
        }
    }
    sortArray(names);
    if (fullPaths) {
        const Tvx_String prefix = withTrailingSeparator(folder);
        for (auto& name : names) {
            name = prefix + name;
        }
    }
    return names;
}

Tvx_StringArray listFolders(const Tvx_String& folder) {
    Tvx_StringArray names;
    std::error_code ec;
    for (fs::directory_iterator it(toFileSystemPath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            names.append(Tvx_String::fromUtf8(it->path().filename().string()));
        }
    }
    sortArray(names);
    return names;
}

bool ObjectExportFindFilesRecursive(const Tvx_String& folder, const Tvx_String& pattern,
                                    Tvx_StringArray& found) {
    if (!folderExists(folder)) {
        return false;
    }
    const fs::path root = toFileSystemPath(folder);
    const Tvx_String prefix = withTrailingSeparator(folder);  // as given: callers cut it off again
    Tvx_StringArray hits;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && it.depth() >= kMaxDepth) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const Tvx_String name = Tvx_String::fromUtf8(it->path().filename().string());
        if (matchesWildcard(name, pattern)) {
            const auto relative = it->path().lexically_relative(root);
            hits.append(prefix + toBackslashes(Tvx_String::fromUtf8(relative.string())));
        }
    }
    sortArray(hits);
    found.append(hits);
    return true;
}

namespace {

Tvx_String systemReason(int err) {
    return Tvx_String::fromUtf8(std::generic_category().message(err));
}

}  // namespace

Tvx_String whyNotWritable(const Tvx_String& path) {
    const std::filesystem::path file = toFileSystemPath(path);
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (::access(folder.c_str(), W_OK) != 0) {
        return systemReason(errno);
    }
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && ::access(file.c_str(), W_OK) != 0) {
        return systemReason(errno);
    }
    return {};
}

Tvx_String whyNotReadable(const Tvx_String& path) {
    const std::filesystem::path file = toFileSystemPath(path);
    if (::access(file.c_str(), R_OK) != 0) {
        return systemReason(errno);
    }
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        return systemReason(EISDIR);
    }
    return {};
}

namespace {

Tvx_String cannotMessage(const Tvx_String& path, const wchar_t* what, const Tvx_String& why) {
    return L"\"" + shownPath(path) + L"\" cannot be " + what +
           (why.isEmpty() ? Tvx_String(L".") : L": " + why + L".");
}

}  // namespace

Tvx_String cannotReadMessage(const Tvx_String& path) {
    return cannotMessage(path, L"read", whyNotReadable(path));
}

Tvx_String cannotWriteMessage(const Tvx_String& path) {
    return cannotMessage(path, L"written", whyNotWritable(path));
}
