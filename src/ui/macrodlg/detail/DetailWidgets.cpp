// DetailWidgets.cpp - tables, combos and pictures of the macro detail dialogs.
#include "ui/macrodlg/detail/DetailWidgets.h"

#include <QBitmap>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>

#include "core/Paths.h"
#include "ui/QtText.h"

namespace ovui::detail {

QTableWidget* makeTable(QWidget* parent, const Tvx_StringArray& headers) {
    auto* table = new QTableWidget(0, headers.length(), parent);
    table->setHorizontalHeaderLabels(toQt(headers));
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    return table;
}

Tvx_String cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell != nullptr ? fromQt(cell->text()) : Tvx_String();
}

void setCellText(QTableWidget* table, int row, int column, const Tvx_String& text, bool editable) {
    auto* cell = new QTableWidgetItem(toQt(text));
    if (!editable) {
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    }
    table->setItem(row, column, cell);
}

bool cellChecked(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell != nullptr && cell->checkState() == Qt::Checked;
}

void setCellCheck(QTableWidget* table, int row, int column, bool checked) {
    auto* cell = new QTableWidgetItem;
    cell->setFlags((cell->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    table->setItem(row, column, cell);
}

void fillCombo(QComboBox* combo, const Tvx_StringArray& items) {
    combo->clear();
    combo->addItems(toQt(items));
}

int selectOrAdd(QComboBox* combo, const Tvx_String& value) {
    int index = combo->findText(toQt(value), Qt::MatchFixedString);
    if (index < 0) {
        combo->addItem(toQt(value));
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
    return index;
}

QPixmap pictureOr(const Tvx_String& path, QSize size, const std::function<void(QPainter&)>& draw,
                  bool whiteTransparent) {
    QPixmap picture(QString::fromStdString(toFileSystemPath(path).string()));
    if (picture.isNull()) {
        picture = QPixmap(size);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    if (whiteTransparent) {
        picture.setMask(picture.createMaskFromColor(Qt::white));
    }
    return picture;
}

}  // namespace ovui::detail
