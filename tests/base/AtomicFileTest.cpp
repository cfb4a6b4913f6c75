// AtomicFileTest.cpp - atomic writes keep permissions and leave nothing half-written or
// temporary behind; whole-file reads report why they fail.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
  protected:
    AtomicFileTest() {
        static std::atomic<int> counter{0};
        folder_ = fs::temp_directory_path() /
                  ("ovss-base-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    ~AtomicFileTest() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static unsigned mode(const fs::path& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    fs::path folder_;
};

TEST_F(AtomicFileTest, ReplacesTheContentsAndKeepsThePermissions) {
    const fs::path file = folder_ / "private.txt";
    ASSERT_TRUE(ovbase::writeFileAtomically(file, "old"));
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(ovbase::writeFileAtomically(file, "new contents"));
    EXPECT_EQ(contents(file), "new contents");
    EXPECT_EQ(mode(file), 0600u);
    ::chmod(file.c_str(), 0754);
    ASSERT_TRUE(ovbase::writeFileAtomically(file, ""));
    EXPECT_EQ(contents(file), "");
    EXPECT_EQ(mode(file), 0754u);
    EXPECT_EQ(entries(), std::vector<std::string>{"private.txt"});  // no temporary files
}

TEST_F(AtomicFileTest, ANewFileGetsTheUsualPermissions) {
    const mode_t saved = ::umask(022);
    EXPECT_TRUE(ovbase::writeFileAtomically(folder_ / "a.txt", "a"));
    ::umask(077);
    EXPECT_TRUE(ovbase::writeFileAtomically(folder_ / "b.txt", "b"));
    ::umask(saved);
    EXPECT_EQ(mode(folder_ / "a.txt"), 0644u);
    EXPECT_EQ(mode(folder_ / "b.txt"), 0600u);
}

TEST_F(AtomicFileTest, AMissingFolderFailsWithTheReasonAndLeavesNothing) {
    const fs::path file = folder_ / "missing" / "x.txt";
    std::wstring error;
    EXPECT_FALSE(ovbase::writeFileAtomically(file, "new", &error));
    EXPECT_NE(error.find(L"missing/x.txt"), std::wstring::npos) << error;
    EXPECT_NE(error.find(L"No such file or directory"), std::wstring::npos) << error;
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
    EXPECT_TRUE(entries().empty());
}

TEST_F(AtomicFileTest, AFolderInTheWayIsNeverReplaced) {
    fs::create_directory(folder_ / "dir");
    std::wstring error;
    EXPECT_FALSE(ovbase::writeFileAtomically(folder_ / "dir", "new", &error));
    EXPECT_NE(error.find(L"Is a directory"), std::wstring::npos) << error;
    EXPECT_TRUE(fs::is_directory(folder_ / "dir"));
    EXPECT_FALSE(ovbase::writeFileAtomically(folder_ / "dir/", "new"));
    EXPECT_EQ(entries(), std::vector<std::string>{"dir"});
}

// A write that fails halfway (here the file size limit, as a full disk would) keeps the old
// file and removes the temporary one.
TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFile) {
    const fs::path file = folder_ / "keep.txt";
    ASSERT_TRUE(ovbase::writeFileAtomically(file, "old"));
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    auto* previous = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::wstring error;
    const bool written = ovbase::writeFileAtomically(file, std::string(4096, 'x'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find(L"File too large"), std::wstring::npos) << error;
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"keep.txt"});
}

TEST_F(AtomicFileTest, ALinkIsFollowedToTheFileItNames) {
    ASSERT_TRUE(ovbase::writeFileAtomically(folder_ / "real.txt", "old"));
    fs::create_symlink("real.txt", folder_ / "link.txt");
    ASSERT_TRUE(ovbase::writeFileAtomically(folder_ / "link.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
    EXPECT_EQ(contents(folder_ / "real.txt"), "new");
    EXPECT_EQ(entries(), (std::vector<std::string>{"link.txt", "real.txt"}));
}

TEST_F(AtomicFileTest, ReadingAWholeFile) {
    std::string bytes = "unchanged";
    std::wstring error;
    EXPECT_FALSE(ovbase::readWholeFile(folder_ / "absent.txt", bytes, &error));
    EXPECT_NE(error.find(L"No such file or directory"), std::wstring::npos) << error;
    EXPECT_FALSE(ovbase::readWholeFile(folder_, bytes, &error));
    EXPECT_NE(error.find(L"Is a directory"), std::wstring::npos) << error;
    EXPECT_EQ(bytes, "unchanged");

    const std::string binary("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(ovbase::writeFileAtomically(folder_ / "f.bin", binary));
    ASSERT_TRUE(ovbase::readWholeFile(folder_ / "f.bin", bytes));
    EXPECT_EQ(bytes, binary);
    EXPECT_FALSE(ovbase::readWholeFile(folder_ / "f.bin", bytes, &error, 5));
    EXPECT_NE(error.find(L"f.bin"), std::wstring::npos) << error;
    ASSERT_TRUE(ovbase::writeFileAtomically(folder_ / "empty", ""));
    ASSERT_TRUE(ovbase::readWholeFile(folder_ / "empty", bytes));
    EXPECT_EQ(bytes, "");
}

}  // namespace
