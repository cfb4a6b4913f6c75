// AtomicFile.cpp - atomic writes with a temporary file, fsync and rename (POSIX).
#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

#include "base/Utf8.h"

namespace ovbase {
namespace {

std::wstring describe(const char* what, const std::filesystem::path& path, int err) {
    return fromUtf8(std::string(what) + " \"" + path.string() +
                    "\": " + std::generic_category().message(err));
}

void setError(std::wstring* error, const char* what, const std::filesystem::path& path, int err) {
    if (error) {
        *error = describe(what, path, err);
    }
}

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

// Creates a new file beside `target` with 0666 less the umask, as any new file gets (mkstemp
// would make it private, and reading the umask means changing it for every thread).
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    // Built step by step: GCC 12 at -O3 warns falsely (-Wrestrict) about "." + std::string.
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".tmp-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / (prefix + std::to_string(random() % 1000000000));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Makes the rename itself durable. The new contents are in place by now, so a failure here is
// no failure of the write.
void syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::wstring* error) {
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) {
            target = resolved;
        }
    }
    if (target.filename().empty() || std::filesystem::is_directory(target, ec)) {
        setError(error, "cannot write", path, EISDIR);
        return false;
    }
    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        setError(error, "cannot create a temporary file for", path, errno);
        return false;
    }
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    int err = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        err = errno;
    }
    if (::close(fd) != 0 && err == 0) {
        err = errno;
    }
    if (err == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        err = errno;
    }
    if (err != 0) {
        ::unlink(temporary.c_str());
        setError(error, "cannot write", path, err);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::wstring* error,
                   std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot read", path, errno);
        return false;
    }
    struct stat info {};
    int err = 0;
    if (::fstat(fd, &info) != 0) {
        err = errno;
    } else if (S_ISDIR(info.st_mode)) {
        err = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        err = EINVAL;
    } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        err = EFBIG;
    }
    std::string content;
    if (err == 0) {
        content.reserve(static_cast<std::size_t>(info.st_size) + kReadAheadRoom);
        content.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                err = n < 0 ? errno : EIO;  // an error, or the file shrank while we read it
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    if (err != 0) {
        setError(error, "cannot read", path, err);
        return false;
    }
    bytes = std::move(content);
    return true;
}

}  // namespace ovbase
