// What KeptFiles keeps: a file's contents are made into a value once per version of the file;
// any change (in place within the clock's resolution, or a new file in its place) is seen,
// and the allowance bounds what stays.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "TempFolder.h"
#include "core/KeptFiles.h"

namespace {

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

class KeptFilesTest : public ::testing::Test {
  protected:
    std::shared_ptr<std::string> read(KeptFiles<std::string>& kept, const std::string& name) {
        return kept.get(Tvx_String::fromUtf8((folder.path() / name).string()),
                        [this](const std::string& bytes) -> std::shared_ptr<std::string> {
                            ++makes;
                            if (bytes == "refused") {
                                return nullptr;
                            }
                            return std::make_shared<std::string>(bytes);
                        });
    }
    void age(const std::string& name) {
        const auto file = folder.path() / name;
        std::filesystem::last_write_time(
            file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
    }

    TempFolder folder;
    int makes = 0;
};

std::size_t lengthOf(const std::string& text) {
    return text.size();
}

}  // namespace

TEST_F(KeptFilesTest, MakesOncePerVersionAndSeesEveryChange) {
    KeptFiles<std::string> kept(8, 1000, lengthOf);
    writeFile(folder.path() / "a.txt", "first");
    age("a.txt");
    EXPECT_EQ(*read(kept, "a.txt"), "first");
    EXPECT_EQ(*read(kept, "a.txt"), "first");
    EXPECT_EQ(makes, 1);

    // Same size, same file, written just now: the contents decide.
    writeFile(folder.path() / "a.txt", "fixed");
    EXPECT_EQ(*read(kept, "a.txt"), "fixed");
    EXPECT_EQ(*read(kept, "a.txt"), "fixed");
    EXPECT_EQ(makes, 2);
    writeFile(folder.path() / "a.txt", "third");
    EXPECT_EQ(*read(kept, "a.txt"), "third");

    // Gone, refused or a folder: nothing, and nothing stale either.
    writeFile(folder.path() / "a.txt", "refused");
    EXPECT_EQ(read(kept, "a.txt"), nullptr);
    std::filesystem::remove(folder.path() / "a.txt");
    EXPECT_EQ(read(kept, "a.txt"), nullptr);
    std::filesystem::create_directory(folder.path() / "a.txt");
    EXPECT_EQ(read(kept, "a.txt"), nullptr);
}

TEST_F(KeptFilesTest, TheAllowanceBoundsWhatStays) {
    KeptFiles<std::string> kept(2, 10, lengthOf);
    for (const char* name : {"a", "b", "c"}) {
        writeFile(folder.path() / name, "1234");
        age(name);
    }
    writeFile(folder.path() / "big", "12345678901");
    age("big");
    read(kept, "a");
    read(kept, "b");
    read(kept, "a");  // b is now the one used longest ago
    read(kept, "c");  // two files at most: b goes
    EXPECT_EQ(makes, 3);
    read(kept, "a");
    EXPECT_EQ(makes, 3);
    read(kept, "b");
    EXPECT_EQ(makes, 4);
    // Heavier than the whole allowance: made every time, never kept.
    EXPECT_EQ(*read(kept, "big"), "12345678901");
    EXPECT_EQ(*read(kept, "big"), "12345678901");
    EXPECT_EQ(makes, 6);
}
