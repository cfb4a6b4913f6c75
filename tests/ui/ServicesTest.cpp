// ServicesTest.cpp - message boxes, the one-line prompt and the file dialogs: the Qt message box
// mapping, scripted answers, the real prompt dialog, and the path rules of the file choosers.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "UiTestSupport.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/grid/CDlgFindReplace.h"
#include "ui/services/FileDialogs.h"
#include "ui/services/PromptDialog.h"
#include "ui/services/QtMessageService.h"
#include "ui/services/QtServices.h"
#include "ui/services/UiRecorder.h"

namespace {

using ovui::DialogDriver;
using ovui::QtMessageService;

struct BoxCase {
    unsigned type;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

TEST(MessageBoxes, TypeFlagsGiveIconButtonsAndDefault) {
    const BoxCase cases[] = {
        {MB_OK, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        {MB_OK | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {MB_OKCANCEL | MB_ICONERROR, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel,
         QMessageBox::Ok},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3, QMessageBox::Information,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel},
    };
    for (const BoxCase& c : cases) {
        EXPECT_EQ(QtMessageService::iconFor(c.type), c.icon) << c.type;
        EXPECT_EQ(QtMessageService::buttonsFor(c.type), c.buttons) << c.type;
        EXPECT_EQ(QtMessageService::defaultButtonFor(c.type), c.defaultButton) << c.type;
    }
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Yes), IDYES);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::No), IDNO);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Cancel), IDCANCEL);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Ok), IDOK);
}

TEST(Prompt, ScriptedAnswersInOrderAndEveryRequestRecorded) {
    ovui::UiRecorder ui;
    ui.answerPrompt(L"30");
    ui.cancelPrompt();
    Tvx_DlgPromptString first(L"Width", L"Column width:", L"18", L"OK", L"Cancel");
    EXPECT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(first.m_value, L"30");
    Tvx_DlgPromptString second(L"Height", L"Row height:", L"18", L"OK", L"Cancel");
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(second.m_value, L"18");
    Tvx_DlgPromptString unscripted(L"T", L"P", L"v", L"OK", L"Cancel");
    EXPECT_EQ(unscripted.DoModal(), IDCANCEL);
    ASSERT_EQ(ui.prompts().size(), 3u);
    EXPECT_EQ(ui.prompts()[1].title, L"Height");
    EXPECT_EQ(ui.prompts()[1].prompt, L"Row height:");
    EXPECT_EQ(ui.prompts()[1].value, L"18");
}

TEST(Prompt, QtPromptDialogShowsTheCallersTexts) {
    uitest::resetDialogState();
    ovui::QtPromptService qtPrompt;
    ovbase::ScopedService<PromptService> installed(promptService(), &qtPrompt);
    uitest::drive([](OvDialog& dlg) {
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"New set");
        EXPECT_EQ(dlg.GetDlgItemText(ovui::PromptDialog::kPromptLabel), L"Name of the set:");
        EXPECT_EQ(dlg.GetDlgItemText(ovui::PromptDialog::kValueEdit), L"Set 1");
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), L"Create");
        EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), L"Keep");
        dlg.lineEdit(ovui::PromptDialog::kValueEdit)->setText(QStringLiteral(" Beams "));
        dlg.pressButton(IDOK);
    });
    Tvx_DlgPromptString prompt(L"New set", L"Name of the set:", L"Set 1", L"Create", L"Keep");
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_EQ(prompt.m_value, L" Beams ");

    uitest::drive([](OvDialog& dlg) {
        dlg.lineEdit(ovui::PromptDialog::kValueEdit)->setText(QStringLiteral("lost"));
        dlg.pressButton(IDCANCEL);
    });
    EXPECT_EQ(prompt.DoModal(), IDCANCEL);
    EXPECT_EQ(prompt.m_value, L" Beams ");
}

TEST(QtServices, OneCallPutsTheQtServicesInEverySlotAndASecondChangesNothing) {
    MessageService* messages = messageService().installed();
    PromptService* prompts = promptService().installed();
    ovui::FileDialogService* files = ovui::fileDialogService().installed();
    OvFindDialogFactory* finds = findDialogFactory().installed();

    ovui::installQtServices();
    EXPECT_NE(dynamic_cast<ovui::QtMessageService*>(messageService().installed()), nullptr);
    EXPECT_NE(dynamic_cast<ovui::QtPromptService*>(promptService().installed()), nullptr);
    EXPECT_NE(dynamic_cast<ovui::QtFileDialogService*>(ovui::fileDialogService().installed()),
              nullptr);
    EXPECT_NE(dynamic_cast<CDlgFindReplaceFactory*>(findDialogFactory().installed()), nullptr);
    {
        ovui::UiRecorder ui;
        ovui::installQtServices();  // must not undo what was installed since
        EXPECT_EQ(promptService().installed(), &ui);
        EXPECT_EQ(ovui::fileDialogService().installed(), &ui);
    }

    // The other tests of this program run on the engine's defaults.
    messageService().install(messages);
    promptService().install(prompts);
    ovui::fileDialogService().install(files);
    findDialogFactory().install(finds);
}

TEST(FileDialogs, OpenSaveReturnsApplicationPathsAndKeepsThePathOnCancel) {
    ovui::UiRecorder ui;
    ui.answerFiles({L"/data/templates/frame.txt"});
    ui.answerFiles({L"/data/templates/copy"});
    ui.cancelFiles();

    Tvx_String path = L"\\data\\templates\\";
    ASSERT_TRUE(DlgOpenSave(true, L"txt", L"Templates (*.txt)", L"Open template", path));
    EXPECT_EQ(path, L"\\data\\templates\\frame.txt");
    ASSERT_TRUE(DlgOpenSave(false, L"txt", L"Templates (*.txt)", L"Save template", path));
    EXPECT_EQ(path, L"\\data\\templates\\copy.txt");  // the extension is added on saving
    EXPECT_FALSE(DlgOpenSave(true, L"bmp", L"Pictures (*.bmp)", L"Open picture", path));
    EXPECT_EQ(path, L"\\data\\templates\\copy.txt");

    ASSERT_EQ(ui.fileRequests().size(), 3u);
    EXPECT_EQ(ui.fileRequests()[0].kind, ovui::FileDialogKind::Open);
    EXPECT_EQ(ui.fileRequests()[0].start, L"\\data\\templates\\");
    EXPECT_EQ(ui.fileRequests()[1].kind, ovui::FileDialogKind::Save);
    EXPECT_EQ(ui.fileRequests()[1].title, L"Save template");
    EXPECT_EQ(ui.fileRequests()[2].filter, L"Pictures (*.bmp)");
}

TEST(FileDialogs, MultiAndFolderChoices) {
    ovui::UiRecorder ui;
    ui.answerFiles({L"/lib/Macros/a.dwg", L"/lib/Macros/b.dwg"});
    ui.cancelFiles();
    ui.answerFiles({L"/lib/Output"});

    Tvx_StringArray paths{L"kept"};
    ASSERT_TRUE(
        DlgOpenMulti(L"dwg", L"AutoCAD Drawing", L"Select drawings", L"\\lib\\Macros\\", paths));
    EXPECT_EQ(paths, (Tvx_StringArray{L"\\lib\\Macros\\a.dwg", L"\\lib\\Macros\\b.dwg"}));
    EXPECT_EQ(ui.fileRequests()[0].filter, L"AutoCAD Drawing (*.dwg)");
    EXPECT_EQ(ui.fileRequests()[0].kind, ovui::FileDialogKind::OpenMulti);
    EXPECT_FALSE(DlgOpenMulti(L"dwg", L"AutoCAD Drawing", L"Again", L"", paths));
    EXPECT_EQ(paths.length(), 2);

    Tvx_String folder = L"\\lib\\";
    ASSERT_TRUE(DlgBrowseFolder(L"Output folder", folder));
    EXPECT_EQ(folder, L"\\lib\\Output\\");
    EXPECT_EQ(ui.fileRequests()[2].kind, ovui::FileDialogKind::Folder);
}

}  // namespace
