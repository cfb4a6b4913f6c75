// TempFolder.h - a uniquely named temporary folder for one test, removed with its content.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/Tvx_String.h"

class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("ovss-core-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder in the application's form, with a trailing "\\".
    Tvx_String folder() const { return Tvx_String::fromUtf8(path_.string()) + L"\\"; }
    Tvx_String file(const wchar_t* name) const { return folder() + name; }

  private:
    std::filesystem::path path_;
};
