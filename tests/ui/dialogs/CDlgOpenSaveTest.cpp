// CDlgOpenSaveTest.cpp - the filtered open-save dialog: the list of suitable or all names, open
// without questions, save with the overwrite question (text 1129 only for a name that does not
// suit the macro), the file-name check, and deleting a file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <fstream>

#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/CDlgOpenSave.h"
#include "ui/macrodlg/DetailDialogSupport.h"
#include "ui/macrodlg/MacroDetailLaunchers.h"

namespace {

using ovui::fromQt;

class OpenSaveDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        detailtest::useDetailTexts();
        for (const wchar_t* name : {L"EndPlate IPE300", L"EndPlate HEA200", L"BasePlate 1"}) {
            std::ofstream(toFileSystemPath(uitest::libFile(name) + L".prp")) << "x";
        }
    }

    static OpenSaveFiles files(int mode) {
        OpenSaveFiles f;
        f.folder = uitest::libFolder();
        f.extension = L".prp";
        f.suitable = {L"EndPlate HEA200", L"EndPlate IPE300"};
        f.all = {L"BasePlate 1", L"EndPlate HEA200", L"EndPlate IPE300"};
        f.mode = mode;
        return f;
    }

    static QStringList listed(OvDialog& dlg) {
        QStringList names;
        auto* list = static_cast<CDlgOpenSave&>(dlg).list();
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->item(i)->text());
        }
        return names;
    }
};

Tvx_String question(bool foreign) {
    return dialString(1128) + L"\n" + (foreign ? dialString(1129) + L"\n" : Tvx_String()) + L"\n" +
           dialString(1130) + L"\n";
}

TEST_F(OpenSaveDialog, OpenTakesAnExistingNameWithoutAQuestion) {
    OpenSaveFiles f = files(OpenSaveFiles::kOpen);
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1126));
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), dialString(841));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgOpenSave::kShowAll), dialString(1498));
        EXPECT_EQ(listed(dlg), (QStringList{"EndPlate HEA200", "EndPlate IPE300"}));
        dlg.checkBox(CDlgOpenSave::kShowAll)->click();
        EXPECT_EQ(listed(dlg).size(), 3);
        static_cast<CDlgOpenSave&>(dlg).list()->setCurrentRow(0);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgOpenSave::kName), L"BasePlate 1");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgOpenSave(f));
    EXPECT_EQ(f.chosen, L"BasePlate 1");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(OpenSaveDialog, EmptyNameDoesNothing) {
    OpenSaveFiles f = files(OpenSaveFiles::kSave);
    MessageRecorder messages;
    uitest::drive([](OvDialog& dlg) {
        dlg.pressButton(IDOK);
        EXPECT_TRUE(dlg.isRunning());
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgOpenSave(f));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(f.chosen.isEmpty());
}

TEST_F(OpenSaveDialog, SavingOverASuitableFileAsksWithoutText1129) {
    OpenSaveFiles f = files(OpenSaveFiles::kSave);
    MessageRecorder messages;
    messages.answer(IDNO);
    messages.answer(IDYES);
    uitest::drive([&messages](OvDialog& dlg) {
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(1127));
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), dialString(842));
        dlg.SetDlgItemText(CDlgOpenSave::kName, L"EndPlate IPE300");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, question(false));
        EXPECT_EQ(messages.last().caption, dialString(1131));
        EXPECT_EQ(messages.last().type & 0xF, MB_YESNOCANCEL);
        EXPECT_TRUE(dlg.isRunning());  // "No" keeps it open
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgOpenSave(f));
    EXPECT_EQ(messages.count(), 2);
    EXPECT_EQ(f.chosen, L"EndPlate IPE300");
}

TEST_F(OpenSaveDialog, SavingOverAFileOfAnotherMacroAsksWithText1129) {
    OpenSaveFiles f = files(OpenSaveFiles::kSave);
    MessageRecorder messages;
    messages.answer(IDCANCEL);
    messages.answer(IDYES);
    uitest::drive([&messages](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgOpenSave::kName, L"BasePlate 1");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, question(true));
        EXPECT_TRUE(dlg.isRunning());
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgOpenSave(f));
    EXPECT_EQ(f.chosen, L"BasePlate 1");
}

TEST_F(OpenSaveDialog, SavingANewOrInvalidName) {
    OpenSaveFiles f = files(OpenSaveFiles::kSave);
    MessageRecorder messages;
    uitest::drive([&messages](OvDialog& dlg) {
        dlg.SetDlgItemText(CDlgOpenSave::kName, L"bad:name");
        dlg.pressButton(IDOK);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, dialString(9504));
        EXPECT_TRUE(dlg.isRunning());
        dlg.SetDlgItemText(CDlgOpenSave::kName, L"New plate");
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(StartDlgOpenSave(f));
    EXPECT_EQ(messages.count(), 1);  // a new file is not asked about
    EXPECT_EQ(f.chosen, L"New plate");
}

TEST_F(OpenSaveDialog, DeleteAsksAndRemovesTheFileFromBothLists) {
    OpenSaveFiles f = files(OpenSaveFiles::kOpen);
    MessageRecorder messages;
    messages.answer(IDNO);
    messages.answer(IDYES);
    uitest::drive([&messages](OvDialog& dlg) {
        auto& os = static_cast<CDlgOpenSave&>(dlg);
        os.list()->setCurrentRow(1);
        dlg.pressButton(CDlgOpenSave::kDelete);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, dialString(1132) + L" \"EndPlate IPE300\" " +
                                            dialString(1133) + L"\n" + dialString(1134) + L"\n");
        EXPECT_EQ(messages.last().caption, dialString(1135));
        EXPECT_EQ(listed(dlg).size(), 2);
        EXPECT_TRUE(fileExists(uitest::libFile(L"EndPlate IPE300.prp")));
        dlg.pressButton(CDlgOpenSave::kDelete);
        EXPECT_EQ(listed(dlg), (QStringList{"EndPlate HEA200"}));
        EXPECT_FALSE(fileExists(uitest::libFile(L"EndPlate IPE300.prp")));
        dlg.checkBox(CDlgOpenSave::kShowAll)->click();
        EXPECT_EQ(listed(dlg), (QStringList{"BasePlate 1", "EndPlate HEA200"}));
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgOpenSave(f));
}

}  // namespace
