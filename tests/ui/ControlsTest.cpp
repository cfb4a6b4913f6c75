// ControlsTest.cpp - the shared controls and the module artwork: check combo, thumbnail list,
// icon button, bitmaps and icons by number.
#include <gtest/gtest.h>

#include <QImage>

#include "UiTestSupport.h"
#include "core/resources/ModuleBitmaps.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/controls/CCheckComboBox.h"
#include "ui/controls/CImageListCtrl.h"
#include "ui/resources/ModuleArtwork.h"

namespace {

TEST(CheckCombo, ChecksAreKeptPerEntryAndSummarised) {
    CCheckComboBox combo;
    for (const wchar_t* name : {L"Beams", L"Columns", L"Plates"}) {
        combo.AddString(name);
    }
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_TRUE(combo.SetCheck(0, true));
    EXPECT_TRUE(combo.SetCheck(2, true));
    EXPECT_FALSE(combo.SetCheck(3, true));
    EXPECT_FALSE(combo.GetCheck(3));
    EXPECT_TRUE(combo.GetCheck(0));
    EXPECT_FALSE(combo.GetCheck(1));
    EXPECT_EQ(combo.checkedTexts(), (Tvx_StringArray{L"Beams", L"Plates"}));
    EXPECT_EQ(combo.summaryText(), QStringLiteral("Beams, Plates"));
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.summaryText(), QString());
}

TEST(ImageList, NamesThumbnailsAndSingleSelection) {
    const Tvx_StringArray files{uitest::writePicture(L"wide.png", 400, 100),
                                uitest::libFile(L"absent.bmp")};
    CImageListCtrl list;
    list.InitListCtrl(64);
    list.setFiles(files);
    list.setNames({L"Wide one"});  // a missing name falls back to the file name
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("absent"));
    const QSize thumb = list.item(0)->icon().availableSizes().value(0);
    EXPECT_EQ(thumb, QSize(64, 64));  // large pictures are scaled down into a square
    EXPECT_EQ(list.GetSelectedName(), L"");
    EXPECT_TRUE(list.selectName(L"absent"));
    EXPECT_TRUE(list.selectName(L"Wide one"));
    EXPECT_EQ(list.selectedItems().size(), 1);
    EXPECT_EQ(list.GetSelectedName(), L"Wide one");
    EXPECT_FALSE(list.selectName(L"nothing"));

    list.setFiles({});
    list.setNames({});
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.folder(), L"");
}

TEST(Artwork, EveryNumberedIconAndBothCheckBitmapsAreDrawn) {
    using namespace ovui::icons;
    for (int id : {kDelete, kAdd, kPickInDrawing, kCopy, kPaste, kInsertRow, kDeleteRow, kRowUp,
                   kRowDown, kSettings, kFind, kShowFilter, kHideFilter, kMoveUp, kMoveDown,
                   kMoveUpAlt, kMoveDownAlt}) {
        const QIcon icon = ovui::moduleIcon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        const QImage image = icon.pixmap(32, 32).toImage();
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y) {
            for (int x = 0; x < image.width() && !painted; ++x) {
                painted = qAlpha(image.pixel(x, y)) > 0;
            }
        }
        EXPECT_TRUE(painted) << id;
    }
    EXPECT_TRUE(ovui::moduleIcon(1).isNull());

    const QImage on = ovui::moduleBitmap(ovres::kCheckBitmapOn).toImage();
    const QImage off = ovui::moduleBitmap(ovres::kCheckBitmapOff).toImage();
    ASSERT_FALSE(on.isNull());
    ASSERT_FALSE(off.isNull());
    EXPECT_NE(on, off);
    EXPECT_TRUE(ovui::moduleBitmap(4711).isNull());

    CButtonST button;
    EXPECT_TRUE(button.SetIcon(kDelete));
    EXPECT_FALSE(button.SetIcon(4711));
    EXPECT_EQ(button.iconId(), kDelete);
    button.SetTooltipText(L"Delete the file");
    EXPECT_EQ(button.toolTip(), QStringLiteral("Delete the file"));
}

}  // namespace
