// COvDockControlBarTest.cpp - a dialog docked in the host's main window: where the bar goes, one
// bar per slot, closing it empties the slot, and a missing dialog is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QPointer>

#include "host/HostWindow.h"
#include "ui/COvDockControlBar.h"
#include "ui/UiTestSupport.h"
#include "ui/spread/CDlgSSSettings.h"

namespace {

class DockBar : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        frame.resize(900, 600);
        frame.show();
        setHostMainWindow(static_cast<QWidget*>(&frame));
    }
    void TearDown() override {
        setHostMainWindow(nullptr);
        if (slot) {
            slot->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    static std::unique_ptr<OvDialog> sampleDialog() { return std::make_unique<CDlgSSSettings>(); }

    QMainWindow frame;
    COvDockControlBar* slot = nullptr;
};

TEST_F(DockBar, DocksOnTheLeftOfTheHostWindowWithTheDialogInside) {
    ASSERT_TRUE(showDockedDialog(slot, sampleDialog(), CDlgSSSettings::IDD, L"{TOOL-1}",
                                 L"Sheets manager"));
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(frame.dockWidgetArea(slot), Qt::LeftDockWidgetArea);
    EXPECT_EQ(slot->windowTitle(), QStringLiteral("Sheets manager"));
    EXPECT_EQ(slot->templateId(), CDlgSSSettings::IDD);
    EXPECT_EQ(slot->toolId(), L"{TOOL-1}");
    EXPECT_EQ(slot->floatingSize(), QSize(400, 500));
    ASSERT_NE(slot->dialog(), nullptr);
    EXPECT_TRUE(slot->isAncestorOf(slot->dialog()));
    EXPECT_TRUE(slot->allowedAreas() & Qt::RightDockWidgetArea);
    uitest::saveScreenshot(*slot);
}

TEST_F(DockBar, ASecondShowReusesTheBarAndClosingEmptiesTheSlot) {
    ASSERT_TRUE(showDockedDialog(slot, sampleDialog(), 247, L"{TOOL-2}", L"Bar"));
    COvDockControlBar* first = slot;
    slot->hide();
    ASSERT_TRUE(showDockedDialog(slot, sampleDialog(), 247, L"{TOOL-2}", L"Bar"));
    EXPECT_EQ(slot, first);
    EXPECT_TRUE(slot->isVisible());
    QPointer<COvDockControlBar> watch(slot);
    slot->close();
    EXPECT_EQ(slot, nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(DockBar, OkInTheDockedDialogClosesTheBar) {
    ASSERT_TRUE(showDockedDialog(slot, sampleDialog(), 247, L"{TOOL-3}", L"Bar"));
    slot->dialog()->pressButton(IDOK);
    EXPECT_EQ(slot, nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(DockBar, MissingDialogIsRefused) {
    EXPECT_FALSE(showDockedDialog(slot, nullptr, 247, L"{TOOL-4}", L"Bar"));
    EXPECT_EQ(slot, nullptr);
}

TEST_F(DockBar, WithoutAHostWindowTheBarFloats) {
    setHostMainWindow(nullptr);
    ASSERT_TRUE(showDockedDialog(slot, sampleDialog(), 247, L"{TOOL-5}", L"Bar"));
    EXPECT_TRUE(slot->isFloating());
}

}  // namespace
