// AtomicFile.cpp - atomic replacement of a file through mkstemp, fsync and rename.
#include "grid/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "grid/Utf8.h"

namespace ovgrid {
namespace {

std::wstring describe(const std::filesystem::path& path, const char* what, int err) {
    auto text = fromUtf8(std::string(what) + " " + path.string() + ": " + std::strerror(err));
    return text ? *text : L"file error";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::wstring* error) {
    std::filesystem::path folder = path.parent_path();
    std::string pattern = (folder.empty() ? std::filesystem::path(".") : folder).string() + "/." +
                          path.filename().string() + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        if (error) {
            *error = describe(path, "cannot create a temporary file beside", errno);
        }
        return false;
    }
    // mkstemp makes the file private; a sheet is an ordinary document.
    ::fchmod(fd, 0644);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = ::rename(pattern.c_str(), path.c_str()) == 0;
        err = errno;
    }
    if (!ok) {
        ::unlink(pattern.c_str());
        if (error) {
            *error = describe(path, "cannot write", err);
        }
    }
    return ok;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::wstring* error) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        if (error) {
            *error = describe(path, "not a file:", EISDIR);
        }
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) {
            *error = describe(path, "cannot open", errno);
        }
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        if (error) {
            *error = describe(path, "cannot read", errno);
        }
        return false;
    }
    bytes = std::move(buffer).str();
    return true;
}

}  // namespace ovgrid
