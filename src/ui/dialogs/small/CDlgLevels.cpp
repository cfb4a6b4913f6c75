// CDlgLevels.cpp - the levels dialog and its launcher.
#include "ui/dialogs/small/CDlgLevels.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/dialogs/small/FormFields.h"

using namespace ovui;

namespace {

constexpr double kLimit = 1e6;  // mm: a kilometre up or down is no building level

Tvx_String cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell == nullptr ? Tvx_String() : fromQt(cell->text());
}

}  // namespace

CDlgLevels::CDlgLevels(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = addControl(kTable, new QTableWidget(0, 2, this));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid->verticalHeader()->setDefaultSectionSize(22);
    layout->addWidget(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addControl(kAdd, new QPushButton(this)));
    buttons->addWidget(addControl(kDelete, new QPushButton(this)));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addLayout(createOkCancelRow());
    resize(400, 340);
    pushButton(kAdd)->setAutoDefault(false);
    pushButton(kDelete)->setAutoDefault(false);
    connect(pushButton(kAdd), &QPushButton::clicked, this, [this] {
        addRow({}, L"0");
        table()->setCurrentCell(table()->rowCount() - 1, 0);
        table()->editItem(table()->currentItem());
    });
    connect(pushButton(kDelete), &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : table()->selectionModel()->selectedRows()) {
            rows.append(index.row());
        }
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        for (int row : rows) {
            table()->removeRow(row);
        }
    });
}

QTableWidget* CDlgLevels::table() const {
    return qobject_cast<QTableWidget*>(item(kTable));
}

void CDlgLevels::addRow(const Tvx_String& name, const Tvx_String& elevation) {
    QTableWidget* grid = table();
    const int row = grid->rowCount();
    grid->insertRow(row);
    grid->setItem(row, 0, new QTableWidgetItem(toQt(name)));
    auto* value = new QTableWidgetItem(toQt(elevation));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, 1, value);
}

bool CDlgLevels::OnInitDialog() {
    SetWindowText(dialString(9946));
    SetDlgItemText(kAdd, dialString(9949));
    SetDlgItemText(kDelete, dialString(9950));
    table()->setHorizontalHeaderLabels({toQt(dialString(9947)), toQt(dialString(9948))});
    for (const OvLevel& level : m_data.levels) {
        addRow(level.name, numberText(level.elevation));
    }
    return true;
}

void CDlgLevels::refuse(int row, int column, const Tvx_String& text) {
    ovMessageBox(text, dialString(9946), MB_OK | MB_ICONEXCLAMATION);
    table()->setCurrentCell(row, column);
}

void CDlgLevels::OnOK() {
    Tvx_Array<OvLevel> levels;
    const QTableWidget* grid = table();
    for (int row = 0; row < grid->rowCount(); ++row) {
        OvLevel level;
        level.name = cellText(grid, row, 0).trim();
        Tvx_String elevation = cellText(grid, row, 1).trim();
        if (level.name.isEmpty()) {
            return refuse(row, 0, dialString(9951));
        }
        level.elevation = elevation.toDouble();
        if (!elevation.isNumber() || !std::isfinite(level.elevation) ||
            std::fabs(level.elevation) > kLimit) {
            return refuse(row, 1,
                          level.name + L": " + dialString(9948) + L" " + dialString(9944) + L" " +
                              numberText(-kLimit) + L" " + dialString(9945) + L" " +
                              numberText(kLimit) + L".");
        }
        levels.append(level);
    }
    m_data.levels = levels;
    EndDialog(IDOK);
}

bool StartDlgLevels(OvLevelsDlgData& data) {
    return ovui::runModalOnCopy<CDlgLevels>(data);
}
