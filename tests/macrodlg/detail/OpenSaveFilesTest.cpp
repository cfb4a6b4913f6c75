// OpenSaveFilesTest.cpp - the open-save dialog's model: the overwrite question with and without
// text 1129, the delete question, deleting a file from both lists, and the file-name check.
#include <gtest/gtest.h>

#include <fstream>

#include "DetailTestTexts.h"
#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "dialogs/OpenSaveFiles.h"

namespace {

class OpenSaveModel : public DetailTexts {
  protected:
    OpenSaveFiles files() const {
        OpenSaveFiles f;
        f.folder = Tvx_String::fromUtf8(root_.string()) + L"\\lib\\";
        f.extension = L".prp";
        f.suitable = {L"EndPlate A"};
        f.all = {L"BasePlate", L"EndPlate A"};
        return f;
    }
};

TEST_F(OpenSaveModel, OverwriteQuestionAddsTextForAFileOfAnotherMacro) {
    const OpenSaveFiles f = files();
    EXPECT_EQ(f.overwriteQuestion(L"endplate a"), L"Exists\n\nReplace?\n");
    EXPECT_EQ(f.overwriteQuestion(L"BasePlate"), L"Exists\nForeign\n\nReplace?\n");
    EXPECT_EQ(OpenSaveFiles::overwriteCaption(), L"Save");
}

TEST_F(OpenSaveModel, DeleteQuestionQuotesTheName) {
    EXPECT_EQ(OpenSaveFiles::deleteQuestion(L"BasePlate"), L"Delete \"BasePlate\" now\nSure\n");
    EXPECT_EQ(OpenSaveFiles::deleteCaption(), L"Del");
}

TEST_F(OpenSaveModel, DeleteRemovesTheFileAndTheNameFromBothLists) {
    OpenSaveFiles f = files();
    std::ofstream(root_ / "lib" / "EndPlate A.prp") << "x";
    ASSERT_TRUE(fileExists(f.pathOf(L"EndPlate A")));
    ASSERT_TRUE(f.deleteName(L"EndPlate A"));
    EXPECT_FALSE(fileExists(f.pathOf(L"EndPlate A")));
    EXPECT_TRUE(f.suitable.isEmpty());
    EXPECT_EQ(f.all, (Tvx_StringArray{L"BasePlate"}));
}

TEST_F(OpenSaveModel, FailedDeleteKeepsTheLists) {
    OpenSaveFiles f = files();
    std::filesystem::create_directories(root_ / "lib" / "BasePlate.prp");  // a folder: not deleted
    EXPECT_FALSE(f.deleteName(L"BasePlate"));
    EXPECT_FALSE(f.deleteName(L""));
    EXPECT_EQ(f.all, files().all);
    EXPECT_EQ(f.suitable, files().suitable);
}

TEST_F(OpenSaveModel, InvalidFileNamesAreRefusedWithAMessage) {
    MessageRecorder messages;
    for (const wchar_t* bad : {L"a/b", L"a\\b", L"what?", L"..", L"name.", L"name ", L""}) {
        EXPECT_FALSE(warnInvalidFileName(bad)) << Tvx_String(bad).toUtf8();
    }
    EXPECT_EQ(messages.count(), 7);
    EXPECT_TRUE(messages.messages()[0].text.startsWith(L"\"a/b\": ", true));
    messages.clear();
    EXPECT_TRUE(warnInvalidFileName(L"End plate 2.v1"));
    EXPECT_EQ(messages.count(), 0);
}

}  // namespace
