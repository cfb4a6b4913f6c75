// DesignedPageTest.cpp - a template in run-time mode, as the macro parameter dialog shows it: the
// widgets and their run-time sizes, values, Tab through the designed order, and the preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DesignerTestSupport.h"
#include "core/Texts.h"
#include "designer/DesignerTemplates.h"
#include "ui/DialogDriver.h"
#include "ui/QtText.h"
#include "ui/UiTestSupport.h"
#include "ui/designer/CDlgDesignedPreview.h"
#include "ui/designer/DesignedPage.h"

namespace {

using ovui::fromQt;

constexpr int kFirst = DesignedPage::kFirstRunTimeId;

class RunTimePage : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        endPlate_ = designertest::prepareLibrary();
    }
    Tvx_String endPlate_;
};

TEST_F(RunTimePage, ControlsAreLiveWithRunTimeSizesAndValues) {
    Tvx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(endPlate_, true));
    Tvx_DesignerControl* grade = data.getControlWrite(8);  // the bolt diameter combo
    grade->items = {L"M16", L"M20", L"M24"};
    grade->contents = L"M20";
    data.getControlWrite(10)->disabled = true;  // bolt rows, disabled by the caller
    QWidget window;
    DesignedPage* page = new DesignedPage(&window);
    ASSERT_TRUE(page->showTemplate(data));
    window.resize(page->sizeHint());
    window.show();

    EXPECT_EQ(page->minimumSizeHint(), page->picture().size());
    auto* combo = qobject_cast<QComboBox*>(page->controlWidget(kFirst + 8));
    ASSERT_NE(combo, nullptr);
    const DesignerRect designed = data.pixelRect(*data.getControl(8));
    EXPECT_EQ(data.getCtrlPtr(kFirst + 8)->rect().height(), 200);  // the list included
    EXPECT_EQ(combo->height(), designed.height());                 // the field as designed
    EXPECT_EQ(combo->currentText(), QStringLiteral("M20"));
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_FALSE(page->controlWidget(kFirst + 10)->isEnabled());

    // Values through the widgets.
    Tvx_String value;
    ASSERT_TRUE(data.setCtrlValue(kFirst + 2, L"15"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(page->controlWidget(kFirst + 2))->text(),
              QStringLiteral("15"));
    auto* check = qobject_cast<QCheckBox*>(page->controlWidget(kFirst + 11));
    ASSERT_NE(check, nullptr);
    ASSERT_TRUE(data.setCtrlValue(kFirst + 11, L"0.5"));
    EXPECT_TRUE(check->isChecked());
    ASSERT_TRUE(data.setCtrlValue(kFirst + 11, L"x"));
    EXPECT_FALSE(check->isChecked());
    ASSERT_TRUE(data.setCtrlValue(kFirst + 11, dialString(695)));
    EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);
    ASSERT_TRUE(data.getCtrlValue(kFirst + 11, value));
    EXPECT_EQ(value, dialString(695));

    auto* flex = qobject_cast<QPushButton*>(page->controlWidget(kFirst + 13));
    ASSERT_TRUE(data.setFlexBtnStatus(L"Stiffener", L"One side", 1));
    EXPECT_TRUE(flex->isChecked());
    ASSERT_TRUE(data.setFlexBtnStatus(L"Stiffener", L"One side", 2));
    EXPECT_FALSE(flex->isChecked());
    ASSERT_TRUE(data.setCtrlReadOnly(kFirst + 2, true));
    EXPECT_FALSE(page->controlWidget(kFirst + 2)->isEnabled());
    data.setCtrlReadOnly(kFirst + 2, false);

    // Tab follows the designed order and reports the ends.
    ASSERT_TRUE(data.setFocusToCtrl(true));
    QApplication::processEvents();
    int id = 0;
    ASSERT_TRUE(data.getFocusedDynControl(id));
    EXPECT_EQ(id, kFirst + 2);
    EXPECT_EQ(qobject_cast<QLineEdit*>(page->controlWidget(id))->selectedText(),
              QStringLiteral("15"));
    designertest::key(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(data.getFocusedDynControl(id));
    EXPECT_EQ(id, kFirst + 4);
    designertest::key(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(data.getFocusedDynControl(id));
    EXPECT_EQ(id, kFirst + 2);
    Tvx_TabMsgHandle result = kTabMovedFocus;
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, true, result));
    EXPECT_EQ(result, kTabBackFromFirst);
    ASSERT_TRUE(data.setFocusToCtrl(false));
    ASSERT_TRUE(data.handleTabKey(kVirtualKeyTab, false, result));
    EXPECT_EQ(result, kTabForwardFromLast);
}

TEST_F(RunTimePage, MultiLineBoltCountsGrowWithTheFontScale) {
    Tvx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(endPlate_, true));
    Tvx_DesignerControl count;
    count.type = DesignerType::kBoltCount1;
    count.contents = L"4";
    count.topLeftX = 0.1;
    count.topLeftY = 0.1;
    count.bottomRightX = data.pixelsToFactor(true, 40) + 0.1;
    count.bottomRightY = data.pixelsToFactor(false, 20) + 0.1;
    data.append(count);
    data.setFontScale(1.5);
    QWidget window;
    DesignedPage* page = new DesignedPage(&window);
    ASSERT_TRUE(page->showTemplate(data));
    QWidget* edit = page->controlWidget(data.getControl(data.getNrControls() - 1)->resourceId);
    ASSERT_NE(qobject_cast<QPlainTextEdit*>(edit), nullptr);
    // 20 + (18 * 1.5 - 18) / 1.6 = 25.6, rounded up.
    EXPECT_EQ(edit->height(), 26);
}

TEST_F(RunTimePage, PreviewShowsThePageAndItsValues) {
    bool shown = false;
    ovui::DialogDriver::push([&](OvDialog& dlg) {
        auto& preview = static_cast<CDlgDesignedPreview&>(dlg);
        DesignedPage* page = preview.page();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(fromQt(dlg.windowTitle()), dialString(843) + L" - <End Plate Bolted>");
        auto* thickness = qobject_cast<QLineEdit*>(page->controlWidget(kFirst + 2));
        ASSERT_NE(thickness, nullptr);
        EXPECT_EQ(dlg.focusWidget(), thickness);  // the first of the order
        thickness->setText(QStringLiteral("20"));
        emit thickness->textEdited(QStringLiteral("20"));
        qobject_cast<QCheckBox*>(page->controlWidget(kFirst + 11))->setChecked(false);
        const Tvx_String values = preview.valuesText();
        EXPECT_NE(values.find(L"1. EP_Thickness = 20"), -1) << values;
        EXPECT_NE(values.find(L"Weld all round = 0"), -1) << values;
        auto* shownValues = qobject_cast<QPlainTextEdit*>(dlg.item(CDlgDesignedPreview::kValues));
        ASSERT_NE(shownValues, nullptr);
        EXPECT_EQ(fromQt(shownValues->toPlainText()), values);
        uitest::saveScreenshot(*page);
        shown = true;
        dlg.pressButton(IDOK);
    });
    EXPECT_TRUE(StartDlgDesignerPreview(L"End Plate Bolted"));
    EXPECT_TRUE(shown);

    MessageRecorder messages;
    EXPECT_FALSE(StartDlgDesignerPreview(L"Missing"));
    EXPECT_EQ(messages.count(), 1);
}

}  // namespace
