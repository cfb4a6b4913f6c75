// SheetFilesFixture.h - an isolated world for settings tests: the application folder and the
// registry store in a temporary folder, and a created grid on a headless host.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Registry.h"
#include "core/TempFolder.h"
#include "core/Tvx_Settings.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"

class SheetFilesTest : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1001;

    SheetFilesTest() : host({0, 0, 800, 600}) {
        gSettings.resetForTests(temp.folder(), temp.folder());
        ::setenv("OVSS_REGISTRY", (temp.path() / "registry.json").c_str(), 1);
        OvRegistry::reload();
        host.addControl(kGridId, {10, 10, 410, 310});
        EXPECT_TRUE(spread.create(&host, kGridId, true));
    }
    ~SheetFilesTest() override {
        ::unsetenv("OVSS_REGISTRY");
        OvRegistry::reload();
        gSettings.resetToDefaults();
    }

    static std::string fixture(const char* name) {
        return std::string(OVSS_TEST_DATA) + "/sheets/" + name;
    }
    // Copies a fixture into the temporary folder under `name`.
    void copyFixture(const char* fixtureName, const std::string& name) const {
        std::filesystem::copy_file(fixture(fixtureName), temp.path() / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void writeBytes(const std::filesystem::path& path, const std::string& bytes) const {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string readBytes(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::wstring tag() const {
        std::wstring text;
        spread.SSGetCellTag(0, 0, &text);
        return text;
    }

    TempFolder temp;
    HeadlessGridHost host;
    Tvx_Spread spread;
};
