// What a file lookup scope keeps: inside it each path is looked at once (a file appearing or
// going away later is not seen) until a file helper writes or deletes a file; nested scopes
// share the outer one's lookups; outside any scope every look is fresh.
#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/AtomicFile.h"
#include "core/FileLookupScope.h"
#include "core/FileSystem.h"

namespace {

void writeOutside(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace

TEST(FileLookupScope, KeepsTheFirstLookWhileOpenAndForgetsItAfterwards) {
    TempFolder folder;
    const Tvx_String a = folder.file(L"a.dat");
    EXPECT_FALSE(fileExists(a));
    writeOutside(folder.path() / "a.dat", "1");
    EXPECT_TRUE(fileExists(a));  // no scope: seen at once
    {
        const FileLookupScope scope;
        const Tvx_String b = folder.file(L"b.dat");
        EXPECT_FALSE(fileExists(b));
        EXPECT_TRUE(fileExists(a));
        writeOutside(folder.path() / "b.dat", "2");
        std::filesystem::remove(folder.path() / "a.dat");
        EXPECT_FALSE(fileExists(b));
        EXPECT_TRUE(fileExists(a));
        {
            const FileLookupScope child;
            EXPECT_FALSE(fileExists(b));
            FileStamp stamp;
            EXPECT_FALSE(readFileStamp(folder.path() / "b.dat", stamp));
        }
        EXPECT_FALSE(fileExists(b));  // the inner scope's end keeps the outer one's lookups
    }
    EXPECT_TRUE(fileExists(folder.file(L"b.dat")));
    EXPECT_FALSE(fileExists(a));
}

TEST(FileLookupScope, AFileWrittenOrDeletedThroughTheHelpersIsSeenAtOnce) {
    TempFolder folder;
    const Tvx_String a = folder.file(L"a.dat");
    const FileLookupScope scope;
    EXPECT_FALSE(fileExists(a));
    ASSERT_TRUE(atomicWriteFile(a, "written"));
    EXPECT_TRUE(fileExists(a));
    FileStamp stamp;
    ASSERT_TRUE(readFileStamp(folder.path() / "a.dat", stamp));
    EXPECT_EQ(stamp.size, 7);
    ASSERT_TRUE(deleteFile(a));
    EXPECT_FALSE(fileExists(a));
}
