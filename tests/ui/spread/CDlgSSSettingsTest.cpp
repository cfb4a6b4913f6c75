// CDlgSSSettingsTest.cpp - the language choice through its launcher.
#include <gtest/gtest.h>

#include <QComboBox>

#include "SpreadDialogSupport.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/spread/CDlgSSSettings.h"

namespace {

using ovui::fromQt;

class LanguageDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        spreadtest::useShippedTexts({1520, 1521});
    }
};

TEST_F(LanguageDialog, ShowsTheThreeLanguagesWithTheCallersChoice) {
    int selected = 1;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Spreadsheet Language");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgSSSettings::kLanguageLabel), L"Language:");
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), L"OK");
        EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), L"Cancel");
        QComboBox* combo = dlg.comboBox(CDlgSSSettings::kLanguageCombo);
        ASSERT_EQ(combo->count(), 3);
        EXPECT_EQ(fromQt(combo->itemText(0)), L"Nederlands");
        EXPECT_EQ(fromQt(combo->itemText(1)), L"English");
        EXPECT_EQ(fromQt(combo->itemText(2)), L"Fran\u00e7ais");
        EXPECT_EQ(combo->currentIndex(), 1);
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgSSSettings(selected));
    EXPECT_EQ(selected, 1);
}

struct ChoiceCase {
    int given;
    int chosen;  // -2: leave the combo as it opened
    int okResult;
};

TEST_F(LanguageDialog, OkStoresTheChoiceAndCancelKeepsTheOldOne) {
    for (const ChoiceCase& c : {ChoiceCase{1, 2, 2}, ChoiceCase{-1, -2, -1}, ChoiceCase{7, -2, -1},
                                ChoiceCase{-1, 0, 0}}) {
        for (bool ok : {true, false}) {
            int selected = c.given;
            uitest::drive([&c, ok](OvDialog& dlg) {
                if (c.chosen != -2) {
                    dlg.comboBox(CDlgSSSettings::kLanguageCombo)->setCurrentIndex(c.chosen);
                }
                dlg.pressButton(ok ? IDOK : IDCANCEL);
            });
            EXPECT_EQ(StartDlgSSSettings(selected), ok);
            EXPECT_EQ(selected, ok ? c.okResult : c.given) << c.given << " ok " << ok;
        }
    }
}

}  // namespace
