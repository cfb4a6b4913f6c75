// SeclibDialogSupport.h - the section library dialogs' test environment: their texts added to
// the test text table, a small library (IPE, a rectangular tube type and a sigma drawing), the
// shape icons, named screenshots and byte snapshots of the library's files.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <map>
#include <string>

#include "core/Tvx_String.h"

class QWidget;

namespace seclibtest {

class SeclibDialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    std::string savedTexts_;
};

// Every file below the library folder with its bytes.
std::map<std::string, std::string> libraryFiles();
// The bytes of a profile table file ("IPE" -> libDir/prof/IPE.pr); empty when missing.
std::string profBytes(const std::string& type);
bool profExists(const std::string& type);
std::filesystem::path profPath(const std::string& type);
// Saves the widget as <build>/screenshots/<name>.png.
void screenshot(QWidget& widget, const QString& name);

}  // namespace seclibtest
