// GridViewFixture.h - a dialog with a placeholder replaced by a grid view, and the mouse and
// key input a user gives it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <memory>

#include "spread/Tvx_Spread.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/grid/QtGridHost.h"

class GridViewTest : public ::testing::Test {
  protected:
    static constexpr int kGridId = 1001;

    GridViewTest() : dialog(std::make_unique<QDialog>()) {
        dialog->resize(640, 360);
        auto* layout = new QVBoxLayout(dialog.get());
        placeholder = new QWidget(dialog.get());
        layout->addWidget(placeholder);
        host = std::make_unique<ovui::grid::QtGridHost>(
            dialog.get(), std::map<int, QWidget*>{{kGridId, placeholder}});
        dialog->show();
        EXPECT_TRUE(spread.create(host.get(), kGridId, true));
        view = host->view(kGridId);
    }

    ~GridViewTest() override {
        // As in a dialog: the spread and its host go before the dialog's widgets.
        host.reset();
        dialog.reset();
    }

    ovgrid::Grid& grid() { return *spread.grid(); }
    ovui::grid::OvSpreadModel& model() { return *view->spreadModel(); }
    QModelIndex cell(int col, int row) { return model().index(row - 1, col - 1); }

    Tvx_String text(int col, int row, int mode = Tvx_Spread::kReadValue) const {
        Tvx_String out;
        spread.getCellText(col, row, out, mode);
        return out;
    }

    void click(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint at = view->visualRect(cell(col, row)).center();
        const QPoint global = view->viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &release);
    }

    void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(view, &event);
    }

    std::unique_ptr<QDialog> dialog;
    QWidget* placeholder = nullptr;
    std::unique_ptr<ovui::grid::QtGridHost> host;
    Tvx_Spread spread;
    ovui::grid::OvSpreadView* view = nullptr;
};
