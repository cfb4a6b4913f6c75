// DrawingFileTests.cpp - drawing files: a round trip with every kind of object, and broken or
// unsupported files that must fail with a reason and leave drawing and file unchanged.
#include <gtest/gtest.h>

#include <fstream>

#include "core/AtomicFile.h"
#include "core/TempFolder.h"
#include "core/macro/MacroOperations.h"
#include "core/macro/Tvx_Drawing.h"

namespace {

std::string readSample() {
    std::string bytes;
    EXPECT_TRUE(readFileBytes(
        Tvx_String::fromUtf8(OVSS_TEST_DATA "/drawings/endplate_beam_column.json"), bytes));
    return bytes;
}

TEST(DrawingFile, RoundTripKeepsEveryKindOfObject) {
    Tvx_Drawing original;
    Tvx_String error;
    ASSERT_TRUE(original.loadFromJson(readSample(), error)) << error;
    // Text that must survive: non-ASCII, quotes, backslashes, line breaks.
    original.generalVariables().set(L"gen_Ünïcode \"q\" \\ \n", -0.125);
    original.addMacro(nullptr);  // a placed macro whose definition is missing

    TempFolder folder;
    const Tvx_String path = folder.file(L"drawing.json");
    ASSERT_TRUE(original.saveToFile(path, error)) << error;
    Tvx_Drawing loaded;
    ASSERT_TRUE(loaded.loadFromFile(path, error)) << error;
    EXPECT_EQ(loaded.toJson(), original.toJson());

    ASSERT_EQ(loaded.macros().size(), 2u);
    EXPECT_EQ(loaded.macros()[1]->macro(), nullptr);
    // Loaded objects get ids of their own, and base profiles still point at the right members.
    EXPECT_NE(loaded.macros()[0]->id(), original.macros()[0]->id());
    AcDbObjectId column;
    ASSERT_EQ(getBaseProf(loaded.macros()[0].get(), 1, column), Acad::eOk);
    Tvx_String section;
    ASSERT_EQ(getSectionName(column, section), Acad::eOk);
    EXPECT_EQ(section, L"HEB200");
    EXPECT_EQ(loaded.findProfile(column), &loaded.profiles()[1]);
}

TEST(DrawingFile, SavingADanglingBaseProfileIsRefused) {
    Tvx_Drawing drawing;
    drawing.addMacro(std::make_unique<Tvx_Macro>(L"M"))->addBaseProfile(AcDbObjectId(42));
    TempFolder folder;
    const Tvx_String path = folder.file(L"drawing.json");
    ASSERT_TRUE(atomicWriteFile(path, "old"));
    Tvx_String error;
    EXPECT_FALSE(drawing.saveToFile(path, error));
    EXPECT_TRUE(error.hasSubString(L"base profile", false)) << error;
    std::string bytes;
    readFileBytes(path, bytes);
    EXPECT_EQ(bytes, "old");
}

TEST(DrawingFile, BrokenFilesFailWithAReasonAndChangeNothing) {
    const std::string head = R"({"format":"ovss-drawing","version":1,)";
    const std::string module = R"("macros":[{"macro":{"name":"M","modules":[)";
    struct Case {
        const char* label;
        std::string text;
        const wchar_t* reason;  // part of the error text
    } cases[] = {
        {"empty", "", L"not valid JSON"},
        {"truncated", readSample().substr(0, 300), L"not valid JSON"},
        {"not an object", "[1,2]", L"must be an object"},
        {"wrong format", R"({"format":"other","version":1})", L"not a drawing file"},
        {"no version", R"({"format":"ovss-drawing"})", L"version"},
        {"newer version", R"({"format":"ovss-drawing","version":2})", L"version 2"},
        {"duplicate handle",
         head + R"("profiles":[{"handle":1,"section":"A"},{"handle":1,"section":"B"}]})",
         L"profiles[1].handle: is used twice"},
        {"dangling base", head + R"("macros":[{"baseProfiles":[7],"macro":null}]})",
         L"macros[0].baseProfiles[0]"},
        {"missing macro key", head + R"("macros":[{}]})", L"'macro' is missing"},
        {"unknown type", head + module + R"({"name":"A","type":"weld"}]}}]})", L"type"},
        {"duplicate module",
         head + module + R"({"name":"A","type":"general"},{"name":"a","type":"bolt"}]}}]})",
         L"used twice"},
        {"text value",
         head + module +
             R"({"name":"A","type":"general","variables":[{"name":"W","value":"10"}]}]}}]})",
         L"modules[0].variables[0].value"},
        {"bad pattern type",
         head + module + R"({"name":"B","type":"bolt","patterns":[{"name":"P","type":283}]}]}}]})",
         L"patterns[0].type"},
        {"zero bolts",
         head + module +
             R"({"name":"B","type":"bolt","patterns":[{"name":"P","nrBolts1":0}]}]}}]})",
         L"nrBolts1"},
        {"unknown offset",
         head + module +
             R"({"name":"A","type":"general","cuts":[{"name":"C","offsets":{"Depth":1}}]}]}}]})",
         L"unknown offset kind 'Depth'"},
        {"bad rotation", head + R"("profiles":[{"handle":1,"section":"A","rotation":45}]})",
         L"rotation"},
        {"duplicate general variable",
         head + R"("generalVariables":[{"name":"g","value":1},{"name":"G","value":2}]})",
         L"used twice"},
        {"deep nesting", std::string(10000, '[') + std::string(10000, ']'), L"nested"},
    };

    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromJson(readSample(), error)) << error;
    const std::string before = drawing.toJson();
    for (const Case& c : cases) {
        error = L"";
        EXPECT_FALSE(drawing.loadFromJson(c.text, error)) << c.label;
        EXPECT_TRUE(error.hasSubString(c.reason, true)) << c.label << ": " << error;
        EXPECT_EQ(drawing.toJson(), before) << c.label;
    }
}

TEST(DrawingFile, MissingFileFailsWithItsName) {
    Tvx_Drawing drawing;
    Tvx_String error;
    EXPECT_FALSE(drawing.loadFromFile(L"/nonexistent/folder/x.json", error));
    EXPECT_TRUE(error.hasSubString(L"x.json", true)) << error;
    EXPECT_TRUE(drawing.macros().empty());
}

TEST(DrawingFile, DefaultsFillOptionalFields) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromJson(
        R"({"format":"ovss-drawing","version":1,"macros":[{"macro":{"name":"M","modules":[
            {"name":"B","type":"bolt","patterns":[{"name":"P"}],
             "variables":[{"name":"W","value":1}]}]}}],"future":{"ignored":true}})",
        error))
        << error;
    const Tvx_Module* bolts = drawing.macros()[0]->macro()->findModule(L"B");
    const Tvx_DialogVariable* w = bolts->findVariable(L"W");
    EXPECT_TRUE(w->visible && w->settable && !w->flexible);
    const auto& pattern = dynamic_cast<const Tvx_BoltModule*>(bolts)->patterns()[0];
    EXPECT_EQ(pattern.typeCode, kPatternOneDirection);
    EXPECT_EQ(pattern.nrBolts1, 1);
}

}  // namespace
