// TextTablePage.cpp - one table of texts in a grid.
#include "ui/macroedit/TextTablePage.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

TextTablePage::TextTablePage(const Tvx_String& title, const Tvx_StringArray& columns,
                             QWidget* parent)
    : QWidget(parent), grid_(new QTableWidget(this)), columns_(columns.length()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    if (!title.isEmpty()) {
        layout->addWidget(new QLabel(toQt(title), this));
    }
    grid_->setColumnCount(columns_);
    grid_->setHorizontalHeaderLabels(toQt(columns));
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(grid_, 1);
}

void TextTablePage::setTable(const Tvx_TextTable& table) {
    grid_->setRowCount(table.length());
    for (int r = 0; r < table.length(); ++r) {
        for (int c = 0; c < columns_; ++c) {
            const Tvx_String text = c < table[r].length() ? table[r][c] : Tvx_String();
            grid_->setItem(r, c, new QTableWidgetItem(toQt(text)));
        }
    }
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setStretchLastSection(true);
}

Tvx_TextTable TextTablePage::table() const {
    Tvx_TextTable table;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        Tvx_StringArray row;
        bool empty = true;
        for (int c = 0; c < columns_; ++c) {
            const QTableWidgetItem* item = grid_->item(r, c);
            const Tvx_String text = item != nullptr ? fromQt(item->text()) : Tvx_String();
            empty = empty && text.isEmpty();
            row.append(text);
        }
        if (!empty) {
            table.append(row);
        }
    }
    return table;
}

void TextTablePage::addRow() {
    const int at = grid_->currentRow() >= 0 ? grid_->currentRow() + 1 : grid_->rowCount();
    grid_->insertRow(at);
    for (int c = 0; c < columns_; ++c) {
        grid_->setItem(at, c, new QTableWidgetItem);
    }
    grid_->setCurrentCell(at, 0);
}

void TextTablePage::removeRow() {
    if (grid_->currentRow() >= 0) {
        grid_->removeRow(grid_->currentRow());
    }
}
