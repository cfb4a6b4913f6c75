// MacroPropsFilterTests.cpp - the macros offered by the select-macro dialog: candidates and
// their properties, the filter, the preview rule and the names under the thumbnails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../edit/MacroEditLibrary.h"
#include "core/image/ImageSize.h"
#include "macrodlg/select/Tvx_MacroPropsFilter.h"

namespace {

class MacroPropsFilter : public MacroEditLibrary {
  protected:
    void SetUp() override {
        MacroEditLibrary::SetUp();
        std::filesystem::create_directories(path("Macros"));
        write("Macros/Cleat1.dwg", "Joint\tstring\tCleat\nRows\tint\t2\n");
        write("Macros/Cleat2.dwg", "Joint\tstring\tCleat\nRows\tint\t3\n");
        write("Macros/Splice.dwg", "Joint\tstring\tSplice\n");
        std::ofstream(path("Macros/Cleat1.bmp")) << "picture";
    }
    void write(const std::string& file, const std::string& lines) {
        std::ofstream(path(file)) << "#ovss-properties 1\n" << lines;
    }
    Tvx_String macro(const char* file) const {
        return Tvx_MacroPropsFilter::macroFolder() + Tvx_String::fromUtf8(file);
    }
};

TEST_F(MacroPropsFilter, CandidatesPropertiesAndTheFilter) {
    Tvx_MacroPropsFilter filter;
    AcArray<bool> flags;
    flags.append(true);
    flags.append(false);  // left out
    flags.append(true);
    flags.append(true);
    filter.init({L"Cleat1", L"Cleat2", L"Splice", L"Missing"}, flags, 0, 7);
    EXPECT_EQ(filter.getAllDwgFiles(), (Tvx_StringArray{macro("Cleat1.dwg"), macro("Splice.dwg")}));
    const auto& merged = filter.getMergedProperties();
    ASSERT_EQ(merged.length(), 2);
    EXPECT_EQ(merged[0].name, L"Joint");
    EXPECT_EQ(merged[0].values, (Tvx_StringArray{L"Cleat", L"Splice"}));
    EXPECT_EQ(merged[1].values, Tvx_StringArray{L"2"});

    EXPECT_TRUE(filter.setState(0, 1, false));  // no splices
    EXPECT_EQ(filter.getFilteredMacros(), Tvx_StringArray{macro("Cleat1.dwg")});
    EXPECT_TRUE(filter.setState(1, 0, false));  // no 2 rows: the splice has no rows, but no splices
    EXPECT_TRUE(filter.getFilteredMacros().isEmpty());
    EXPECT_TRUE(filter.setState(0, 1, true));
    EXPECT_EQ(filter.getFilteredMacros(), Tvx_StringArray{macro("Splice.dwg")});
    EXPECT_FALSE(filter.setState(2, 0, true));
}

TEST_F(MacroPropsFilter, PreviewsAreTheBmpOrAGeneratedPicture) {
    EXPECT_EQ(macroPreviewFile(macro("Cleat1.dwg")), macro("Cleat1.bmp"));
    EXPECT_EQ(macroPreviewFile(macro("Cleat2.dwg")), macro("Cleat2.abm"));
    Tvx_MacroPropsFilter filter;
    ASSERT_TRUE(filter.CreatePreviewBMPs({macro("Cleat2.dwg")}, L"abm"));
    ImageSize size;
    Tvx_String error;
    ASSERT_TRUE(readImageSize(macro("Cleat2.abm"), size, error)) << error.toUtf8();
    EXPECT_EQ(size.width, 64u);
    EXPECT_EQ(size.height, 64u);
}

TEST(MacroDisplayNames, TrailingDigitsGoUnlessTwoNamesWouldMeet) {
    EXPECT_EQ(macroDisplayNames({L"lib\\Macros\\EndPlate2.dwg", L"lib\\Macros\\FinPlate10.dwg"}),
              (Tvx_StringArray{L"EndPlate", L"FinPlate"}));
    EXPECT_EQ(macroDisplayNames({L"lib\\Cleat1.dwg", L"lib\\Cleat2.dwg", L"lib\\Splice.dwg"}),
              (Tvx_StringArray{L"Cleat1", L"Cleat2", L"Splice"}));
    // A name of digits only would shorten to nothing.
    EXPECT_EQ(macroDisplayNames({L"lib\\123.dwg"}), Tvx_StringArray{L"123"});
}

}  // namespace
