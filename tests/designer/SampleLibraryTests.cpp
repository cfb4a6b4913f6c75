// SampleLibraryTests.cpp - the designer templates of the bundled library are exactly what the
// sample generator writes, and they read back with their pictures. Run with OVSS_UPDATE_SAMPLES=1
// to write them into the source tree's library folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DesignerFixture.h"
#include "SampleTemplates.h"
#include "core/AtomicFile.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

const Tvx_String kBundledLibrary = Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/");

using SampleLibrary = DesignerFixture;

TEST_F(SampleLibrary, BundledTemplatesMatchTheGenerator) {
    if (const char* update = std::getenv("OVSS_UPDATE_SAMPLES"); update && *update == '1') {
        Tvx_String error;
        ASSERT_TRUE(writeSampleTemplates(kBundledLibrary, error)) << error;
    }
    Tvx_String error;
    ASSERT_TRUE(writeSampleTemplates(gSettings.libDir, error)) << error;
    const Tvx_String bundledRoot = kBundledLibrary + L"Dialog Templates\\Dialog Design\\";
    for (const Tvx_String& file : sampleTemplateFiles()) {
        std::string generated;
        std::string bundled;
        ASSERT_TRUE(readFileBytes(root_ + file, generated)) << file;
        ASSERT_TRUE(readFileBytes(bundledRoot + file, bundled))
            << file << " is missing from the library; run with OVSS_UPDATE_SAMPLES=1";
        EXPECT_TRUE(generated == bundled) << file << " differs from the generator's output";
    }
}

TEST_F(SampleLibrary, TemplatesReadBackWithPicturesAndVariables) {
    gSettings.libDir = kBundledLibrary;
    Tvx_StringArray names;
    ASSERT_TRUE(getModuleImages(names));
    EXPECT_TRUE(names.contains(L"End Plate Bolted", true));
    EXPECT_TRUE(names.contains(L"Base Plate", true));

    Tvx_DlgDesignerData data;
    data.setIdRange(33000, 33099);
    ASSERT_TRUE(data.readFromFile(getFileFromName(L"End Plate Bolted"), true)) << data.lastError();
    EXPECT_EQ(data.imageWidth(), 480u);
    EXPECT_EQ(data.imageHeight(), 360u);
    EXPECT_EQ(data.getNrControls(), 15);
    EXPECT_EQ(data.getControl(14)->flexGroup, L"Stiffener");

    Tvx_StringArray variables;
    ASSERT_TRUE(GetImageDlgCtrlNames(getFileFromName(L"Base Plate"), variables));
    EXPECT_EQ(variables, (Tvx_StringArray{L"BP_Thickness", L"BP_Length", L"BP_Width",
                                          L"AnchorEdgeDist", L"GroutThickness"}));
}

}  // namespace
