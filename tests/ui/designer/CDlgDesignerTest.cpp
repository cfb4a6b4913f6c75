// CDlgDesignerTest.cpp - the designer window driven with the mouse, the keys and its buttons:
// the drawn controls, selection and rubber band, dragging, the property fields, copy, undo and
// redo, the picture and save questions, and a template drawn from nothing and read back.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

#include "DesignerTestSupport.h"
#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Texts.h"
#include "designer/DesignerTemplates.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/designer/CControlTracker.h"
#include "ui/designer/CDlgDesigner.h"
#include "ui/designer/DesignedPage.h"
#include "ui/services/UiRecorder.h"

namespace {

using designertest::centre;
using designertest::click;
using designertest::drag;
using ovui::fromQt;

constexpr int kFirst = CDlgDesigner::kFirstControlId;
// Controls of the bundled end-plate template.
constexpr int kGroup = 0;
constexpr int kThicknessLabel = 1;
constexpr int kThickness = 2;
constexpr int kHeight = 4;
constexpr int kEdge = 6;
constexpr int kDiameter = 8;
constexpr int kCheck = 11;
constexpr int kFlex = 12;

CDlgDesigner& designer(OvDialog& dlg) {
    return static_cast<CDlgDesigner&>(dlg);
}

DesignerRect rectOf(CDlgDesigner& dlg, int index) {
    return dlg.designerData().getDrawnControl(index)->rect();
}

std::vector<int> selected(CDlgDesigner& dlg) {
    return dlg.designerData().getTracker()->selectedIds();
}

class DesignerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        endPlate_ = designertest::prepareLibrary();
        root_ = getDesignerRootFolder();
    }

    Tvx_String endPlate_;
    Tvx_String root_;
};

TEST_F(DesignerWindow, ShowsEveryKindOverThePictureAndClosesUnmodifiedWithoutAQuestion) {
    MessageRecorder messages;
    bool checked = false;
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        DesignedPage* page = d.page();
        EXPECT_EQ(fromQt(d.windowTitle()), dialString(843) + L" - <End Plate Bolted>");
        EXPECT_EQ(d.GetDlgItemText(IDOK), dialString(285));
        EXPECT_FALSE(d.pushButton(IDCANCEL)->isVisible());
        ASSERT_EQ(d.designerData().getNrDrawnControls(), 15);
        EXPECT_FALSE(page->picture().isNull());
        EXPECT_EQ(page->picture().width(), static_cast<int>(d.designerData().imageWidth()));

        auto widget = [page](int index) { return page->controlWidget(kFirst + index); };
        EXPECT_NE(qobject_cast<QGroupBox*>(widget(kGroup)), nullptr);
        EXPECT_NE(qobject_cast<QLabel*>(widget(kThicknessLabel)), nullptr);
        EXPECT_NE(qobject_cast<QLineEdit*>(widget(kThickness)), nullptr);
        auto* combo = qobject_cast<QComboBox*>(widget(kDiameter));
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable());
        // Design mode keeps the combo at its designed height.
        EXPECT_EQ(combo->height(), rectOf(d, kDiameter).height());
        EXPECT_LT(combo->height(), 40);
        auto* check = qobject_cast<QCheckBox*>(widget(kCheck));
        ASSERT_NE(check, nullptr);
        EXPECT_TRUE(check->isChecked());  // its initial value "1"
        auto* flex = qobject_cast<QPushButton*>(widget(kFlex));
        ASSERT_NE(flex, nullptr);
        EXPECT_TRUE(flex->isCheckable());
        EXPECT_FALSE(flex->icon().isNull());
        // The designer takes the clicks: only labels stay enabled.
        EXPECT_TRUE(widget(kThicknessLabel)->isEnabled());
        EXPECT_FALSE(widget(kThickness)->isEnabled());

        // The type list holds the 31 types in type order.
        ASSERT_EQ(d.comboBox(CDlgDesigner::kTypeList)->count(), 31);
        EXPECT_EQ(fromQt(d.comboBox(CDlgDesigner::kTypeList)->itemText(29)), dialString(1405));
        checked = true;

        // A selection of several kinds, for the picture.
        QWidget* canvas = d.tracker();
        click(canvas, centre(rectOf(d, kThickness)));
        click(canvas, centre(rectOf(d, kDiameter)), Qt::ShiftModifier);
        click(canvas, centre(rectOf(d, kCheck)), Qt::ShiftModifier);
        click(canvas, centre(rectOf(d, kDiameter)), Qt::ControlModifier);  // and one off again
        EXPECT_EQ(selected(d), (std::vector<int>{kFirst + kThickness, kFirst + kCheck}));
        // One control selected: the property fields show it.
        click(canvas, centre(rectOf(d, kDiameter)));
        EXPECT_EQ(d.comboBox(CDlgDesigner::kTypeList)->currentIndex(), 3);
        EXPECT_EQ(d.GetDlgItemText(CDlgDesigner::kContents), L"BoltDiameter");
        EXPECT_EQ(d.GetDlgItemText(CDlgDesigner::kContentsGroup), dialString(828));
        EXPECT_EQ(d.GetDlgItemText(CDlgDesigner::kListGroup), dialString(833));
        EXPECT_TRUE(d.IsItemEnabled(CDlgDesigner::kList));
        uitest::saveScreenshot(d);

        // Selecting changes nothing: OK closes without asking.
        d.pressButton(IDOK);
        EXPECT_FALSE(d.isRunning());
    });
    EXPECT_TRUE(StartDlgDesigner(endPlate_));
    EXPECT_TRUE(checked);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DesignerWindow, EscapeLeavesTheWindowOpen) {
    bool open = false;
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        designertest::key(&dlg, Qt::Key_Escape);
        designertest::key(designer(dlg).tracker(), Qt::Key_Escape);
        open = dlg.isRunning();
    });
    EXPECT_FALSE(StartDlgDesigner(endPlate_));  // ended by the test driver
    EXPECT_TRUE(open);
}

TEST_F(DesignerWindow, ClicksCtrlShiftAndTheRubberBand) {
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        QWidget* canvas = d.tracker();
        const DesignerRect thickness = rectOf(d, kThickness);
        const DesignerRect height = rectOf(d, kHeight);

        click(canvas, centre(thickness));
        EXPECT_EQ(selected(d), (std::vector<int>{kFirst + kThickness}));
        EXPECT_EQ(d.GetDlgItemText(CDlgDesigner::kContents), L"EP_Thickness");
        EXPECT_NE(fromQt(d.statusBar()->currentMessage()).find(L"EP_Thickness"), -1);

        click(canvas, centre(height), Qt::ShiftModifier);
        click(canvas, centre(height), Qt::ShiftModifier);  // Shift keeps it selected
        EXPECT_EQ(selected(d), (std::vector<int>{kFirst + kThickness, kFirst + kHeight}));
        EXPECT_FALSE(d.IsItemEnabled(CDlgDesigner::kContents));  // two selected: no fields
        click(canvas, centre(thickness), Qt::ControlModifier);   // Ctrl takes it out
        EXPECT_EQ(selected(d), (std::vector<int>{kFirst + kHeight}));

        // A click on empty picture with Shift changes nothing; without it the selection clears.
        const QPoint empty(3, 3);
        click(canvas, empty, Qt::ShiftModifier);
        EXPECT_EQ(selected(d).size(), 1u);

        // A band around the thickness edit and half of the height edit selects only the first.
        const QPoint from(thickness.left - 3, thickness.top - 3);
        const QPoint to(thickness.right + 3, (height.top + height.bottom) / 2);
        drag(canvas, from, to);
        EXPECT_EQ(selected(d), (std::vector<int>{kFirst + kThickness}));
        drag(canvas, empty, empty + QPoint(2, 2));
        EXPECT_TRUE(selected(d).empty());
        EXPECT_FALSE(d.isModified());
    });
    StartDlgDesigner(endPlate_);
}

TEST_F(DesignerWindow, DraggingOneOfSeveralMovesAllAndUndoRedoFollow) {
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        QWidget* canvas = d.tracker();
        const DesignerRect thickness = rectOf(d, kThickness);
        const DesignerRect edge = rectOf(d, kEdge);
        const DesignerRect label = rectOf(d, kThicknessLabel);
        click(canvas, centre(thickness));
        click(canvas, centre(edge), Qt::ShiftModifier);

        drag(canvas, centre(edge), centre(edge) + QPoint(12, -7));
        EXPECT_EQ(rectOf(d, kThickness), thickness.translated(12, -7));
        EXPECT_EQ(rectOf(d, kEdge), edge.translated(12, -7));
        EXPECT_EQ(rectOf(d, kThicknessLabel), label);  // not selected: stays
        EXPECT_EQ(selected(d).size(), 2u);
        EXPECT_TRUE(d.isModified());
        EXPECT_EQ(d.undoStack()->count(), 1);

        // Arrow keys: one pixel, ten with Shift.
        designertest::key(canvas, Qt::Key_Right);
        designertest::key(canvas, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(rectOf(d, kEdge), edge.translated(13, 3));

        d.OnUndo();
        d.OnUndo();
        d.OnUndo();
        EXPECT_EQ(rectOf(d, kThickness), thickness);
        EXPECT_EQ(rectOf(d, kEdge), edge);
        EXPECT_FALSE(d.isModified());  // back at the saved state
        d.OnRedo();
        EXPECT_EQ(rectOf(d, kEdge), edge.translated(12, -7));
        EXPECT_EQ(rectOf(d, kThickness), thickness.translated(12, -7));
        EXPECT_TRUE(d.isModified());

        // Ctrl+Z on the window works like the button.
        QAction* undo = nullptr;
        for (QAction* action : d.actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z))) {
                undo = action;
            }
        }
        ASSERT_NE(undo, nullptr);
        undo->trigger();
        EXPECT_EQ(rectOf(d, kEdge), edge);
    });
    StartDlgDesigner(endPlate_);
}

TEST_F(DesignerWindow, ResizingByAHandleChangesOnlyThatControl) {
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        QWidget* canvas = d.tracker();
        const DesignerRect thickness = rectOf(d, kThickness);
        const DesignerRect height = rectOf(d, kHeight);
        click(canvas, centre(thickness));
        click(canvas, centre(height), Qt::ShiftModifier);
        // The right-middle handle sits just outside the right edge.
        const QPoint handle(thickness.right + 2, (thickness.top + thickness.bottom) / 2);
        drag(canvas, handle, handle + QPoint(15, 0));
        EXPECT_EQ(rectOf(d, kThickness).width(), thickness.width() + 15);
        EXPECT_EQ(rectOf(d, kThickness).left, thickness.left);
        EXPECT_EQ(rectOf(d, kHeight), height);
    });
    StartDlgDesigner(endPlate_);
}

TEST_F(DesignerWindow, CopyAndPropertyChangesAreUndone) {
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        Tvx_DlgDesignerData& data = d.designerData();
        QWidget* canvas = d.tracker();
        const DesignerRect thickness = rectOf(d, kThickness);
        click(canvas, centre(thickness));
        click(canvas, centre(rectOf(d, kCheck)), Qt::ShiftModifier);
        d.pressButton(CDlgDesigner::kCopy);
        ASSERT_EQ(data.getNrControls(), 17);
        EXPECT_EQ(rectOf(d, 15), thickness.translated(20, 20));
        EXPECT_EQ(data.getControl(15)->contents, L"EP_Thickness");
        EXPECT_EQ(selected(d), (std::vector<int>{data.getControl(15)->resourceId,
                                                 data.getControl(16)->resourceId}));
        d.OnUndo();
        EXPECT_EQ(data.getNrControls(), 15);
        d.OnRedo();
        EXPECT_EQ(data.getNrControls(), 17);
        d.OnUndo();

        // The contents field renames the control and its window; one undo step for the typing.
        click(canvas, QPoint(3, 3));
        click(canvas, centre(thickness));
        QLineEdit* contents = d.lineEdit(CDlgDesigner::kContents);
        contents->setText(QStringLiteral("EP_T"));
        contents->setText(QStringLiteral("EP_Thick"));
        EXPECT_EQ(data.getControl(kThickness)->contents, L"EP_Thick");
        EXPECT_EQ(data.getDrawnControl(kThickness)->text(), L"EP_Thick");
        d.comboBox(CDlgDesigner::kTypeList)->setCurrentIndex(3);
        EXPECT_EQ(data.getControl(kThickness)->type, 3);
        EXPECT_NE(qobject_cast<QComboBox*>(d.page()->controlWidget(kFirst + kThickness)), nullptr);
        EXPECT_EQ(fromQt(d.groupBox(CDlgDesigner::kListGroup)->title()), dialString(833));

        d.OnUndo();
        EXPECT_EQ(data.getControl(kThickness)->type, 2);
        d.OnUndo();
        EXPECT_EQ(data.getControl(kThickness)->contents, L"EP_Thickness");
        EXPECT_EQ(data.getDrawnControl(kThickness)->text(), L"EP_Thickness");
        EXPECT_EQ(d.GetDlgItemText(CDlgDesigner::kContents), L"EP_Thickness");
        EXPECT_FALSE(d.isModified());
    });
    StartDlgDesigner(endPlate_);
}

TEST_F(DesignerWindow, SaveQuestionOffersYesNoAndCancel) {
    MessageRecorder messages;
    messages.answer(IDCANCEL);
    messages.answer(IDNO);
    bool stayedOpen = false;
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        click(d.tracker(), centre(rectOf(d, kThickness)));
        d.pressButton(CDlgDesigner::kRemove);
        d.pressButton(IDOK);
        stayedOpen = d.isRunning();
        d.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgDesigner(endPlate_));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.last().text, dialString(838) + L"\n<End Plate Bolted>");
    EXPECT_EQ(messages.last().caption, dialString(837));
    EXPECT_EQ(messages.last().type, MB_YESNOCANCEL | MB_ICONQUESTION);
    Tvx_StringArray names;
    ASSERT_TRUE(GetImageDlgCtrlNames(endPlate_, names));
    EXPECT_TRUE(names.contains(L"EP_Thickness", true));  // No: nothing saved

    // Yes saves under the template's name; the close box asks the same question.
    messages.answer(IDYES);
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        click(d.tracker(), centre(rectOf(d, kThickness)));
        d.pressButton(CDlgDesigner::kRemove);
        d.close();
    });
    EXPECT_FALSE(StartDlgDesigner(endPlate_));
    ASSERT_TRUE(GetImageDlgCtrlNames(endPlate_, names));
    EXPECT_FALSE(names.contains(L"EP_Thickness", true));
}

TEST_F(DesignerWindow, PictureForAnUnnamedTemplateAsksForANameFirst) {
    ovui::UiRecorder recorder;
    const Tvx_String picture = uitest::writePicture(L"Cleat.png", 320, 200);
    recorder.answerFiles({picture});
    recorder.cancelFiles();  // the save name
    recorder.answerFiles({picture});
    recorder.answerFiles({root_ + L"Cleats\\Angle cleat.txt"});
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        EXPECT_EQ(fromQt(d.windowTitle()), dialString(843));
        d.pressButton(CDlgDesigner::kPicture);
        EXPECT_EQ(d.designerData().imageWidth(), 0u);  // nothing attached
        EXPECT_TRUE(d.page()->picture().isNull());
        EXPECT_FALSE(d.isModified());

        d.pressButton(CDlgDesigner::kPicture);
        EXPECT_EQ(d.designerData().getTemplateName(), L"Cleats\\Angle cleat");
        EXPECT_EQ(d.designerData().imageWidth(), 320u);
        EXPECT_EQ(d.page()->picture().width(), 320);
        EXPECT_TRUE(fileExists(root_ + L"Cleats\\Angle cleat.bmp"));
        EXPECT_EQ(fromQt(d.windowTitle()), dialString(843) + L" - <Cleats\\Angle cleat>");
    });
    StartDlgDesigner(Tvx_String());
    ASSERT_EQ(recorder.fileRequests().size(), 4u);
    EXPECT_EQ(recorder.fileRequests()[0].kind, ovui::FileDialogKind::Open);
    EXPECT_EQ(recorder.fileRequests()[0].filter, dialString(839) + L" (*.bmp)");
    EXPECT_EQ(recorder.fileRequests()[1].kind, ovui::FileDialogKind::Save);
    EXPECT_EQ(recorder.fileRequests()[1].filter, dialString(840) + L" (*.txt)");
}

TEST_F(DesignerWindow, ATemplateDrawnWithTheMouseIsSavedAndReadsBackIdentically) {
    ovui::UiRecorder recorder;
    const Tvx_String picture = uitest::writePicture(L"Splice.png", 400, 240);
    const Tvx_String target = root_ + L"Splice.txt";
    recorder.answerFiles({picture});
    recorder.answerFiles({target});  // the name the picture asks for
    recorder.answerFiles({target});  // saving at the end
    recorder.answerPrompt(L"60");    // the width of two controls
    Tvx_Array<Tvx_DesignerControl> designed;
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        Tvx_DlgDesignerData& data = d.designerData();
        QWidget* canvas = d.tracker();
        d.pressButton(CDlgDesigner::kPicture);
        ASSERT_EQ(data.imageWidth(), 400u);

        // Eight controls of several types, each added, typed, named and dragged into place.
        const struct {
            Tvx_ControlType type;
            const wchar_t* contents;
            const wchar_t* list;
            QPoint to;
        } plan[] = {
            {1, L"Splice plate", L"", {20, 20}},     {0, L"Thickness", L"", {30, 45}},
            {2, L"SP_Thickness", L"", {110, 45}},    {0, L"Bolt grade", L"", {30, 75}},
            {3, L"SP_Grade", L"", {110, 75}},        {29, L"Fill plates", L"0", {30, 105}},
            {30, L"Single", L"Cover;;;", {30, 140}}, {30, L"Double", L"Cover;;;", {80, 140}},
        };
        for (const auto& step : plan) {
            d.pressButton(CDlgDesigner::kAdd);
            const int index = data.getNrControls() - 1;
            d.comboBox(CDlgDesigner::kTypeList)->setCurrentIndex(step.type);
            d.lineEdit(CDlgDesigner::kContents)->setText(ovui::toQt(step.contents));
            if (d.lineEdit(CDlgDesigner::kList)->isEnabled()) {
                d.lineEdit(CDlgDesigner::kList)->setText(ovui::toQt(step.list));
            }
            const DesignerRect r = rectOf(d, index);
            drag(canvas, QPoint(r.left + 2, r.top + 2), step.to + QPoint(2, 2));
        }
        ASSERT_EQ(data.getNrControls(), 8);
        EXPECT_EQ(rectOf(d, 2).left, 110);
        // The two labels get the same width through the prompt.
        click(canvas, centre(rectOf(d, 1)));
        click(canvas, centre(rectOf(d, 3)), Qt::ShiftModifier);
        d.pressButton(CDlgDesigner::kWidth);
        EXPECT_EQ(rectOf(d, 1).width(), 60);
        EXPECT_EQ(rectOf(d, 3).width(), 60);
        // The group box frames them all (it is caught by its frame).
        click(canvas, QPoint(rectOf(d, 0).left + 2, rectOf(d, 0).top + 2));
        const DesignerRect group = rectOf(d, 0);
        drag(canvas, QPoint(group.right + 2, group.bottom + 2), QPoint(260, 175));

        d.pressButton(CDlgDesigner::kSave);
        EXPECT_FALSE(d.isModified());
        designed = data.controls();
        d.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgDesigner(Tvx_String()));

    Tvx_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(target, true));
    ASSERT_EQ(read.getNrControls(), 8);
    for (int i = 0; i < 8; ++i) {
        const Tvx_DesignerControl& a = designed[i];
        const Tvx_DesignerControl& b = *read.getControl(i);
        EXPECT_EQ(b.type, a.type) << i;
        EXPECT_EQ(b.contents, a.contents) << i;
        EXPECT_EQ(b.getMergedExtComboList(), a.getMergedExtComboList()) << i;
        EXPECT_DOUBLE_EQ(b.topLeftX, a.topLeftX) << i;
        EXPECT_DOUBLE_EQ(b.topLeftY, a.topLeftY) << i;
        EXPECT_DOUBLE_EQ(b.bottomRightX, a.bottomRightX) << i;
        EXPECT_DOUBLE_EQ(b.bottomRightY, a.bottomRightY) << i;
    }
    EXPECT_EQ(read.getControl(6)->flexGroup, L"Cover");
    EXPECT_DOUBLE_EQ(read.getControl(2)->topLeftX, 110 / 400.0);
    EXPECT_EQ(read.imageWidth(), 400u);
    Tvx_StringArray names;
    ASSERT_TRUE(GetImageDlgCtrlNames(target, names));
    EXPECT_EQ(names, (Tvx_StringArray{L"SP_Thickness"}));

    // Opened again, the designer shows the same template, unmodified.
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        CDlgDesigner& d = designer(dlg);
        EXPECT_EQ(d.designerData().getNrDrawnControls(), 8);
        EXPECT_EQ(rectOf(d, 2).left, 110);
        EXPECT_FALSE(d.isModified());
    });
    StartDlgDesigner(target);
}

}  // namespace
