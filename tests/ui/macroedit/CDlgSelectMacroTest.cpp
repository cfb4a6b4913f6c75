// CDlgSelectMacroTest.cpp - the select-macro dialog on the sample library's macros: thumbnails
// with their previews, generated previews only where a macro has no "bmp", the filter, full
// names where shortening would make two alike, and OK with and without a selection.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "MacroEditUiLibrary.h"
#include "core/MessageService.h"
#include "ui/controls/CImageListCtrl.h"
#include "ui/macroedit/CDlgSelectMacro.h"

namespace {

using SelectMacro = MacroEditUiLibrary;

QStringList shownNames(const CImageListCtrl& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) {
        names.append(list.item(i)->text());
    }
    return names;
}

TEST_F(SelectMacro, NamesAlikeWithoutTheirDigitsStayWholeAndMissingPreviewsAreMade) {
    for (const char* name : {"Cleat1", "Cleat2"}) {
        std::ofstream(root_ / "Macros" / (std::string(name) + ".dwg"))
            << "#ovss-properties 1\nJoint\tstring\tCleat\n";
    }
    uitest::drive([](OvDialog& dlg) {
        auto& select = dynamic_cast<CDlgSelectMacro&>(dlg);
        EXPECT_EQ(shownNames(*select.thumbnails()),
                  (QStringList{QStringLiteral("Cleat1"), QStringLiteral("Cleat2")}));
        select.pressButton(IDCANCEL);
    });
    Tvx_String chosen = L"kept";
    bool flag = true;
    EXPECT_FALSE(
        StartDlgSelectMacro(L"Cleats", {L"Cleat1", L"Cleat2"}, -1, 0, chosen, flag, false));
    EXPECT_EQ(chosen, L"kept");
    EXPECT_TRUE(flag);
    EXPECT_TRUE(fs::exists(root_ / "Macros" / "Cleat1.abm"));
    EXPECT_TRUE(fs::exists(root_ / "Macros" / "Cleat2.abm"));
}

// Last, so that its screenshot (the sample macros, filter shown) is the one kept.
TEST_F(SelectMacro, ThumbnailsOfTheLibraryAndTheChoiceOnOk) {
    const Tvx_StringArray names{L"EndPlateBeamToColumn", L"BasePlate", L"FinPlate"};
    uitest::drive([](OvDialog& dlg) {
        auto& select = dynamic_cast<CDlgSelectMacro&>(dlg);
        EXPECT_EQ(select.windowTitle(), QStringLiteral("Select macro"));
        CImageListCtrl* list = select.thumbnails();
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(shownNames(*list),
                  (QStringList{QStringLiteral("EndPlateBeamToColumn"), QStringLiteral("BasePlate"),
                               QStringLiteral("FinPlate")}));
        EXPECT_TRUE(select.checkBox(CDlgSelectMacro::kOnlyFitting)->isChecked());
        // Nothing selected: OK leaves the dialog open.
        list->clearSelection();
        list->setCurrentRow(-1);
        select.pressButton(IDOK);
        EXPECT_TRUE(select.isRunning());

        // The filter: only the beam-to-column macros ("Connection" is the first property).
        if (!select.largeMode()) {
            select.toggleFilter();
        }
        Tvx_Spread& grid = select.filterGrid();
        Tvx_String text;
        grid.getCellText(1, 2, text, Tvx_Spread::kReadData);
        EXPECT_EQ(text, L"Beam to column");
        grid.getCellText(1, 3, text, Tvx_Spread::kReadData);
        EXPECT_EQ(text, L"Column base");
        grid.SSSetValue(2, 3, L"0");
        select.onFilterChanged();
        EXPECT_EQ(list->count(), 2);
        select.resize(620, 560);
        uitest::saveScreenshot(select);

        list->setCurrentRow(1);
        select.pressButton(IDOK);
    });
    Tvx_String chosen;
    bool flag = true;
    ASSERT_TRUE(StartDlgSelectMacro(Tvx_String(), names, 0, 0, chosen, flag, false));
    EXPECT_EQ(chosen, gSettings.libDir + L"Macros\\FinPlate.dwg");
    EXPECT_FALSE(flag);
    // Every sample macro has its "bmp": none was drawn.
    EXPECT_FALSE(fs::exists(root_ / "Macros" / "FinPlate.abm"));
}

}  // namespace
