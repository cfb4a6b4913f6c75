// CDlgSelectImageTest.cpp - the select-image dialog through its launcher: thumbnails and
// translated names, OK refused without a selection, the remembered size, Cancel.
#include <gtest/gtest.h>

#include "core/DlgSizeStore.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/controls/CImageListCtrl.h"
#include "ui/dialogs/CDlgSelectImage.h"

namespace {

using ovui::DialogDriver;
using ovui::fromQt;

class SelectImageDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        files_ = {uitest::writePicture(L"HEA200.png", 160, 120),
                  uitest::writePicture(L"IPE300.png", 90, 140),
                  uitest::writePicture(L"L100x10.png", 120, 120), uitest::libFile(L"missing.png")};
    }
    static CDlgSelectImage& asSelectImage(OvDialog& dlg) {
        return static_cast<CDlgSelectImage&>(dlg);
    }
    Tvx_StringArray files_;
};

TEST_F(SelectImageDialog, ShowsOneThumbnailPerFileWithTranslatedNames) {
    OvSelectImageDlgData data;
    data.m_title = L"Choose a section";
    data.m_files = files_;
    uitest::drive([](OvDialog& dlg) {
        CImageListCtrl* list = asSelectImage(dlg).imageList();
        EXPECT_EQ(fromQt(dlg.windowTitle()), L"Choose a section");
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), L"OK");
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(fromQt(list->item(0)->text()), L"HEA 200 column");  // translated
        EXPECT_EQ(fromQt(list->item(1)->text()), L"IPE300");          // no translation
        EXPECT_EQ(fromQt(list->item(3)->text()), L"missing");         // unreadable: placeholder
        EXPECT_FALSE(list->item(3)->icon().isNull());
        EXPECT_EQ(list->folder(), uitest::libFolder());
        EXPECT_EQ(list->pattern(), L"*.png");
        list->setCurrentRow(0);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.m_selection, L"HEA 200 column");
    EXPECT_EQ(data.m_files, files_);
}

TEST_F(SelectImageDialog, OkWithoutASelectionKeepsTheDialogOpen) {
    OvSelectImageDlgData data;
    data.m_files = files_;
    data.m_selection = L"previous";
    bool stayedOpen = false;
    uitest::drive([&stayedOpen](OvDialog& dlg) {
        dlg.pressButton(IDOK);
        stayedOpen = dlg.isRunning();
        asSelectImage(dlg).imageList()->setCurrentRow(2);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgSelectImage(data));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(data.m_selection, L"L100x10");
}

TEST_F(SelectImageDialog, EmptyFileListEndsOnlyWithCancel) {
    OvSelectImageDlgData data;
    data.m_title = L"Nothing to choose";
    bool stayedOpen = false;
    uitest::drive([&stayedOpen](OvDialog& dlg) {
        EXPECT_EQ(asSelectImage(dlg).imageList()->count(), 0);
        dlg.pressButton(IDOK);
        stayedOpen = dlg.isRunning();
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgSelectImage(data));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(data.m_selection, L"");
}

TEST_F(SelectImageDialog, CancelLeavesTheRecordUntouched) {
    OvSelectImageDlgData data;
    data.m_title = L"Title";
    data.m_files = files_;
    data.m_selection = L"IPE300";
    const OvSelectImageDlgData original = data;
    uitest::drive([](OvDialog& dlg) {
        asSelectImage(dlg).imageList()->setCurrentRow(0);
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgSelectImage(data));
    EXPECT_EQ(data, original);
}

TEST_F(SelectImageDialog, SizeChosenByTheUserIsRestoredNextTime) {
    OvSelectImageDlgData data;
    data.m_files = files_;
    QSize designed;
    uitest::drive([&designed](OvDialog& dlg) {
        designed = dlg.size();
        dlg.resize(designed.width() + 150, designed.height() + 90);
        dlg.pressButton(IDCANCEL);  // the size is kept however the dialog ends
    });
    StartDlgSelectImage(data);
    DlgSize stored;
    ASSERT_TRUE(readDlgSize(CDlgSelectImage::kSizeKey, stored));
    EXPECT_EQ(stored.width, designed.width() + 150);

    QSize restored;
    QSize minimum;
    uitest::drive([&](OvDialog& dlg) {
        restored = dlg.size();
        minimum = asSelectImage(dlg).minimumWindowSize();
        dlg.pressButton(IDCANCEL);
    });
    StartDlgSelectImage(data);
    EXPECT_EQ(restored, QSize(designed.width() + 150, designed.height() + 90));
    // The user can still go back to the designed size.
    EXPECT_EQ(minimum, designed);
}

}  // namespace
