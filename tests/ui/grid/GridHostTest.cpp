// GridHostTest.cpp - creating a grid in place of a placeholder widget (geometry rules, layouts,
// control ids), the host's lifetime rule, Qt text metrics and number input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QPointer>
#include <memory>

#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/NumberInputValidator.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/grid/QtGridHost.h"
#include "ui/grid/QtGridMetrics.h"

namespace {

using ovui::grid::QtGridHost;

constexpr int kGridId = 1200;

void dropDeleted() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtGridHost, ReplacesAFreePlaceholderAtItsRectangle) {
    struct Case {
        bool hasFrame;
        QRect expected;
    } cases[] = {{true, {20, 40, 300, 200}}, {false, {15, 20, 300, 200}}};
    for (const Case& c : cases) {
        QDialog dialog;
        dialog.resize(400, 300);
        QPointer<QWidget> placeholder = new QWidget(&dialog);
        placeholder->setGeometry(20, 40, 300, 200);
        dialog.show();
        QtGridHost host(&dialog, {{kGridId, placeholder}});
        Tvx_Spread spread;
        ASSERT_TRUE(spread.create(&host, kGridId, c.hasFrame));
        dropDeleted();
        EXPECT_TRUE(placeholder.isNull());
        ovui::grid::OvSpreadView* view = host.view(kGridId);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->parentWidget(), &dialog);
        EXPECT_EQ(view->geometry(), c.expected) << c.hasFrame;
        EXPECT_EQ(view->property("ovControlId").toInt(), kGridId);
        EXPECT_EQ(spread.getControlId(), kGridId);
    }
}

TEST(QtGridHost, TakesThePlaceholdersPlaceInItsLayout) {
    QDialog dialog;
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(new QWidget(&dialog), 0, 0);
    QWidget* placeholder = new QWidget(&dialog);
    layout->addWidget(placeholder, 1, 0, 1, 2);
    dialog.show();
    QtGridHost host(&dialog, {{kGridId, placeholder}});
    Tvx_Spread spread;
    ASSERT_TRUE(spread.create(&host, kGridId, false));
    QLayoutItem* item = layout->itemAtPosition(1, 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->widget(), host.view(kGridId));
}

TEST(QtGridHost, AnOvDialogFindsTheGridUnderThePlaceholdersId) {
    OvDialog dialog(100);
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(dialog.addControl(kGridId, new QWidget(&dialog)), 0, 0);
    QtGridHost host(&dialog);
    Tvx_Spread spread;
    ASSERT_TRUE(spread.create(&host, kGridId, true));
    EXPECT_EQ(dialog.item(kGridId), host.view(kGridId));
    // The grid is not a placeholder for a second grid.
    Tvx_Spread second;
    EXPECT_FALSE(second.create(&host, kGridId, true));
}

TEST(QtGridHost, AnUnknownIdChangesNothing) {
    QDialog dialog;
    QWidget* placeholder = new QWidget(&dialog);
    QtGridHost host(&dialog, {{kGridId, placeholder}});
    Tvx_Spread spread;
    EXPECT_FALSE(spread.create(&host, kGridId + 1, true));
    EXPECT_FALSE(spread.isCreated());
    EXPECT_TRUE(host.hasControl(kGridId));
    EXPECT_EQ(host.view(kGridId + 1), nullptr);
}

TEST(QtGridHost, ViewsForgetTheirSpreadWhenTheHostGoes) {
    QDialog dialog;
    QWidget* placeholder = new QWidget(&dialog);
    auto host =
        std::make_unique<QtGridHost>(&dialog, std::map<int, QWidget*>{{kGridId, placeholder}});
    QPointer<ovui::grid::OvSpreadView> view;
    {
        Tvx_Spread spread;
        ASSERT_TRUE(spread.create(host.get(), kGridId, true));
        spread.setMaxCols(2);
        spread.setMaxRows(2);
        view = host->view(kGridId);
        view->refresh();
        ASSERT_EQ(view->spreadModel()->rowCount(), 2);
        host.reset();
    }
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view->spread(), nullptr);
    view->refresh();
    EXPECT_EQ(view->spreadModel()->rowCount(), 0);
    EXPECT_FALSE(view->runMenuCommand(32811));
}

TEST(QtGridMetrics, MeasuresWithRealFonts) {
    const auto& metrics = ovui::grid::qtGridMetrics();
    ovgrid::FontInfo font;
    font.height = 15;
    const ovgrid::TextExtent wide = metrics.textExtent(L"WWWWWW", font);
    const ovgrid::TextExtent narrow = metrics.textExtent(L"iiiiii", font);
    EXPECT_GT(wide.width, narrow.width);
    EXPECT_GT(wide.height, 0);
    EXPECT_EQ(metrics.textExtent(L"", font).width, 0);
    font.weight = 700;
    EXPECT_GE(metrics.textExtent(L"WWWWWW", font).width, wide.width);
}

TEST(NumberInput, AcceptsNumbersOfTheCellAndFormulas) {
    struct Case {
        int decimals;
        double minimum, maximum;
        const char* text;
        QValidator::State state;
    } cases[] = {
        {2, 0, 0, "12.5", QValidator::Acceptable}, {2, 0, 0, "12.555", QValidator::Invalid},
        {0, 0, 0, "12.5", QValidator::Invalid},    {2, 0, 0, "-", QValidator::Intermediate},
        {2, 0, 0, "abc", QValidator::Invalid},     {2, 0, 0, "=A1*2", QValidator::Acceptable},
        {2, 0, 0, "", QValidator::Acceptable},     {2, 1, 10, "11", QValidator::Intermediate},
        {2, 1, 10, "5", QValidator::Acceptable},
    };
    for (const Case& c : cases) {
        ovui::grid::NumberInputValidator validator(c.decimals, c.minimum, c.maximum);
        QString text = QString::fromUtf8(c.text);
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos), c.state) << c.text;
    }
}

}  // namespace
