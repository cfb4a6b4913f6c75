// MacroEditLibrary.h - a test's own copy of the bundled sample library (its standards and their
// mapping files may be written) made the library folder, with the sample drawing loaded.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "core/Tvx_Settings.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sections/Tvx_SectionTableManager.h"

class MacroEditLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("ovss-macroedit-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        for (const char* folder : {"Connection Standards", "Drawings", "prof", "Macros"}) {
            std::filesystem::copy(std::filesystem::path(OVSS_SOURCE_DIR "/library") / folder,
                                  root_ / folder, std::filesystem::copy_options::recursive);
        }
        saved_ = gSettings;
        const Tvx_String folder = Tvx_String::fromUtf8(root_.string());
        gSettings.resetForTests(folder, folder);
        loadSectionTables(gSettings.libDir);
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(gSettings.libDir + L"Drawings\\sample.json", error))
            << error.toUtf8();
    }
    void TearDown() override {
        gSettings = saved_;
        gSectionTables.removeAll();
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }
    std::filesystem::path mapFile(const std::string& sheet) const {
        return root_ / "Connection Standards" / (sheet + ".map");
    }
    static std::string readAll(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    Tvx_DbMacro* macroNamed(const wchar_t* name) {
        for (const auto& dbMacro : drawing.macros()) {
            if (dbMacro->macro() != nullptr && dbMacro->macro()->name() == name) {
                return dbMacro.get();
            }
        }
        ADD_FAILURE() << "no macro " << Tvx_String(name).toUtf8();
        return nullptr;
    }

    Tvx_Drawing drawing;

  private:
    std::filesystem::path root_;
    Tvx_Settings saved_;
};
