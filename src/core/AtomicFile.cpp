// AtomicFile.cpp - atomic writes with POSIX temp files, fsync and rename.
#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

#include "core/Paths.h"

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo the write.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool atomicWriteFile(const Tvx_String& path, std::string_view bytes) {
    const std::filesystem::path target = toFileSystemPath(path);
    if (target.filename().empty()) {
        return false;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        return false;
    }
    const std::filesystem::path folder = target.parent_path();
    // Built step by step: GCC 12 at -O3 warns falsely (-Wrestrict) about "." + std::string.
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".tmp-XXXXXX";
    std::string pattern = (folder / leaf).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    // Keep the permissions of the file we replace; new files get the usual 0666 & ~umask.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(name.data(), target.c_str()) != 0) {
        ::unlink(name.data());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool readFileBytes(const Tvx_String& path, std::string& bytes, std::size_t maxBytes) {
    const std::filesystem::path file = toFileSystemPath(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return false;
    }
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > maxBytes) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return false;
    }
    bytes = std::move(content);
    return true;
}
