// UserFoldersTest.cpp - the first run copies the bundled library into the user's data folder and
// points the settings at it and at the configuration folder; later runs keep the user's copy as
// it is; folders set explicitly (the environment, or a program itself) are left alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "core/UserFolders.h"

namespace {

// Sets (or unsets, for nullopt) an environment variable for the test's lifetime.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

class UserFolders : public ::testing::Test {
  protected:
    void TearDown() override { gSettings.resetToDefaults(); }
    TempFolder home;
};

TEST_F(UserFolders, TheFirstRunCopiesTheBundledLibraryAndLaterRunsKeepTheCopy) {
    ScopedEnv data("XDG_DATA_HOME", (home.path() / "data").string());
    ScopedEnv config("XDG_CONFIG_HOME", (home.path() / "config").string());
    ScopedEnv lib("OVSS_LIBDIR", std::nullopt);
    ScopedEnv app("OVSS_APPDIR", std::nullopt);
    gSettings.libDir = Tvx_Settings::bundledLibraryFolder();
    gSettings.tvxDir = Tvx_Settings::bundledLibraryFolder();

    Tvx_String error;
    ASSERT_TRUE(installUserFolders(&error)) << error;
    const std::filesystem::path copy = home.path() / "data" / "ovss" / "library";
    EXPECT_TRUE(std::filesystem::exists(copy / "Connection Standards" / "FinPlate.ovs"));
    EXPECT_EQ(toFileSystemPath(gSettings.libDir), copy / "");
    EXPECT_EQ(toFileSystemPath(gSettings.tvxDir), home.path() / "config" / "ovss" / "");
    EXPECT_TRUE(std::filesystem::is_directory(home.path() / "config" / "ovss"));

    // The user's changes survive the next start.
    std::ofstream(copy / "mine.txt") << "kept";
    gSettings = Tvx_Settings::fromEnvironment();
    EXPECT_EQ(toFileSystemPath(gSettings.libDir), copy / "");
    ASSERT_TRUE(installUserFolders(&error)) << error;
    EXPECT_TRUE(std::filesystem::exists(copy / "mine.txt"));
    EXPECT_FALSE(std::filesystem::exists(toFileSystemPath(Tvx_Settings::bundledLibraryFolder()) /
                                         "mine.txt"));
}

TEST_F(UserFolders, ExplicitFoldersAreLeftAlone) {
    ScopedEnv data("XDG_DATA_HOME", (home.path() / "data").string());
    ScopedEnv lib("OVSS_LIBDIR", home.folder().toUtf8());
    gSettings.libDir = Tvx_Settings::bundledLibraryFolder();
    ASSERT_TRUE(installUserFolders());
    EXPECT_EQ(gSettings.libDir, Tvx_Settings::bundledLibraryFolder());
    EXPECT_FALSE(std::filesystem::exists(home.path() / "data" / "ovss" / "library"));

    ScopedEnv unset("OVSS_LIBDIR", std::nullopt);
    gSettings.libDir = home.folder();  // set by the program itself
    ASSERT_TRUE(installUserFolders());
    EXPECT_EQ(gSettings.libDir, home.folder());
    EXPECT_FALSE(std::filesystem::exists(home.path() / "data" / "ovss" / "library"));
}

}  // namespace
