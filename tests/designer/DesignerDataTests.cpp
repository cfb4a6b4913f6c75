// DesignerDataTests.cpp - the control list and identifier pool of a designed dialog, its template
// file and picture, and the template listing.
#include <gtest/gtest.h>

#include <climits>

#include "BmpCanvas.h"
#include "DesignerFixture.h"
#include "core/AtomicFile.h"
#include "core/TextFile.h"
#include "core/Tvx_PropertiesList.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

using DesignerData = DesignerFixture;

TEST_F(DesignerData, IdentifierPoolHandsOutTheLowestFreeIdAndRunsOut) {
    Tvx_DlgDesignerData data;
    data.setIdRange(33000, 33004);  // five identifiers
    Tvx_DesignerControl c = control(2, L"W");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(data.append(c), 33000 + i);
        EXPECT_EQ(c.resourceId, 33000 + i);
    }
    EXPECT_EQ(data.append(c), 0);  // the sixth finds the pool exhausted
    EXPECT_EQ(data.getControl(5)->resourceId, 0);

    ASSERT_TRUE(data.removeControl(1));  // frees 33001
    EXPECT_EQ(data.append(c), 33001);
    EXPECT_EQ(data.getNrControls(), 6);

    int index = -1;
    EXPECT_TRUE(data.findCtrlFromResource(33001, index));
    EXPECT_EQ(index, 5);
    EXPECT_FALSE(data.findCtrlFromResource(0, index));  // exhausted controls are not findable
    EXPECT_EQ(data.getControlFromRes(-3), nullptr);
    EXPECT_EQ(data.getControl(6), nullptr);
    EXPECT_EQ(data.getControlWrite(-1), nullptr);
    EXPECT_FALSE(data.removeControl(6));
}

TEST_F(DesignerData, IdentifierRangesAtTheEdges) {
    struct Case {
        int first;
        int last;
        int expected[3];
    };
    const Case cases[] = {
        {0, -1, {0, 0, 0}},                                 // the default empty range
        {7, 7, {7, 0, 0}},                                  // a single identifier
        {INT_MAX - 1, INT_MAX, {INT_MAX - 1, INT_MAX, 0}},  // no overflow at the top
        {10, 5, {0, 0, 0}},                                 // reversed range
    };
    for (const Case& c : cases) {
        Tvx_DlgDesignerData data;
        data.setIdRange(c.first, c.last);
        for (int expected : c.expected) {
            Tvx_DesignerControl ctl = control(0, L"");
            EXPECT_EQ(data.append(ctl), expected) << c.first << ".." << c.last;
        }
    }
}

TEST_F(DesignerData, ControlNamesAreTheVariableEdits) {
    Tvx_DlgDesignerData data;
    for (Tvx_DesignerControl c : {control(0, L"Label"), control(2, L"Width"),
                                  control(3, L"Diameter"), control(2, L"Height")}) {
        data.append(c);
    }
    Tvx_StringArray names;
    data.getAllCtrlNames(names);
    EXPECT_EQ(names, (Tvx_StringArray{L"Width", L"Height"}));
}

TEST_F(DesignerData, TemplateRoundTripKeepsEveryStoredField) {
    Tvx_DlgDesignerData data;
    data.setIdRange(100, 199);
    Tvx_DesignerControl edit = control(2, L"Plate;Thickness");
    edit.topLeftX = 0.1;
    edit.topLeftY = 2.0 / 3.0;
    edit.bottomRightX = 0.35;
    edit.bottomRightY = 0.7;
    const Tvx_DesignerControl originals[] = {
        edit,
        control(30, L"One side", L"Stiffener;;shown;"),
        control(25, L"Pick", L"a;b;c;d;list.txt"),
        control(3, L"Diameter", L"C:\\lists\\bolts;M.txt"),
        control(0, L"Tab\there\nand a line break"),
    };
    for (Tvx_DesignerControl c : originals) {
        data.append(c);
    }
    const Tvx_String path = root_ + L"Plates\\End Plate.txt";
    ASSERT_TRUE(data.writeToFile(path)) << data.lastError();
    EXPECT_EQ(data.getTemplateName(), L"Plates\\End Plate");

    Tvx_DlgDesignerData back;
    back.setIdRange(500, 599);
    ASSERT_TRUE(back.readFromFile(path, false)) << back.lastError();
    EXPECT_EQ(back.getTemplateName(), L"Plates\\End Plate");
    ASSERT_EQ(back.getNrControls(), 5);
    for (int i = 0; i < 5; ++i) {
        const Tvx_DesignerControl& a = originals[i];
        const Tvx_DesignerControl& b = *back.getControl(i);
        EXPECT_EQ(b.type, a.type) << i;
        EXPECT_EQ(b.topLeftX, a.topLeftX) << i;
        EXPECT_EQ(b.topLeftY, a.topLeftY) << i;
        EXPECT_EQ(b.bottomRightX, a.bottomRightX) << i;
        EXPECT_EQ(b.bottomRightY, a.bottomRightY) << i;
        EXPECT_EQ(b.contents, a.contents) << i;
        EXPECT_EQ(b.getMergedExtComboList(), a.getMergedExtComboList()) << i;
        EXPECT_EQ(b.resourceId, 500 + i) << i;  // identifiers are handed out again in file order
    }
}

TEST_F(DesignerData, EmptyTemplateWritesOnlyTheCount) {
    Tvx_DlgDesignerData data;
    const Tvx_String path = root_ + L"Empty.txt";
    ASSERT_TRUE(data.writeToFile(path));
    Tvx_PropertiesList list;
    ASSERT_TRUE(list.readFromFile(path));
    EXPECT_EQ(list.keys(), Tvx_StringArray{L"nrOfControls"});

    Tvx_DesignerControl old = control(2, L"old");
    data.append(old);
    ASSERT_TRUE(data.readFromFile(path, true));
    EXPECT_EQ(data.getNrControls(), 0);
}

TEST_F(DesignerData, BadTemplatesFailAndChangeNothing) {
    struct Case {
        const wchar_t* file;
        const char* text;  // nullptr: the file is not written
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"Missing.txt", nullptr, L"does not exist"},
        {L"Text.txt", "just some notes\n", L"is not a designer template"},
        {L"BadType.txt", "#ovss-properties 1\nnrOfControls\tint\t1\ntype0\tint\t31\n",
         L"control 0"},
        {L"Negative.txt", "#ovss-properties 1\nnrOfControls\tint\t-2\n", L"impossible number"},
        {L"Huge.txt", "#ovss-properties 1\nnrOfControls\tint\t2000000000\n", L"impossible number"},
        {L"Infinite.txt", "#ovss-properties 1\nnrOfControls\tint\t1\ntopLeftX0\tdouble\tinf\n",
         L"control 0"},
    };
    Tvx_DlgDesignerData data;
    data.setTemplateName(L"Keep");
    Tvx_DesignerControl kept = control(2, L"kept");
    data.append(kept);
    for (const Case& c : cases) {
        const Tvx_String path = root_ + c.file;
        if (c.text) {
            ASSERT_TRUE(atomicWriteFile(path, c.text));
        }
        EXPECT_FALSE(data.readFromFile(path, true)) << c.file;
        EXPECT_TRUE(data.lastError().hasSubString(c.message, true)) << data.lastError();
        EXPECT_EQ(data.getNrControls(), 1) << c.file;
        EXPECT_EQ(data.getTemplateName(), L"Keep") << c.file;
    }
}

TEST_F(DesignerData, PathsOutsideTheRootFolderAreRefused) {
    Tvx_DlgDesignerData data;
    const Tvx_String outside = temp_.folder() + L"lib\\Dialog Templates\\Other.txt";
    EXPECT_FALSE(data.writeToFile(outside));
    EXPECT_FALSE(fileExists(outside));
    EXPECT_FALSE(data.writeToFile(root_ + L"..\\Escaped.txt"));
    EXPECT_FALSE(fileExists(root_ + L"..\\Escaped.txt"));

    ASSERT_TRUE(atomicWriteFile(outside, "#ovss-properties 1\nnrOfControls\tint\t0\n"));
    EXPECT_FALSE(data.readFromFile(outside, false));
    EXPECT_TRUE(data.lastError().hasSubString(L"outside the designer folder", true));

    Tvx_String name = L"unchanged";
    EXPECT_FALSE(getNameFromFile(root_, name));
    EXPECT_TRUE(getNameFromFile(root_ + L"A\\.\\B\\C.txt", name));
    EXPECT_EQ(name, L"A\\B\\C");
}

TEST_F(DesignerData, SavingUnderANewNameTakesThePictureAlong) {
    BmpCanvas canvas(40, 30);
    canvas.line(0, 0, 39, 29);
    ASSERT_TRUE(atomicWriteFile(root_ + L"Old.bmp", canvas.bmpBytes()));
    ASSERT_TRUE(atomicWriteFile(root_ + L"Old.txt", "#ovss-properties 1\nnrOfControls\tint\t0\n"));

    Tvx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(root_ + L"Old.txt", true));
    EXPECT_EQ(data.imageWidth(), 40u);
    EXPECT_EQ(data.imageHeight(), 30u);
    int width = -1;
    int height = -1;
    data.getImageSize(width, height);  // the window side has not been set up yet
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);

    ASSERT_TRUE(data.writeToFile(root_ + L"Sub\\New.txt"));
    EXPECT_EQ(data.getTemplateName(), L"Sub\\New");
    std::string oldBytes;
    std::string newBytes;
    ASSERT_TRUE(readFileBytes(root_ + L"Old.bmp", oldBytes));
    ASSERT_TRUE(readFileBytes(root_ + L"Sub\\New.bmp", newBytes));
    EXPECT_EQ(newBytes, oldBytes);

    // Saving again under the same name leaves the picture alone.
    ASSERT_TRUE(data.writeToFile(root_ + L"Sub\\New.txt"));
    ASSERT_TRUE(readFileBytes(root_ + L"Sub\\New.bmp", newBytes));
    EXPECT_EQ(newBytes, oldBytes);
}

TEST_F(DesignerData, AttachingAPictureTakesItsSizeOrNone) {
    Tvx_DlgDesignerData data;
    ASSERT_TRUE(atomicWriteFile(root_ + L"Good.bmp", BmpCanvas(64, 48).bmpBytes()));
    ASSERT_TRUE(atomicWriteFile(root_ + L"Bad.bmp", "BM\x01"));

    data.attachBitmap(root_ + L"Good.bmp");
    EXPECT_EQ(data.imageWidth(), 64u);
    EXPECT_EQ(data.imageHeight(), 48u);
    EXPECT_EQ(data.getPicturePath(), root_ + L"Good.bmp");

    data.attachBitmap(root_ + L"Missing.bmp");  // nothing happens
    EXPECT_EQ(data.imageWidth(), 64u);

    data.attachBitmap(root_ + L"Bad.bmp");
    EXPECT_EQ(data.imageWidth(), 0u);
    EXPECT_EQ(data.imageHeight(), 0u);
    EXPECT_EQ(data.getPicturePath(), L"");
}

TEST_F(DesignerData, CopiesTakeTheModelButNotTheWindowState) {
    Tvx_DlgDesignerData data;
    data.setIdRange(1, 9);
    data.setTemplateName(L"Base Plate");
    Tvx_DesignerControl c = control(2, L"Thickness");
    data.append(c);

    Tvx_DlgDesignerData copy(data);
    EXPECT_EQ(copy.getNrControls(), 1);
    EXPECT_EQ(copy.getTemplateName(), L"Base Plate");
    EXPECT_FALSE(copy.isInitialized());

    Tvx_DlgDesignerData assigned;
    assigned = data;
    EXPECT_EQ(assigned.getControl(0)->contents, L"Thickness");
    Tvx_DesignerControl next = control(0, L"");
    EXPECT_EQ(assigned.append(next), 2);  // the id range travels too
}

TEST_F(DesignerData, ModuleImagesListsTemplatesRecursivelyAndSorted) {
    ASSERT_TRUE(createFolder(root_ + L"Plates"));
    for (const wchar_t* file : {L"Plates\\Zeta.txt", L"Base Plate.txt", L"Plates\\Alpha.txt",
                                L"Base Plate.bmp", L"notes.md"}) {
        ASSERT_TRUE(atomicWriteFile(root_ + file, "#ovss-properties 1\nnrOfControls\tint\t0\n"));
    }
    Tvx_StringArray names{L"stale"};
    ASSERT_TRUE(getModuleImages(names));
    EXPECT_EQ(names, (Tvx_StringArray{L"Base Plate", L"Plates\\Alpha", L"Plates\\Zeta"}));

    gSettings.libDir = temp_.folder() + L"nowhere\\";
    EXPECT_FALSE(getModuleImages(names));
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(DesignerData, ControlNamesOfATemplateFile) {
    Tvx_DlgDesignerData data;
    for (Tvx_DesignerControl c :
         {control(2, L"Width"), control(29, L"Weld", L"1"), control(2, L"Height")}) {
        data.append(c);
    }
    ASSERT_TRUE(data.writeToFile(root_ + L"Names.txt"));

    Tvx_StringArray names{L"stale"};
    EXPECT_TRUE(GetImageDlgCtrlNames(root_ + L"Names.txt", names));
    EXPECT_EQ(names, (Tvx_StringArray{L"Width", L"Height"}));
    EXPECT_FALSE(GetImageDlgCtrlNames(root_ + L"Missing.txt", names));
    EXPECT_TRUE(names.isEmpty());
}

}  // namespace
