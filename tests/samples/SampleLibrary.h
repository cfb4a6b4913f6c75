// SampleLibrary.h - tests on the bundled sample library: the library folder becomes the
// product's library folder (its profile tables loaded) for the test and is restored afterwards.
// The tests only read the library.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Tvx_Settings.h"
#include "core/Tvx_String.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

inline const std::filesystem::path kSampleLibrary = OVSS_SOURCE_DIR "/library";

inline std::filesystem::path standardsPath(const std::string& relative) {
    return kSampleLibrary / "Connection Standards" / relative;
}

class SampleLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = gSettings;
        const Tvx_String folder = Tvx_String::fromUtf8(kSampleLibrary.string() + "/");
        gSettings.resetForTests(folder, folder);
        ASSERT_TRUE(loadSectionTables(gSettings.libDir));
    }
    void TearDown() override {
        gSettings = saved_;
        gSectionTables.removeAll();
    }

  private:
    Tvx_Settings saved_;
};

// A grid on a headless host with one sheet file loaded.
class LoadedSheet {
    HeadlessGridHost host_;  // first: it must outlive the grid

  public:
    static constexpr int kGridId = 1196;

    explicit LoadedSheet(const std::filesystem::path& file) {
        host_.addControl(kGridId, {10, 10, 610, 410});
        std::wstring error;
        loaded_ = spread.create(&host_, kGridId, false) && spread.SSLoadFromFile(file, &error);
        loadError = error;
    }
    bool ok() const { return loaded_; }

    Tvx_Spread spread;
    std::wstring loadError;

  private:
    bool loaded_ = false;
};
