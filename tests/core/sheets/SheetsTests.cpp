// SheetsTests.cpp - drawing sheets in the drawing file (older files without sheets still load),
// the sheets manager's record and its "Change format" command, and the pick-first selection.
#include <gtest/gtest.h>

#include <memory>

#include "core/TempFolder.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sheets/OvSheetsMgrDlgData.h"
#include "core/sheets/PickFirstSelection.h"

namespace {

constexpr const char* kWithSheets = R"({
  "format": "ovss-drawing", "version": 1,
  "sheets": [
    { "name": "Sheet 1", "format": "A3", "parts": [ "Beam B1", "Plate P1" ] },
    { "name": "", "parts": [] },
    { "name": "Sheet 3", "format": "A1" } ] })";

TEST(DrawingSheets, LoadAndRoundTripKeepNamesFormatsAndParts) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromJson(kWithSheets, error)) << error;
    ASSERT_EQ(drawing.sheets().length(), 3);
    EXPECT_EQ(drawing.sheets()[0].name, L"Sheet 1");
    EXPECT_EQ(drawing.sheets()[0].format, L"A3");
    ASSERT_EQ(drawing.sheets()[0].parts.length(), 2);
    EXPECT_EQ(drawing.sheets()[0].parts[1], L"Plate P1");
    EXPECT_EQ(drawing.sheets()[1].name, L"");
    EXPECT_EQ(drawing.sheets()[2].parts.length(), 0);

    TempFolder folder;
    const Tvx_String path = folder.file(L"sheets.json");
    ASSERT_TRUE(drawing.saveToFile(path, error)) << error;
    Tvx_Drawing loaded;
    ASSERT_TRUE(loaded.loadFromFile(path, error)) << error;
    EXPECT_EQ(loaded.toJson(), drawing.toJson());
    EXPECT_EQ(loaded.sheets()[2].format, L"A1");
}

TEST(DrawingSheets, FilesWithoutSheetsStillLoad) {
    auto drawing = std::make_shared<Tvx_Drawing>();
    Tvx_String error;
    ASSERT_TRUE(drawing->loadFromJson(R"({"format": "ovss-drawing", "version": 1})", error))
        << error;
    EXPECT_EQ(drawing->sheets().length(), 0);
    OvSheetsMgrDlgData data(drawing);
    EXPECT_EQ(data.length(), 0);
}

TEST(DrawingSheets, BadSheetsFailWithTheirPlaceAndChangeNothing) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromJson(kWithSheets, error));
    const std::string before = drawing.toJson();
    EXPECT_FALSE(drawing.loadFromJson(
        R"({"format": "ovss-drawing", "version": 1, "sheets": [ {"name": "S", "parts": [ 7 ]} ]})",
        error));
    EXPECT_EQ(error, L"sheets[0].parts[0]: must be a text");
    EXPECT_FALSE(
        drawing.loadFromJson(R"({"format": "ovss-drawing", "version": 1, "sheets": {}})", error));
    EXPECT_EQ(error, L"sheets: must be an array");
    EXPECT_EQ(drawing.toJson(), before);
}

TEST(SheetsMgrData, EntriesFollowTheSheetsAndCopiesShareTheDrawing) {
    auto shared = std::make_shared<Tvx_Drawing>();
    Tvx_Drawing& drawing = *shared;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromJson(kWithSheets, error));
    OvSheetsMgrDlgData data(shared);
    ASSERT_EQ(data.length(), 3);
    EXPECT_EQ(data.getAt(0).name(), L"Sheet 1");
    EXPECT_EQ(data.getAt(0).children().length(), 2);
    EXPECT_EQ(data.getAt(3).name(), L"");  // out of range: an empty entry
    EXPECT_EQ(data.getAt(-1).children().length(), 0);

    OvSheetsMgrDlgData copy;
    copy = data;
    copy.setCurrent(2);
    EXPECT_TRUE(copy.changeFormatCmd(L"A4"));
    EXPECT_EQ(drawing.sheets()[2].format, L"A4");
    EXPECT_EQ(drawing.sheets()[0].format, L"A3");
}

TEST(SheetsMgrData, ChangeFormatRefusesWhatItCannotDo) {
    auto drawing = std::make_shared<Tvx_Drawing>();
    Tvx_String error;
    ASSERT_TRUE(drawing->loadFromJson(kWithSheets, error));
    OvSheetsMgrDlgData data(drawing);
    EXPECT_FALSE(data.changeFormatCmd(L"A4"));  // no current sheet
    data.setCurrent(5);
    EXPECT_FALSE(data.changeFormatCmd(L"A4"));
    data.setCurrent(0);
    EXPECT_FALSE(data.changeFormatCmd(L""));
    EXPECT_EQ(drawing->sheets()[0].format, L"A3");
    // The drawing was closed while a copy of the record lives on.
    drawing.reset();
    EXPECT_FALSE(data.changeFormatCmd(L"A4"));
    EXPECT_FALSE(OvSheetsMgrDlgData().changeFormatCmd(L"A4"));
}

TEST(PickFirst, TheSelectionIsWhatTheHostLastSet) {
    Tvx_Array<AcDbObjectId> ids;
    setPickFirstSelection({});
    EXPECT_FALSE(readPickFirstSelection(ids));
    setPickFirstSelection({AcDbObjectId(5), AcDbObjectId(9)});
    ASSERT_TRUE(readPickFirstSelection(ids));
    EXPECT_EQ(ids.length(), 2);
    EXPECT_EQ(ids[1], AcDbObjectId(9));
    setPickFirstSelection({});
}

}  // namespace
