// CDlgEditLibSectionsTest.cpp - the library editor through its launcher: the groups and types
// pages, the values page with its type commands, save question, shape headers and row commands,
// and what reaches the disk on OK and Cancel.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <fstream>

#include "SeclibDialogSupport.h"
#include "core/MessageService.h"
#include "core/Texts.h"
#include "core/sections/SectionLibraryFile.h"
#include "seclib/SectionLibraryLaunchers.h"
#include "spread/Tvx_Spread.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/controls/CCheckComboBox.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/seclib/CDlgEditLibSections.h"
#include "ui/seclib/CTabLibGroups.h"
#include "ui/seclib/CTabLibTypes.h"
#include "ui/seclib/CTabLibValues.h"
#include "ui/services/UiRecorder.h"
#include "ui/spread/CDlgSSOptions.h"

namespace {

using ovgrid::HEADER;
using ovui::DialogDriver;
using ovui::toQt;
using seclibtest::profBytes;
using seclibtest::profExists;

SectionGroup group(int id, const wchar_t* name, bool enabled = true) {
    SectionGroup g;
    g.id = id;
    g.enabled = enabled;
    g.names = Tvx_StringArray{name, name, name, name};
    return g;
}

DlgEditLibData sampleData() {
    DlgEditLibData data;
    data.groups.appendGroup(group(1, L"Hot rolled"));
    data.groups.appendGroup(group(2, L"Cold formed", false));
    data.types.append(
        SectionType(true, L"", 1, L"IPE", Tvx_StringArray{L"IPE", L"IPE beams", L"IPE", L"IPE"}));
    data.types.append(
        SectionType(true, L"", 2, L"RHS", Tvx_StringArray{L"RHS", L"Tubes", L"RHS", L"RHS"}));
    return data;
}

// Runs the editor through its launcher with `action` on the open dialog.
bool runEditor(DlgEditLibData& data, const Tvx_String& section,
               std::function<void(CDlgEditLibSections&)> action) {
    DialogDriver::push([action](OvDialog& dlg) { action(static_cast<CDlgEditLibSections&>(dlg)); });
    return StartDlgEditLibSections(data, section);
}

Tvx_String cell(Tvx_Spread& grid, int col, int row) {
    Tvx_String text;
    grid.getCellText(col, row, text);
    return text;
}

// Types into a grid cell as a user does (through the view's model).
bool typeInto(CTabLibValues& page, int col, int row, const wchar_t* text) {
    auto* view = page.findChild<QAbstractItemView*>();
    auto* model =
        view != nullptr ? qobject_cast<ovui::grid::OvSpreadModel*>(view->model()) : nullptr;
    return model != nullptr &&
           model->setData(model->index(row - 1, col - 1), QString::fromWCharArray(text));
}

class EditLibSections : public seclibtest::SeclibDialogTest {};

TEST_F(EditLibSections, GroupsPageEditsRenamesMovesAndDeletesGroups) {
    DlgEditLibData data = sampleData();
    const bool ok = runEditor(data, L"", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(ovui::fromQt(dlg.windowTitle()), L"Section Library");
        EXPECT_EQ(dlg.tabs()->currentIndex(), CDlgEditLibSections::kGroupsPage);
        EXPECT_EQ(dlg.tabs()->tabText(2), QStringLiteral("Values"));
        CTabLibGroups& page = dlg.groupsPage();
        ASSERT_EQ(page.list()->count(), 2);
        EXPECT_TRUE(page.list()->GetCheck(0));
        EXPECT_FALSE(page.list()->GetCheck(1));
        EXPECT_EQ(page.current(), 0);
        EXPECT_EQ(cell(page.namesGrid(), 1, 2), L"Hot rolled");
        EXPECT_EQ(cell(page.namesGrid(), 1, HEADER), L"Name");
        EXPECT_EQ(cell(page.namesGrid(), HEADER, 1), L"Dutch");
        seclibtest::screenshot(dlg, QStringLiteral("CDlgEditLibSections-groups"));

        // A disabled group: its fields are off until it is enabled.
        page.select(1);
        EXPECT_FALSE(page.IsItemEnabled(LibListPage::kImage));
        EXPECT_TRUE(page.IsItemEnabled(LibListPage::kEnabled));
        page.checkBox(LibListPage::kEnabled)->click();
        EXPECT_TRUE(page.list()->GetCheck(1));
        EXPECT_TRUE(page.IsItemEnabled(LibListPage::kImage));
        page.namesGrid().setCellText(1, 2, L"Cold-formed");
        page.comboBox(LibListPage::kImage)->setCurrentText(QStringLiteral("cold.png"));

        // Moving up applies the edit and keeps the moved group selected.
        EXPECT_FALSE(page.IsItemEnabled(LibListPage::kMoveDown));
        page.pressButton(LibListPage::kMoveUp);
        EXPECT_EQ(page.current(), 0);
        EXPECT_EQ(page.list()->itemText(0), QStringLiteral("Cold-formed"));

        // New appends and selects; delete of the last selects the one before it.
        page.pressButton(LibListPage::kNew);
        EXPECT_EQ(page.current(), 2);
        EXPECT_EQ(page.list()->itemText(2), QStringLiteral("New group"));
        page.pressButton(LibListPage::kDelete);
        EXPECT_EQ(page.current(), 1);
        dlg.pressButton(IDOK);
    });
    ASSERT_TRUE(ok);
    ASSERT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.groups.getId(0), 2);
    EXPECT_TRUE(data.groups.getEnabled(0));
    EXPECT_EQ(data.groups.getImage(0), L"cold.png");
    EXPECT_EQ(data.groups.getLangs(0),
              (Tvx_StringArray{L"Cold formed", L"Cold-formed", L"Cold formed", L"Cold formed"}));
    EXPECT_EQ(data.groups.getName(1), L"Hot rolled");
}

TEST_F(EditLibSections, TypesPageTakesGroupTableAndNamesAndSeesNewValuesTypes) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    ASSERT_TRUE(runEditor(data, L"", [](CDlgEditLibSections& dlg) {
        // A type made on the values page is offered as a profile table on the types page.
        dlg.showPage(CDlgEditLibSections::kValuesPage);
        dlg.valuesPage().pressButton(CTabLibValues::kNewType);
        dlg.showPage(CDlgEditLibSections::kTypesPage);
        CTabLibTypes& page = dlg.typesPage();
        EXPECT_NE(page.comboBox(CTabLibTypes::kProfTable)->findText(QStringLiteral("New type")),
                  -1);
        EXPECT_EQ(page.comboBox(CTabLibTypes::kGroup)->currentText(), QStringLiteral("Hot rolled"));
        EXPECT_EQ(page.list()->itemText(1), QStringLiteral("Tubes"));
        seclibtest::screenshot(dlg, QStringLiteral("CDlgEditLibSections-types"));

        page.pressButton(LibListPage::kNew);
        EXPECT_EQ(page.current(), 2);
        EXPECT_EQ(page.list()->itemText(2), QStringLiteral("New section type"));
        page.comboBox(CTabLibTypes::kGroup)->setCurrentIndex(1);
        page.comboBox(CTabLibTypes::kProfTable)->setCurrentText(QStringLiteral("New type"));
        page.namesGrid().setCellText(1, 2, L"Sigma purlins");
        page.pressButton(LibListPage::kMoveUp);
        dlg.pressButton(IDOK);
    }));
    // Leaving the values page asked about the new type (answered Yes by default).
    ASSERT_GE(messages.count(), 1);
    EXPECT_EQ(messages.messages()[0].text, L"The sections of <New type> have changed. Save them?");
    EXPECT_EQ(messages.messages()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_TRUE(profExists("New type"));
    ASSERT_EQ(data.types.length(), 3);
    EXPECT_EQ(data.types[1].profTable, L"New type");
    EXPECT_EQ(data.types[1].groupId, 2);
    EXPECT_EQ(data.types[1].getName(), L"Sigma purlins");
    EXPECT_TRUE(data.profileTables.contains(L"New type", true));
}

TEST_F(EditLibSections, SectionNameOpensTheValuesPageOnItsTypeAndRow) {
    DlgEditLibData data = sampleData();
    EXPECT_FALSE(runEditor(data, L"IPE-140", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(dlg.tabs()->currentIndex(), CDlgEditLibSections::kValuesPage);
        CTabLibValues& page = dlg.valuesPage();
        EXPECT_EQ(page.currentTypeName(), L"IPE");
        int col = 0, row = 0;
        ASSERT_TRUE(page.grid().SSGetActiveCell(col, row));
        EXPECT_EQ(row, 4);
        EXPECT_EQ(page.comboBox(CTabLibValues::kShape)->currentText(),
                  QStringLiteral("<I section>"));
        EXPECT_EQ(cell(page.grid(), HEADER, 2), L"IPE");
        EXPECT_EQ(page.grid().getMaxCols(), 12);
        seclibtest::screenshot(dlg, QStringLiteral("CDlgEditLibSections-values"));
        dlg.pressButton(IDCANCEL);
    }));
    EXPECT_EQ(data, sampleData());

    // The type before "-" decides; a section not in it leaves the first row current.
    EXPECT_FALSE(runEditor(data, L"RHS-999", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(dlg.valuesPage().currentTypeName(), L"RHS");
        dlg.pressButton(IDCANCEL);
    }));
}

TEST_F(EditLibSections, NewTypeIsSavedThroughTheQuestionOnOk) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    messages.answer(IDYES);
    ASSERT_TRUE(runEditor(data, L"", [](CDlgEditLibSections& dlg) {
        dlg.showPage(CDlgEditLibSections::kValuesPage);
        CTabLibValues& page = dlg.valuesPage();
        page.pressButton(CTabLibValues::kNewType);
        EXPECT_EQ(page.currentTypeName(), L"New type");
        EXPECT_TRUE(page.isChanged());
        dlg.pressButton(IDOK);
    }));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, L"Section library");
    EXPECT_EQ(profBytes("New type"),
              "#ovss-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\tValue1\tValue2\n"
              "\t1\t\t\t\t\t0\t0\n");
}

TEST_F(EditLibSections, CancelInTheSaveQuestionKeepsTheEditorOpenAndNoSavesNothing) {
    DlgEditLibData data = sampleData();
    const auto before = seclibtest::libraryFiles();
    MessageRecorder messages;
    messages.answer(IDCANCEL);
    messages.answer(IDNO);
    EXPECT_FALSE(runEditor(data, L"IPE-80", [](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        ASSERT_TRUE(typeInto(page, 7, 1, L"85"));
        EXPECT_TRUE(page.isChanged());
        dlg.pressButton(IDOK);  // Cancel: still open
        EXPECT_TRUE(dlg.isVisible());
        page.selectType(1);  // No: switches without saving
        EXPECT_EQ(page.currentTypeName(), L"RHS");
        dlg.pressButton(IDCANCEL);
    }));
    EXPECT_EQ(messages.count(), 2);
    EXPECT_EQ(seclibtest::libraryFiles(), before);
    EXPECT_EQ(data, sampleData());
}

TEST_F(EditLibSections, EditedValuesReachTheFileExactlyOnOk) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    messages.answer(IDYES);
    ASSERT_TRUE(runEditor(data, L"IPE-100", [](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        ASSERT_TRUE(typeInto(page, 7, 1, L"81.5"));
        ASSERT_TRUE(typeInto(page, 4, 1, L"IPE 80 beam"));
        page.pressButton(CTabLibValues::kDeleteRow);  // row 2 is current
        dlg.pressButton(IDOK);
    }));
    EXPECT_EQ(profBytes("IPE"),
              "#ovss-table 1\n1\n"
              "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\ttw\ttf\tr\tA\n"
              "80\t1\tIPE80\tIPE 80 beam\tIPE80\tIPE80\t81.5\t46\t3.8\t5.2\t5\t7.64\n"
              "120\t0\tIPE120\tIPE120\tIPE120\tIPE120\t120\t64\t4.4\t6.3\t7\t13.2\n"
              "140\t1\tIPE140\tIPE140\tIPE140\tIPE140\t140\t73\t4.7\t6.9\t7\t16.4\n");
}

TEST_F(EditLibSections, NonNumericDimensionsAreRefusedWithTheCellLeftAsItWas) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    EXPECT_FALSE(runEditor(data, L"IPE-80", [&messages](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        typeInto(page, 8, 1, L"4o");
        EXPECT_EQ(cell(page.grid(), 8, 1), L"46");
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, L"Not a number: \"4o\"");
        // Names are free text; numbers with blanks are fine.
        EXPECT_TRUE(typeInto(page, 3, 1, L"IPE 80 x"));
        EXPECT_EQ(cell(page.grid(), 3, 1), L"IPE 80 x");
        typeInto(page, 8, 1, L"47");
        EXPECT_EQ(cell(page.grid(), 8, 1), L"47");
        EXPECT_EQ(messages.count(), 1);
        messages.answer(IDNO);
        dlg.pressButton(IDCANCEL);
    }));
}

TEST_F(EditLibSections, RenameDeleteAndTheirRefusals) {
    DlgEditLibData data = sampleData();
    const std::string rhs = profBytes("RHS");
    MessageRecorder messages;
    ovui::UiRecorder prompts;
    prompts.answerPrompt(L"RHS");         // to itself: nothing happens
    prompts.answerPrompt(L"..\\escape");  // leaves the folder: refused
    prompts.answerPrompt(L"IPE");         // an existing type: refused
    prompts.answerPrompt(L"SHS");
    ASSERT_TRUE(runEditor(data, L"RHS-100x50x4", [](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        for (int i = 0; i < 4; ++i) {
            page.pressButton(CTabLibValues::kRenameType);
        }
        EXPECT_EQ(page.currentTypeName(), L"SHS");
        EXPECT_EQ(cell(page.grid(), HEADER, 1), L"SHS");
        dlg.pressButton(IDOK);
    }));
    ASSERT_EQ(prompts.prompts().size(), 4u);
    EXPECT_EQ(prompts.prompts()[0].title, L"Rename Type");
    EXPECT_EQ(prompts.prompts()[0].value, L"RHS");
    EXPECT_EQ(messages.count(), 2);  // the two refusals
    EXPECT_FALSE(profExists("RHS"));
    EXPECT_EQ(profBytes("SHS"), rhs);
    EXPECT_TRUE(data.profileTables.contains(L"SHS", true));

    messages.clear();
    messages.answer(IDNO);
    messages.answer(IDYES);
    ASSERT_TRUE(runEditor(data, L"SHS-1", [](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        page.pressButton(CTabLibValues::kDeleteType);  // No
        EXPECT_EQ(page.currentTypeName(), L"SHS");
        page.pressButton(CTabLibValues::kDeleteType);  // Yes
        EXPECT_EQ(page.currentTypeName(), L"IPE");
        dlg.pressButton(IDOK);
    }));
    EXPECT_EQ(messages.messages()[0].text, L"Delete the type <SHS> and its profile table?");
    EXPECT_EQ(messages.messages()[0].caption, L"Delete type");
    EXPECT_FALSE(profExists("SHS"));
    EXPECT_FALSE(data.profileTables.contains(L"SHS", true));
}

TEST_F(EditLibSections, ShapeWithFewerDimensionsAsksToCutTheExtraColumns) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    messages.answer(IDNO);
    messages.answer(IDYES);
    messages.answer(IDYES);  // the save question on OK
    ASSERT_TRUE(runEditor(data, L"IPE-80", [&messages](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        QComboBox* shape = page.comboBox(CTabLibValues::kShape);
        // Rectangular tube: 4 dimensions against 6 value columns. No keeps them.
        shape->setCurrentIndex(shape->findText(QStringLiteral("<Rectangular tube>")));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text,
                  L"The shape <Rectangular tube> has fewer dimensions than the table.\n"
                  L"Remove the extra columns?");
        EXPECT_EQ(messages.last().caption, L"Shape change");
        EXPECT_EQ(page.grid().getMaxCols(), 12);
        EXPECT_EQ(cell(page.grid(), 7, HEADER), L"Depth");
        EXPECT_EQ(cell(page.grid(), 10, HEADER), L"Radius");
        EXPECT_EQ(cell(page.grid(), 11, HEADER), L"r");
        // Flat bar, Yes: two value columns are left.
        shape->setCurrentIndex(shape->findText(QStringLiteral("<Flat bar>")));
        EXPECT_EQ(page.grid().getMaxCols(), 8);
        EXPECT_TRUE(page.isChanged());
        // A drawing keeps the headers as they are and asks nothing.
        shape->setCurrentIndex(shape->findText(QStringLiteral("sigma.dwg")));
        EXPECT_EQ(messages.count(), 2);
        EXPECT_EQ(cell(page.grid(), 8, HEADER), L"Thickness");
        dlg.pressButton(IDOK);
    }));
    EXPECT_TRUE(profBytes("IPE").starts_with(
        "#ovss-table 1\nsigma.dwg\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\tWidth\t"
        "Thickness\n80\t1\tIPE80\tIPE80\tIPE80\tIPE80\t80\t46\n"))
        << profBytes("IPE");
}

TEST_F(EditLibSections, RowCommandsActOnTheCurrentRow) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    EXPECT_FALSE(runEditor(data, L"IPE-100", [&messages](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        page.pressButton(CTabLibValues::kRowUp);
        EXPECT_EQ(cell(page.grid(), 1, 1), L"100");
        int col = 0, row = 0;
        page.grid().SSGetActiveCell(col, row);
        EXPECT_EQ(row, 1);
        page.pressButton(CTabLibValues::kRowDown);
        EXPECT_EQ(cell(page.grid(), 1, 2), L"100");
        page.pressButton(CTabLibValues::kInsertRow);
        EXPECT_EQ(page.grid().getMaxRows(), 5);
        EXPECT_EQ(cell(page.grid(), 1, 4), L"120");
        EXPECT_TRUE(page.isChanged());
        messages.answer(IDNO);
        dlg.pressButton(IDCANCEL);
    }));
}

TEST_F(EditLibSections, PastedTextIntoADimensionIsRefusedLikeTypedText) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    EXPECT_FALSE(runEditor(data, L"IPE-80", [&messages](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        Tvx_Spread& grid = page.grid();
        // A name copied onto the width of the first section: refused, the width stays.
        grid.SSSetSelectedBlock(3, 1, 3, 1);
        page.pressButton(CTabLibValues::kCopy);
        grid.SSSetSelectedBlock(8, 1, 8, 1);
        page.pressButton(CTabLibValues::kPaste);
        EXPECT_EQ(cell(grid, 8, 1), L"46");
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().text, L"Not a number: \"IPE80\"");
        EXPECT_FALSE(page.isChanged());
        // A number copied onto another width is taken.
        grid.SSSetSelectedBlock(7, 2, 7, 2);
        page.pressButton(CTabLibValues::kCopy);
        grid.SSSetSelectedBlock(8, 2, 8, 2);
        page.pressButton(CTabLibValues::kPaste);
        EXPECT_EQ(cell(grid, 8, 2), L"100");
        EXPECT_EQ(messages.count(), 1);
        EXPECT_TRUE(page.isChanged());
        messages.answer(IDNO);
        dlg.pressButton(IDCANCEL);
    }));
}

TEST_F(EditLibSections, CaptionsDialogSetsTheSizeAndKeepsTheTypeAsRowHeader) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    EXPECT_FALSE(runEditor(data, L"IPE-80", [&messages](CDlgEditLibSections& dlg) {
        CTabLibValues& page = dlg.valuesPage();
        DialogDriver::push([](OvDialog& options) {
            options.SetDlgItemText(CDlgSSOptions::kRowCount, L"6");
            options.pressButton(IDOK);
        });
        page.pressButton(CTabLibValues::kCaptions);
        EXPECT_EQ(page.grid().getMaxRows(), 6);
        Tvx_StringArray rowHeaders;
        page.grid().getColTexts(HEADER, rowHeaders);
        ASSERT_EQ(rowHeaders.length(), 6);
        EXPECT_EQ(rowHeaders[5], L"IPE");
        EXPECT_EQ(cell(page.grid(), 1, 4), L"140");
        EXPECT_TRUE(page.isChanged());
        messages.answer(IDNO);
        dlg.pressButton(IDCANCEL);
    }));
}

TEST_F(EditLibSections, UnreadableProfileTableIsNamedAndLeftAlone) {
    std::ofstream(seclibtest::profPath("RHS"), std::ios::binary | std::ios::trunc) << "not a table";
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    EXPECT_FALSE(runEditor(data, L"RHS-1", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(dlg.valuesPage().grid().getMaxRows(), 4);
        dlg.pressButton(IDCANCEL);
    }));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().text.hasSubString(L"The profile table cannot be read:", true));
    EXPECT_TRUE(messages.last().text.hasSubString(L"RHS.pr", true));
    EXPECT_EQ(profBytes("RHS"), "not a table");
}

// What a detailer does: a group, a type in it and three sections, OK, then the library file is
// saved as the core library saves it and the editor opened again finds them all.
TEST_F(EditLibSections, NewGroupTypeAndSectionsAreThereAfterReopening) {
    DlgEditLibData data = sampleData();
    MessageRecorder messages;
    ASSERT_TRUE(runEditor(data, L"", [](CDlgEditLibSections& dlg) {
        CTabLibGroups& groups = dlg.groupsPage();
        groups.pressButton(LibListPage::kNew);
        groups.namesGrid().setCellText(1, 2, L"Purlins");

        dlg.showPage(CDlgEditLibSections::kValuesPage);
        CTabLibValues& values = dlg.valuesPage();
        values.pressButton(CTabLibValues::kNewType);
        QComboBox* shape = values.comboBox(CTabLibValues::kShape);
        shape->setCurrentIndex(shape->findText(QStringLiteral("<Flat bar>")));
        const wchar_t* sections[3][4] = {{L"100x5", L"FL100x5", L"100", L"5"},
                                         {L"100x8", L"FL100x8", L"100", L"8"},
                                         {L"120x10", L"FL120x10", L"120", L"10"}};
        for (int row = 1; row <= 3; ++row) {
            if (row > 1) {
                values.grid().SSSetActiveCell(1, row - 1);
                values.pressButton(CTabLibValues::kInsertRow);
            }
            const auto& s = sections[row - 1];
            ASSERT_TRUE(typeInto(values, 1, row, s[0])) << row;
            for (int col = 3; col <= 6; ++col) {
                ASSERT_TRUE(typeInto(values, col, row, s[1]));
            }
            ASSERT_TRUE(typeInto(values, 7, row, s[2]));
            ASSERT_TRUE(typeInto(values, 8, row, s[3]));
        }

        dlg.showPage(CDlgEditLibSections::kTypesPage);  // saves the new type (Yes)
        CTabLibTypes& types = dlg.typesPage();
        types.pressButton(LibListPage::kNew);
        QComboBox* group = types.comboBox(CTabLibTypes::kGroup);
        group->setCurrentIndex(group->findText(QStringLiteral("Purlins")));
        types.comboBox(CTabLibTypes::kProfTable)->setCurrentText(QStringLiteral("New type"));
        types.namesGrid().setCellText(1, 2, L"Flats");
        dlg.pressButton(IDOK);
    }));
    Tvx_String error;
    ASSERT_TRUE(writeSectionLibrary(sectionLibraryPath(), data, error)) << error;
    EXPECT_EQ(profBytes("New type"),
              "#ovss-table 1\n8\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\tWidth\tThickness\n"
              "100x5\t1\tFL100x5\tFL100x5\tFL100x5\tFL100x5\t100\t5\n"
              "100x8\t1\tFL100x8\tFL100x8\tFL100x8\tFL100x8\t100\t8\n"
              "120x10\t1\tFL120x10\tFL120x10\tFL120x10\tFL120x10\t120\t10\n");

    DlgEditLibData reread;
    ASSERT_TRUE(readSectionLibrary(sectionLibraryPath(), reread, error)) << error;
    EXPECT_FALSE(runEditor(reread, L"New type-100x8", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(dlg.groupsPage().list()->itemText(2), QStringLiteral("Purlins"));
        EXPECT_EQ(dlg.typesPage().list()->itemText(2), QStringLiteral("Flats"));
        CTabLibValues& values = dlg.valuesPage();
        EXPECT_EQ(values.currentTypeName(), L"New type");
        EXPECT_EQ(values.grid().getMaxRows(), 3);
        int col = 0, row = 0;
        values.grid().SSGetActiveCell(col, row);
        EXPECT_EQ(row, 2);
        dlg.pressButton(IDCANCEL);
    }));
    const int purlins = reread.groups.length() - 1;
    ASSERT_EQ(reread.types.length(), 3);
    EXPECT_EQ(reread.types[2].groupId, reread.groups.getId(purlins));
}

TEST_F(EditLibSections, EscapeInAPageCancelsTheEditor) {
    DlgEditLibData data = sampleData();
    EXPECT_FALSE(runEditor(data, L"", [](CDlgEditLibSections& dlg) {
        static_cast<QDialog&>(dlg.groupsPage()).reject();
        EXPECT_FALSE(dlg.isVisible());
    }));
}

}  // namespace
