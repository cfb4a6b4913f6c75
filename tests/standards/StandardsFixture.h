// StandardsFixture.h - a test's own copy of the standards fixture library (tests/data/standards)
// in a temporary folder, made the library folder for the test; settings and section tables are
// restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/Tvx_Settings.h"
#include "core/Tvx_String.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "grid/CustomFunction.h"

class StandardsLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("ovss-standards-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        std::filesystem::copy(OVSS_TEST_DATA "/standards", root_,
                              std::filesystem::copy_options::recursive);
        saved_ = gSettings;
        const Tvx_String folder = Tvx_String::fromUtf8(root_.string());
        gSettings.resetForTests(folder, folder);
        loadSectionTables(libDir());  // no "prof" folder: starts empty
    }
    void TearDown() override {
        gSettings = saved_;
        gSectionTables.removeAll();
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    // The library folder in the application's form, with a trailing "\\".
    Tvx_String libDir() const { return gSettings.libDir; }
    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }

  private:
    std::filesystem::path root_;
    Tvx_Settings saved_;
};

// Argument records as the grid builds them.
inline ovgrid::SSValue numberArg(double value) {
    ovgrid::SSValue v;
    v.status = ovgrid::SS_VALUE_STATUS_OK;
    v.type = ovgrid::SS_VALUE_TYPE_DOUBLE;
    v.dValue = value;
    return v;
}
inline ovgrid::SSValue longArg(long value) {
    ovgrid::SSValue v;
    v.status = ovgrid::SS_VALUE_STATUS_OK;
    v.type = ovgrid::SS_VALUE_TYPE_LONG;
    v.lValue = value;
    return v;
}
inline ovgrid::SSValue textArg(const std::wstring& text) {
    ovgrid::SSValue v;
    v.status = ovgrid::SS_VALUE_STATUS_OK;
    v.type = ovgrid::SS_VALUE_TYPE_STR;
    v.text = text;
    return v;
}
inline ovgrid::SSValue emptyArg() {
    return ovgrid::SSValue{};
}
inline ovgrid::SSValue cellArg() {
    ovgrid::SSValue v;
    v.status = ovgrid::SS_VALUE_STATUS_OK;
    v.type = ovgrid::SS_VALUE_TYPE_CELL;
    v.cell = {1, 1};
    return v;
}
