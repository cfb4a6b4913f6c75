// LibraryTexts.h - a test fixture that shows dialogs with the module's own text table (the one
// the library ships) instead of the small table of the dialog tests, and puts the small table
// back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "ui/UiTestSupport.h"

class LibraryTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        appTexts_ = toFileSystemPath(gSettings.tvxDir + L"texts.tsv");
        std::ifstream in(appTexts_, std::ios::binary);
        std::ostringstream saved;
        saved << in.rdbuf();
        saved_ = saved.str();
        std::ifstream library(std::filesystem::path(OVSS_SOURCE_DIR) / "library" / "texts.tsv",
                              std::ios::binary);
        std::ofstream(appTexts_, std::ios::binary) << library.rdbuf();
        reloadTexts();
    }
    void TearDown() override {
        std::ofstream(appTexts_, std::ios::binary) << saved_;
        reloadTexts();
    }

  private:
    std::filesystem::path appTexts_;
    std::string saved_;
};
