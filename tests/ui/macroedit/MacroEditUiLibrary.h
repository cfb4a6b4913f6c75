// MacroEditUiLibrary.h - the macro editor and select-macro dialog tests run on their own copy
// of the sample library (standards and their mapping files, drawings, profiles, macros, texts),
// with the sample drawing loaded and its fin plate macro as the editor's record.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "macrodlg/edit/EditConstrData.h"
#include "ui/UiTestSupport.h"
#include "ui/macroedit/TextTablePage.h"

namespace fs = std::filesystem;

class MacroEditUiLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() / ("ovss-macroedit-ui-" + std::to_string(::getpid()) +
                                             "-" + std::to_string(counter++));
        fs::remove_all(root_);
        fs::create_directories(root_);
        for (const char* item :
             {"Connection Standards", "Drawings", "prof", "Macros", "texts.tsv"}) {
            fs::copy(fs::path(OVSS_SOURCE_DIR "/library") / item, root_ / item,
                     fs::copy_options::recursive);
        }
        libDir_ = gSettings.libDir;
        appDir_ = gSettings.tvxDir;
        const Tvx_String folder =
            Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(root_.string()));
        gSettings.libDir = folder;
        gSettings.tvxDir = folder;
        reloadTexts();
        loadSectionTables(folder);
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(folder + L"Drawings\\sample.json", error))
            << error.toUtf8();
        for (const auto& dbMacro : drawing.macros()) {
            if (dbMacro->macro() != nullptr && dbMacro->macro()->name() == L"FinPlate") {
                finPlate = dbMacro.get();
            }
        }
        ASSERT_NE(finPlate, nullptr);
        record.macroId = finPlate->id();
        record.moduleName = L"FinPlate";
    }
    void TearDown() override {
        gSettings.libDir = libDir_;
        gSettings.tvxDir = appDir_;
        reloadTexts();
        gSectionTables.removeAll();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    double value(const wchar_t* module, const wchar_t* name) const {
        return finPlate->macro()->findModule(module)->findVariable(name)->value;
    }
    fs::path mapFile() const { return root_ / "Connection Standards" / "FinPlate.map"; }
    static std::string readAll(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Sets a cell of a page's grid as a user types it.
    static void type(TextTablePage* page, int row, int col, const char* text) {
        page->grid()->item(row, col)->setText(QString::fromUtf8(text));
    }
    static int rowOf(TextTablePage* page, const char* name) {
        for (int r = 0; r < page->grid()->rowCount(); ++r) {
            if (page->grid()->item(r, 0)->text() == QString::fromUtf8(name)) {
                return r;
            }
        }
        ADD_FAILURE() << "no row " << name;
        return 0;
    }
    static void pump() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Tvx_Drawing drawing;
    Tvx_DbMacro* finPlate = nullptr;
    EditConstrData record;
    fs::path root_;

  private:
    Tvx_String libDir_;
    Tvx_String appDir_;
};
