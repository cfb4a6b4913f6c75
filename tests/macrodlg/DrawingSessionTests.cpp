// DrawingSessionTests.cpp - the host's drawing session: the macro list, a record per macro, a bad
// file refused with the drawing kept, and saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Tvx_Settings.h"
#include "macrodlg/DrawingSession.h"

namespace {

TEST(DrawingSession, ListsTheMacrosAndKeepsItsDrawingWhenAFileIsBad) {
    const Tvx_String library =
        Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/"));
    DrawingSession& session = DrawingSession::instance();
    Tvx_String error;
    ASSERT_TRUE(session.open(library + L"Drawings\\sample.json", error)) << error.toUtf8();
    ASSERT_EQ(session.macroCount(), 3);
    Tvx_String name, profiles, modules;
    ASSERT_TRUE(session.macroRow(0, name, profiles, modules));
    EXPECT_EQ(name, L"EndPlateBeamToColumn");
    EXPECT_EQ(profiles, L"IPE300, HEB200");
    EXPECT_EQ(modules, L"EndPlate, Bolts");
    EXPECT_FALSE(session.macroRow(3, name, profiles, modules));
    MacroData record;
    ASSERT_TRUE(session.buildRecord(2, record));
    EXPECT_EQ(record.macroNames, Tvx_StringArray{L"FinPlate"});
    EXPECT_FALSE(session.buildRecord(-1, record));

    const std::filesystem::path bad = std::filesystem::temp_directory_path() / "ovss_bad.json";
    std::ofstream(bad) << "{ \"format\": \"ovss-drawing\", \"version\": 1, \"macros\": [ {";
    const Tvx_String badPath = Tvx_String::fromUtf8(bad.string());
    EXPECT_FALSE(session.open(badPath, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(session.macroCount(), 3);  // the open drawing stays
    EXPECT_EQ(session.path(), library + L"Drawings\\sample.json");

    const std::filesystem::path saved = std::filesystem::temp_directory_path() / "ovss_saved.json";
    ASSERT_TRUE(session.save(Tvx_String::fromUtf8(saved.string()), error)) << error.toUtf8();
    ASSERT_TRUE(session.open(Tvx_String::fromUtf8(saved.string()), error));
    EXPECT_EQ(session.macroCount(), 3);
    std::filesystem::remove(bad);
    std::filesystem::remove(saved);
}

// What the studio makes its pick-first selection from: each macro's own drawing object.
TEST(DrawingSession, EachMacroHasItsOwnObjectInTheOpenDrawing) {
    const Tvx_String library =
        Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/"));
    DrawingSession& session = DrawingSession::instance();
    Tvx_String error;
    ASSERT_TRUE(session.open(library + L"Drawings\\sample.json", error)) << error.toUtf8();
    AcDbObjectId first, last;
    ASSERT_TRUE(session.macroId(0, first));
    ASSERT_TRUE(session.macroId(2, last));
    EXPECT_FALSE(first.isNull());
    EXPECT_FALSE(first == last);
    const Tvx_DbMacro* found = nullptr;
    for (const Tvx_Drawing* drawing : Tvx_Drawing::openDrawings()) {
        found = found != nullptr ? found : drawing->findDbMacro(last);
    }
    ASSERT_NE(found, nullptr);
    ASSERT_NE(found->macro(), nullptr);
    EXPECT_EQ(found->macro()->name(), L"FinPlate");
    AcDbObjectId none;
    EXPECT_FALSE(session.macroId(3, none));
    EXPECT_FALSE(session.macroId(-1, none));
}

}  // namespace
