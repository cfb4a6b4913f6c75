// DetailTestTexts.h - a temporary application folder with a small text table for the detail
// dialog rules, so that expected messages are typed here, independent of the shipped wording.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Texts.h"
#include "core/Tvx_Settings.h"

class DetailTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("ovss-macrodetail-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "app");
        std::filesystem::create_directories(root_ / "lib");
        std::ofstream(root_ / "app" / "texts.tsv") << "Number\tEnglish\n"
                                                      "695\tnone\n"
                                                      "740\tRad\n"
                                                      "888\tFix it\n"
                                                      "999\tRow\n"
                                                      "1000\tEntry\n"
                                                      "1001\tis wrong\n"
                                                      "1071\tA\n1072\tB\n1073\tC\n1074\tD\n"
                                                      "1090\tNo name given\n"
                                                      "1091\tName\n"
                                                      "1092\tUsed\n1093\tOther\n1094\tInUse\n"
                                                      "1095\tBad\n1096\tNames\n1097\tstart\n"
                                                      "1098\tVars\n"
                                                      "1099\tOff\n1100\tPoly\n1104\tOut\n"
                                                      "1128\tExists\n1129\tForeign\n"
                                                      "1130\tReplace?\n1131\tSave\n"
                                                      "1132\tDelete\n1133\tnow\n1134\tSure\n"
                                                      "1135\tDel\n";
        gSettings.resetForTests(Tvx_String::fromUtf8((root_ / "lib").string()),
                                Tvx_String::fromUtf8((root_ / "app").string()));
        reloadTexts();
    }
    void TearDown() override {
        gSettings.resetToDefaults();
        reloadTexts();
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::filesystem::path root_;
};
