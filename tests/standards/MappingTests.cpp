// MappingTests.cpp - map kinds, one object's mapping text, the object list's searches, grouping
// and comparisons, and the mapping file: reading, writing, unchanged rewrites, malformed lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "StandardsFixture.h"
#include "host/HostServices.h"
#include "standards/mapping/MappingFileCheck.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

OvObjectMap object(const wchar_t* ssVar, const wchar_t* module, OvMapKind kind,
                   const wchar_t* objName, int visibility = 3) {
    OvObjectMap map;
    map.ssVar = ssVar;
    map.module = module;
    map.kind = kind;
    map.objName = objName;
    map.visibility = visibility;
    return map;
}

OvSSMapping mappingOf(std::initializer_list<OvObjectMap> objects) {
    OvSSMapping mapping;
    for (const OvObjectMap& o : objects) {
        mapping.mappedObjectsWrite().append(o);
    }
    return mapping;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

TEST(OvMapKind, KeywordsValueTypesAndParsing) {
    struct Case {
        OvMapKind kind;
        const wchar_t* keyword;
        OvValueType type;
    };
    const Case cases[] = {
        {OvMapDistance, L"Distance", OvValueDouble},
        {OvMapCutChamferOffset2, L"CutChamferOffset2", OvValueDouble},
        {OvMapPrPlName, L"PrPlName", OvValueString},
        {OvMapMemberSectionSize, L"MemberSectionSize", OvValueDouble},
        {OvMapPatternNrBolts1, L"PatternNrBolts1", OvValueString},
        {OvMapPatternReverseStart2, L"PatternReverseStart2", OvValueInt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mapKindKeyword(c.kind), Tvx_String(c.keyword));
        OvValueType type = OvValueString;
        ASSERT_TRUE(mapKindValueType(c.kind, type));
        EXPECT_EQ(type, c.type) << c.keyword;
        OvMapKind parsed = OvMapNone;
        ASSERT_TRUE(mapKindFromText(Tvx_String(L"  ") + c.keyword + L" x", parsed));
        EXPECT_EQ(parsed, c.kind) << c.keyword;
    }
    OvValueType type = OvValueString;
    EXPECT_FALSE(mapKindValueType(OvMapNone, type));
    EXPECT_FALSE(mapKindValueType(static_cast<OvMapKind>(22), type));
    EXPECT_TRUE(mapKindKeyword(static_cast<OvMapKind>(-1)).isEmpty());
    OvMapKind parsed = OvMapNone;
    EXPECT_FALSE(mapKindFromText(L"distance Gap", parsed));  // keywords are exact
    EXPECT_EQ(mapKindOfCutOffset(0), OvMapCutOffset);
    EXPECT_EQ(mapKindOfCutOffset(8), OvMapCutRadius);
    EXPECT_EQ(mapKindOfCutOffset(9), OvMapNone);
    EXPECT_EQ(visibilityHeader(2), Tvx_String(L"------ Onzichtbaar en instelbaar ------"));
}

TEST(OvObjectMap, ParseAndComposeMappingText) {
    struct Case {
        const wchar_t* text;
        bool parses;
        const wchar_t* module;
        OvMapKind kind;
        const wchar_t* objName;
    };
    const Case cases[] = {
        {L"Plate•Distance Gap", true, L"Plate", OvMapDistance, L"Gap"},
        {L"Bolts•PatternNrBolts1 P1", true, L"Bolts", OvMapPatternNrBolts1, L"P1"},
        {L"•GenVar gen_Width", true, L"", OvMapGenVar, L"gen_Width"},
        {L"•MemberSectionSize Prof1;3", true, L"", OvMapMemberSectionSize, L"Prof1;3"},
        {L"Cuts•  CutRadius R 1", true, L"Cuts", OvMapCutRadius, L"R 1"},
        {L"Plate•Distance", true, L"Plate", OvMapDistance, L""},
        {L"Plate Distance Gap", false, L"", OvMapNone, L""},
        {L"Plate•Length Gap", false, L"", OvMapNone, L""},
    };
    for (const Case& c : cases) {
        OvObjectMap map = object(L"before", L"m", OvMapGenVar, L"o");
        const OvObjectMap untouched = map;
        const Acad::ErrorStatus es = map.getMappingFromStrs(L"Width", c.text);
        ASSERT_EQ(es == Acad::eOk, c.parses) << c.text;
        if (!c.parses) {
            EXPECT_EQ(map.ssVar, untouched.ssVar) << c.text;
            continue;
        }
        EXPECT_EQ(map.module, Tvx_String(c.module)) << c.text;
        EXPECT_EQ(map.kind, c.kind) << c.text;
        EXPECT_EQ(map.objName, Tvx_String(c.objName)) << c.text;
        EXPECT_EQ(map.ssVar, Tvx_String(L"Width"));
    }

    Tvx_String text;
    Tvx_String ssVar;
    ASSERT_EQ(object(L"W", L"Plate", OvMapDistance, L"Gap").setMappingToStrs(text, ssVar),
              Acad::eOk);
    EXPECT_EQ(text, Tvx_String(L"Plate•Distance Gap"));
    EXPECT_EQ(ssVar, Tvx_String(L"W"));
    EXPECT_EQ(object(L"W", L"Plate", OvMapNone, L"Gap").setMappingToStrs(text, ssVar),
              Acad::eInvalidInput);

    OvObjectMap fromArrays;
    EXPECT_EQ(fromArrays.mapFromArrays({L"A", L"Width"}, {L"x•GenVar a", L"Plate•Distance Gap"},
                                       L"width"),
              Acad::eOk);
    EXPECT_EQ(fromArrays.objName, Tvx_String(L"Gap"));
    EXPECT_EQ(fromArrays.mapFromArrays({L"A", L"Width"}, {L"x•GenVar a"}, L"Width"),
              Acad::eInvalidInput);
    EXPECT_EQ(fromArrays.mapFromArrays({L"A"}, {L"x•GenVar a"}, L"B"), Acad::eInvalidInput);

    EXPECT_EQ(object(L"a", L"Plate", OvMapDistance, L"Gap")
                  .isCompatible(object(L"b", L"PLATE", OvMapDistance, L"gap")),
              Acad::eOk);
    EXPECT_EQ(object(L"a", L"Plate", OvMapDistance, L"Gap")
                  .isCompatible(object(L"a", L"Plate", OvMapGenVar, L"Gap")),
              Acad::eInvalidInput);
}

TEST(OvSSMapping, SearchesGroupingAndComparison) {
    const OvSSMapping mapping = mappingOf({
        object(L"Width", L"Plate", OvMapDistance, L"Gap", 0),           // 0 Double
        object(L"Name", L"", OvMapPrPlName, L"Prof1", 2),               // 1 String
        object(L"Rev", L"Bolts", OvMapPatternReverseStart1, L"P1", 1),  // 2 Int
        object(L"Bad", L"Plate", OvMapNone, L"X", 0),                   // 3 invalid
        object(L"Hole", L"Bolts", OvMapBoltsHoleOffset, L"B", 3),       // 4 Double
        object(L"Count", L"Bolts", OvMapPatternNrBolts1, L"P1", 0),     // 5 String
    });
    int index = -1;
    EXPECT_EQ(mapping.findSSVar(L"width", OvValueDouble, index), Acad::eOk);
    EXPECT_EQ(index, 0);
    index = 42;
    EXPECT_EQ(mapping.findSSVar(L"Width", OvValueInt, index), Acad::eInvalidInput);
    EXPECT_EQ(index, 42);
    EXPECT_EQ(mapping.findSSVar(L"Bad", OvValueString, index), Acad::eInvalidInput);

    Tvx_Array<int> valid;
    mapping.getValidVars(true, OvValueInt, valid);  // an Int variable may take a Distance
    EXPECT_EQ(valid, (Tvx_Array<int>{0, 2, 4}));
    mapping.getValidVars(false, OvValueString, valid);
    EXPECT_EQ(valid, (Tvx_Array<int>{1, 5}));

    Tvx_Array<int> indices{0, 1, 2, 4, 5};
    ASSERT_EQ(mapping.sortValidVars(indices, {0, 2}), Acad::eOk);
    EXPECT_EQ(indices, (Tvx_Array<int>{-1, 0, 5, -1, 1, 2, 4}));
    EXPECT_EQ(mapping.sortValidVars(indices, {}), Acad::eInvalidInput);

    OvSSMapping other = mappingOf({object(L"WIDTH", L"plate", OvMapDistance, L"gap"),
                                   object(L"Name", L"", OvMapPrPlName, L"Prof1")});
    int missing = -1;
    EXPECT_EQ(mapping.isCompatible(other, missing), Acad::eOk);
    EXPECT_EQ(missing, 4);
    EXPECT_EQ(other.isCompatible(mapping, missing), Acad::eOk);
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(other.isEqual(mapping));   // one-sided: extra objects in `mapping` do not count
    EXPECT_FALSE(mapping.isEqual(other));  // invalid kind and missing objects
    other.mappedObjectsWrite()[0].objName = L"Gap2";
    EXPECT_FALSE(other.isEqual(mapping));

    OvSSMapping group;
    EXPECT_EQ(group.initFromModuleGroup(L""), Acad::eInvalidInput);
    EXPECT_EQ(group.mode(), OvSSMapping::ModeNone);
    EXPECT_EQ(group.initFromModuleGroup(L"Plate"), Acad::eOk);
    EXPECT_EQ(group.mode(), OvSSMapping::ModeModuleGroup);
}

TEST(OvSSMapping, LineParsingSkipsBrokenEntries) {
    OvSSMapping mapping = mappingOf({object(L"old", L"m", OvMapGenVar, L"o")});
    EXPECT_EQ(mapping.initMappingFromLine(L"no key separator"), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);  // unchanged on failure

    ASSERT_EQ(
        mapping.initMappingFromLine(
            L"K=WidthƒPlate•Distance Gap¿broken¿ Nr ƒ Bolts•PatternNrBolts1 P1 ¿BadƒPlate•Unknown"),
        Acad::eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 2);
    EXPECT_EQ(mapping.mappedObjects()[1].ssVar, Tvx_String(L"Nr"));
    EXPECT_EQ(mapping.mappedObjects()[1].objName, Tvx_String(L"P1"));
    ASSERT_EQ(mapping.initMappingFromLine(L"K="), Acad::eOk);
    EXPECT_TRUE(mapping.mappedObjects().isEmpty());
}

TEST(OvSSMapping, DumpToTheCommandLine) {
    HostRecorder host;
    mappingOf({object(L"Width", L"Plate", OvMapDistance, L"Gap")}).dump();
    EXPECT_EQ(host.output(), Tvx_String(L"---Mapping---\nSSVar: Width Module: Plate ObjName: Gap \n"
                                        L"---Mapping end---\n\n"));
}

class MappingFile : public StandardsLibrary {};

TEST_F(MappingFile, ReadsTheLineOfTheKey) {
    EXPECT_EQ(OvSSMapping::mappingFilePath(L"Beam"), libDir() + L"Connection Standards\\Beam.map");
    OvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(L"Beam", L"KeyA"), Acad::eOk);
    const Tvx_Array<OvObjectMap>& objects = mapping.mappedObjects();
    ASSERT_EQ(objects.length(), 3);  // the broken and the unknown entries are skipped
    EXPECT_EQ(objects[0].ssVar, Tvx_String(L"Width"));
    EXPECT_EQ(objects[1].kind, OvMapPatternNrBolts1);
    EXPECT_EQ(objects[2].ssVar, Tvx_String(L"Thick"));
    EXPECT_EQ(objects[2].objName, Tvx_String(L"C1"));

    ASSERT_EQ(mapping.getMappingFromFile(L"Beam", L"KeyB"), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
    EXPECT_EQ(mapping.getMappingFromFile(L"Beam", L"keyb"), Acad::eInvalidInput);  // exact keys
    EXPECT_EQ(mapping.getMappingFromFile(L"Beam", L"Other"), Acad::eInvalidInput);
    EXPECT_EQ(mapping.getMappingFromFile(L"Missing", L"KeyA"), Acad::eInvalidInput);

    Tvx_String key;
    EXPECT_TRUE(mappingOf({object(L"Name", L"Beam", OvMapPrPlName, L"Prof1")})
                    .hasSameMapping(L"Beam", key));
    EXPECT_EQ(key, Tvx_String(L"KeyB"));
    EXPECT_FALSE(mappingOf({object(L"Name", L"Beam", OvMapPrPlName, L"Prof2")})
                     .hasSameMapping(L"Beam", key));
    EXPECT_FALSE(mapping.hasSameMapping(L"Missing", key));
}

TEST_F(MappingFile, WritesNewFilesAndKeepsOtherKeys) {
    const OvSSMapping mapping =
        mappingOf({object(L"Width", L"Plate", OvMapDistance, L"Gap"),
                   object(L"Nr", L"Bolts", OvMapPatternNrBolts1, L"P1"),
                   object(L"width", L"Plate", OvMapGenVar, L"dup"),    // duplicate variable
                   object(L"a/b", L"Plate", OvMapDistance, L"slash"),  // not a file name
                   object(L"Skip", L"Plate", OvMapNone, L"x"),         // no keyword
                   object(L"Odd", L"A•B", OvMapDistance, L"x"),        // would not read back
                   object(L"Sep", L"Plate", OvMapDistance, L"x¿y")});  // would split the line
    ASSERT_EQ(mapping.setMappingToFile(L"New", L"K1"), Acad::eOk);
    EXPECT_EQ(readBytes(path("Connection Standards/New.map")),
              "Mapping version 1.0\nK1=Width\xC6\x92Plate\xE2\x80\xA2"
              "Distance Gap\xC2\xBFNr\xC6\x92"
              "Bolts\xE2\x80\xA2PatternNrBolts1 P1\n");

    ASSERT_EQ(mapping.setMappingToFile(L"Beam", L"KeyA"), Acad::eOk);
    OvSSMapping reread;
    ASSERT_EQ(reread.getMappingFromFile(L"Beam", L"KeyA"), Acad::eOk);
    EXPECT_EQ(reread.mappedObjects().length(), 2);
    ASSERT_EQ(reread.getMappingFromFile(L"Beam", L"KeyB"), Acad::eOk);  // other keys stay
    EXPECT_EQ(reread.mappedObjects()[0].ssVar, Tvx_String(L"Name"));
    const std::string bytes = readBytes(path("Connection Standards/Beam.map"));
    EXPECT_NE(bytes.find("no equals sign here\nKeyB="), std::string::npos);
    EXPECT_EQ(bytes.rfind("KeyA="), bytes.find("KeyA="));  // replaced, not added twice
}

TEST_F(MappingFile, UnchangedMappingLeavesTheFileByteIdentical) {
    const OvSSMapping mapping = mappingOf({object(L"Width", L"Plate", OvMapDistance, L"Gap"),
                                           object(L"Nr", L"Bolts", OvMapPatternNrBolts1, L"P1")});
    ASSERT_EQ(mapping.setMappingToFile(L"Beam", L"K1"), Acad::eOk);
    ASSERT_EQ(mapping.setMappingToFile(L"Beam", L"K2"), Acad::eOk);
    const auto file = path("Connection Standards/Beam.map");
    const std::string first = readBytes(file);
    const auto time = std::filesystem::last_write_time(file);
    ASSERT_EQ(mapping.setMappingToFile(L"Beam", L"K1"), Acad::eOk);
    EXPECT_EQ(readBytes(file), first);
    EXPECT_EQ(std::filesystem::last_write_time(file), time);

    // A binding removed since the last store is removed from the file too.
    const OvSSMapping smaller = mappingOf({object(L"Width", L"Plate", OvMapDistance, L"Gap")});
    ASSERT_EQ(smaller.setMappingToFile(L"Beam", L"K1"), Acad::eOk);
    OvSSMapping reread;
    ASSERT_EQ(reread.getMappingFromFile(L"Beam", L"K1"), Acad::eOk);
    EXPECT_EQ(reread.mappedObjects().length(), 1);
}

TEST_F(MappingFile, BadKeysAndUnreadableFilesChangeNothing) {
    const OvSSMapping mapping = mappingOf({object(L"Width", L"Plate", OvMapDistance, L"Gap")});
    const auto file = path("Connection Standards/Beam.map");
    const std::string before = readBytes(file);
    EXPECT_EQ(mapping.setMappingToFile(L"Beam", L"a=b"), Acad::eInvalidInput);
    EXPECT_EQ(mapping.setMappingToFile(L"Beam", L"a\nb"), Acad::eInvalidInput);
    EXPECT_EQ(readBytes(file), before);

    // A mapping file that exists but cannot be read is not overwritten with one line.
    std::filesystem::create_directories(path("Connection Standards/Dir.map"));
    EXPECT_EQ(mapping.setMappingToFile(L"Dir", L"K"), Acad::eInvalidInput);
    EXPECT_TRUE(std::filesystem::is_directory(path("Connection Standards/Dir.map")));
    // A missing folder cannot be written.
    EXPECT_EQ(mapping.setMappingToFile(L"NoFolder\\Sheet", L"K"), Acad::eInvalidInput);
}

TEST_F(MappingFile, HeaderOnlyFileIsEmpty) {
    std::ofstream(path("Connection Standards/Empty.map")) << "Mapping version 2.0\n";
    OvSSMapping mapping = mappingOf({object(L"old", L"m", OvMapGenVar, L"o")});
    EXPECT_EQ(mapping.getMappingFromFile(L"Empty", L"K"), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
}

// A key's line is parsed once per version of the file: an edit in place (same size, within the
// clock's resolution) and a line without "=" must still read as the file says.
TEST_F(MappingFile, EveryReadFollowsTheFileAsItIsNow) {
    const auto file = path("Connection Standards/Beam.map");
    auto firstVariable = [](const wchar_t* key) {
        OvSSMapping mapping;
        if (mapping.getMappingFromFile(L"Beam", key) != Acad::eOk ||
            mapping.mappedObjects().isEmpty()) {
            return std::wstring(L"<none>");
        }
        return mapping.mappedObjects()[0].ssVar.wstr();
    };
    EXPECT_EQ(firstVariable(L"KeyB"), L"Name");
    EXPECT_EQ(firstVariable(L"KeyB"), L"Name");
    std::string bytes = readBytes(file);
    bytes.replace(bytes.find("KeyB=Name"), 9, "KeyB=Nome");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(firstVariable(L"KeyB"), L"Nome");

    // The line without "=" has the empty key: it fails and leaves the list as it was, each time.
    for (int run = 0; run < 2; ++run) {
        OvSSMapping kept = mappingOf({object(L"old", L"m", OvMapGenVar, L"o")});
        EXPECT_EQ(kept.getMappingFromFile(L"Beam", L""), Acad::eInvalidInput);
        ASSERT_EQ(kept.mappedObjects().length(), 1);
        EXPECT_EQ(kept.mappedObjects()[0].ssVar, Tvx_String(L"old"));
    }

    // A line found sound is checked again once the file changed.
    Tvx_String reason;
    EXPECT_TRUE(checkMappingFile(L"Beam", L"KeyB", reason));
    EXPECT_TRUE(checkMappingFile(L"Beam", L"KeyB", reason));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "KeyB=Broken\n";
    EXPECT_FALSE(checkMappingFile(L"Beam", L"KeyB", reason));
    EXPECT_NE(reason.wstr().find(L"is not a valid mapping"), std::wstring::npos) << reason.wstr();
}
