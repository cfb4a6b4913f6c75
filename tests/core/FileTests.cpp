// FileTests.cpp - paths, text decoding, table and line files, atomic writes, properties lists.
#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/TableFile.h"
#include "core/TextFile.h"
#include "core/Tvx_PropertiesList.h"

namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const Tvx_String& path) {
    std::string bytes;
    EXPECT_TRUE(readFileBytes(path, bytes));
    return bytes;
}

// Every kind of text a field must survive.
const Tvx_String kHardTexts[] = {
    L"",
    L"plain",
    L"tab\there",
    L"line\nbreak",
    L"cr\r\nlf",
    L"back\\slash",
    L"\\t literally",
    L"\\",
    L"\\e",
    L"#ovss-table 1",
    L"¿ƒ=;,\"'",
    L"Größe € 한국",
    L"  blanks  ",
    L"\t",
};

TEST(Paths, HelpersAcceptBothSeparators) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* name;
        const wchar_t* extension;
        const wchar_t* withoutExtension;
    };
    const Case cases[] = {
        {L"C:\\lib\\prof\\HEA.pr", L"C:\\lib\\prof\\", L"HEA.pr", L"pr", L"C:\\lib\\prof\\HEA"},
        {L"/tmp/x/a.b.txt", L"/tmp/x/", L"a.b.txt", L"txt", L"/tmp/x/a.b"},
        {L"dir.v2\\noext", L"dir.v2\\", L"noext", L"", L"dir.v2\\noext"},
        {L"mixed/dir\\.hidden", L"mixed/dir\\", L".hidden", L"", L"mixed/dir\\.hidden"},
        {L"plain", L"", L"plain", L"", L"plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getFolder(c.path), c.folder);
        EXPECT_EQ(getFileName(c.path), c.name);
        EXPECT_EQ(getExtension(c.path), c.extension);
        EXPECT_EQ(removeExtension(c.path), c.withoutExtension);
    }
    EXPECT_EQ(changeExtension(L"a\\b.txt", L".bmp"), L"a\\b.bmp");
    EXPECT_EQ(changeExtension(L"a\\b", L"abm"), L"a\\b.abm");
    EXPECT_EQ(joinPath(L"lib", L"\\prof"), L"lib\\prof");
    EXPECT_EQ(joinPath(L"lib/", L"prof"), L"lib/prof");
    EXPECT_EQ(toFileSystemPath(L"\\tmp\\a b\\c.pr").string(), "/tmp/a b/c.pr");
}

TEST(TextFiles, DecodingAcceptsBomAndFallsBackToWindows1252) {
    TempFolder temp;
    struct Case {
        std::string bytes;
        Tvx_String text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
         "e",
         L"Größe"},
        {"Gr\xF6\xDF"
         "e \x80 \x96",
         L"Größe € –"},  // not UTF-8: Windows-1252
        {"", L""},
    };
    for (const auto& c : cases) {
        writeBytes(temp.path() / "t.txt", c.bytes);
        Tvx_String text;
        ASSERT_TRUE(readTextFile(temp.file(L"t.txt"), text));
        EXPECT_EQ(text, c.text);
    }
    ASSERT_TRUE(writeTextFileWindows1252(temp.file(L"w.ovd"), L"Größe € 한"));
    EXPECT_EQ(readBytes(temp.file(L"w.ovd")),
              "Gr\xF6\xDF"
              "e \x80 ?");
}

TEST(TableFiles, AnyTextRoundTripsExactly) {
    TempFolder temp;
    Tvx_TableRecords rows;
    rows.append(Tvx_StringArray({L"shape"}));
    rows.append(Tvx_StringArray());
    rows.append(Tvx_StringArray({L""}));
    rows.append(Tvx_StringArray({L"", L""}));
    Tvx_StringArray hard;
    for (const auto& text : kHardTexts) {
        hard.append(text);
        rows.append(Tvx_StringArray({text}));
    }
    rows.append(hard);
    rows.append(Tvx_StringArray());

    const Tvx_String path = temp.file(L"HEA.pr");
    ASSERT_TRUE(writeFile(path, rows));
    Tvx_TableRecords back;
    Tvx_String typeName;
    ASSERT_TRUE(readFile(path, typeName, back));
    EXPECT_EQ(back, rows);
    EXPECT_EQ(typeName, L"HEA");
}

TEST(TableFiles, BadFilesAreRefusedAndChangeNothing) {
    TempFolder temp;
    const std::pair<const char*, std::string> bad[] = {
        {"missing header", "a\tb\n"},
        {"bad escape", "#ovss-table 1\na\\qb\n"},
        {"dangling escape", "#ovss-table 1\nab\\\n"},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : bad) {
        writeBytes(temp.path() / "bad.pr", bytes);
        Tvx_TableRecords rows({Tvx_StringArray({L"kept"})});
        Tvx_String typeName(L"kept");
        EXPECT_FALSE(readFile(temp.file(L"bad.pr"), typeName, rows)) << what;
        EXPECT_EQ(rows, Tvx_TableRecords({Tvx_StringArray({L"kept"})})) << what;
        EXPECT_EQ(typeName, L"kept") << what;
    }
    Tvx_TableRecords rows;
    EXPECT_FALSE(readFile(temp.file(L"absent.pr"), rows));
}

TEST(LineFiles, LinesRoundTripIncludingEmptyOnes) {
    TempFolder temp;
    const Tvx_StringArray lines({L"Mapping version 1.0", L"", L"key=a¿b", L"  x  ", L""});
    ASSERT_TRUE(ObjectExportWriteFile(temp.file(L"a.map"), lines));
    Tvx_StringArray back({L"stale"});
    ASSERT_TRUE(ObjectExportReadFile(temp.file(L"a.map"), back));
    EXPECT_EQ(back, lines);

    writeBytes(temp.path() / "crlf.txt", "one\r\ntwo\rthree");
    ASSERT_TRUE(ObjectExportReadFile(temp.file(L"crlf.txt"), back));
    EXPECT_EQ(back, Tvx_StringArray({L"one", L"two", L"three"}));

    Tvx_StringArray unchanged({L"kept"});
    EXPECT_FALSE(ObjectExportReadFile(temp.file(L"absent.txt"), unchanged));
    EXPECT_EQ(unchanged, Tvx_StringArray({L"kept"}));
}

TEST(AtomicWrites, AFailedWriteLeavesTheOldFileAndNoDebris) {
    TempFolder temp;
    const Tvx_String target = temp.file(L"keep.txt");
    ASSERT_TRUE(atomicWriteFile(target, "old"));

    // A missing folder, a "folder" that is a file, and a target that is a folder.
    EXPECT_FALSE(atomicWriteFile(temp.file(L"missing\\x.txt"), "new"));
    EXPECT_FALSE(atomicWriteFile(target + L"\\inner.txt", "new"));
    std::filesystem::create_directory(temp.path() / "dir");
    EXPECT_FALSE(atomicWriteFile(temp.file(L"dir"), "new"));
    EXPECT_FALSE(writeFile(temp.file(L"missing\\t.pr"), Tvx_TableRecords()));
    EXPECT_FALSE(Tvx_PropertiesList().writeToFile(temp.file(L"missing\\p.txt")));

    EXPECT_EQ(readBytes(target), "old");
    ASSERT_TRUE(atomicWriteFile(target, "new"));
    EXPECT_EQ(readBytes(target), "new");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(temp.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2);  // keep.txt and dir: no temporary files left behind
}

TEST(FileServices, CopyDeleteListAndFind) {
    TempFolder temp;
    ASSERT_TRUE(createFolder(temp.file(L"a\\b\\c")));
    ASSERT_TRUE(writeTextFile(temp.file(L"a\\one.TXT"), L"1"));
    ASSERT_TRUE(writeTextFile(temp.file(L"a\\b\\c\\two.txt"), L"2"));
    ASSERT_TRUE(writeTextFile(temp.file(L"a\\skip.bmp"), L"3"));

    EXPECT_TRUE(fileExists(temp.file(L"a\\one.TXT")));
    EXPECT_FALSE(fileExists(temp.file(L"a\\b")));
    EXPECT_TRUE(folderExists(temp.file(L"a\\b")));
    EXPECT_EQ(listFiles(temp.file(L"a"), L"*.txt", false), Tvx_StringArray({L"one.TXT"}));
    EXPECT_EQ(listFiles(temp.file(L"a"), L"*", false).length(), 2);

    Tvx_StringArray found;
    ASSERT_TRUE(ObjectExportFindFilesRecursive(temp.file(L"a"), L"*.txt", found));
    EXPECT_EQ(found, Tvx_StringArray({temp.file(L"a\\b\\c\\two.txt"), temp.file(L"a\\one.TXT")}));
    EXPECT_FALSE(ObjectExportFindFilesRecursive(temp.file(L"nope"), L"*", found));

    EXPECT_TRUE(copyFile(temp.file(L"a\\one.TXT"), temp.file(L"copy.txt")));
    EXPECT_FALSE(copyFile(temp.file(L"a\\one.TXT"), temp.file(L"copy.txt"), false));
    EXPECT_FALSE(copyFile(temp.file(L"absent"), temp.file(L"copy.txt")));
    std::int64_t time = 0;
    EXPECT_TRUE(ObjectExportGetFileTime(temp.file(L"copy.txt"), time));
    EXPECT_GT(time, 0);
    EXPECT_FALSE(deleteFile(temp.file(L"a")));  // never a folder
    EXPECT_TRUE(deleteFile(temp.file(L"copy.txt")));
    EXPECT_FALSE(fileExists(temp.file(L"copy.txt")));
    EXPECT_FALSE(getFileTime(temp.file(L"copy.txt"), time));

    EXPECT_TRUE(matchesWildcard(L"Stock12.shp", L"stock*.SHP"));
    EXPECT_TRUE(matchesWildcard(L"a.b", L"?.?"));
    EXPECT_FALSE(matchesWildcard(L"ab", L"a?b"));
    EXPECT_TRUE(matchesWildcard(L"noext", L"*.*"));
}

TEST(PropertiesList, TypedValuesRoundTripThroughTheFile) {
    TempFolder temp;
    Tvx_PropertiesList props;
    props.setProperty(L"nrOfControls", 2);
    props.setProperty(L"topLeftX0", 0.1 + 0.2);
    props.setProperty(L"tiny", 5e-324);
    props.setProperty(L"negative", -7);
    int i = 0;
    for (const auto& text : kHardTexts) {
        props.setProperty(Tvx_String(L"contents") + Tvx_String::fromInt(i++), text);
    }
    props.setProperty(L"key\twith\nbreaks", L"v");
    props.setProperty(L"nrOfControls", 3);  // replaced in place

    const Tvx_String path = temp.file(L"t.txt");
    ASSERT_TRUE(props.writeToFile(path));
    Tvx_PropertiesList back;
    ASSERT_TRUE(back.readFromFile(path));
    EXPECT_EQ(back, props);
    EXPECT_EQ(back.keys()[0], L"nrOfControls");

    int count = 0;
    double x = 0;
    Tvx_String text;
    EXPECT_TRUE(back.getProperty(L"nrOfControls", count));
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(back.getProperty(L"topLeftX0", x));
    EXPECT_EQ(x, 0.1 + 0.2);
    EXPECT_TRUE(back.getProperty(L"contents2", text));
    EXPECT_EQ(text, L"tab\there");
    EXPECT_TRUE(back.getProperty(L"nrOfControls", x));  // numbers convert among themselves
    EXPECT_EQ(x, 3.0);
    EXPECT_FALSE(back.getProperty(L"contents1", count));  // "plain" is no number
    EXPECT_FALSE(back.getProperty(L"absent", text));
}

TEST(PropertiesList, BadFilesLeaveTheListUnchanged) {
    TempFolder temp;
    const char* bad[] = {
        "nrOfControls\tint\t1\n",                        // no header
        "#ovss-properties 1\nx\tint\tseven\n",           // bad int
        "#ovss-properties 1\nx\tbool\t1\n",              // unknown type
        "#ovss-properties 1\nx\tstring\n",               // missing value
        "#ovss-properties 1\nx\tint\t99999999999999\n",  // out of range
    };
    for (const char* bytes : bad) {
        writeBytes(temp.path() / "p.txt", bytes);
        Tvx_PropertiesList props;
        props.setProperty(L"kept", 1);
        EXPECT_FALSE(props.readFromFile(temp.file(L"p.txt"))) << bytes;
        EXPECT_TRUE(props.hasProperty(L"kept"));
        EXPECT_EQ(props.length(), 1);
    }
}

}  // namespace
