// CDlgStringArray.cpp - the string-array grid and startGridDialog.
#include "ui/dialogs/small/CDlgStringArray.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/OvTempResourceOverride.h"
#include "core/Texts.h"
#include "dialogs/small/StringArrayDialog.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/resources/ModuleArtwork.h"

using ovui::fromQt;
using ovui::toQt;

CDlgStringArray::CDlgStringArray(const Tvx_StringArray& columnNames,
                                 const Tvx_StringArray& rowNames, bool canAddRows,
                                 const Tvx_String& sizeKey, const Tvx_String& title,
                                 QWidget* parent)
    : OvDialog(0, parent),
      m_columns(columnNames),
      m_rowNames(rowNames),
      m_canAddRows(canAddRows),
      m_sizeKey(sizeKey),
      m_title(title) {
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    const int ids[] = {kAdd, kDelete};
    const int icons[] = {ovui::icons::kAdd, ovui::icons::kDelete};
    const int tips[] = {616, 617};
    for (int i = 0; i < 2; ++i) {
        auto* button = addControl(ids[i], new QToolButton(this));
        button->setIcon(ovui::moduleIcon(icons[i]));
        button->setToolTip(toQt(dialString(tips[i])));
        button->setAutoRaise(true);
        button->setVisible(canAddRows);
        tools->addWidget(button);
    }
    tools->addStretch(1);
    layout->addLayout(tools);
    auto* grid = addControl(kTable, new QTableWidget(0, columnNames.length(), this));
    grid->setHorizontalHeaderLabels(toQt(columnNames));
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(grid, 1);
    layout->addLayout(createOkCancelRow());
    resize(std::max(360, 120 * static_cast<int>(columnNames.length()) + 60), 340);

    connect(static_cast<QToolButton*>(item(kAdd)), &QToolButton::clicked, this, [this] {
        QTableWidget* g = table();
        g->insertRow(g->rowCount());
        for (int c = 0; c < g->columnCount(); ++c) {
            g->setItem(g->rowCount() - 1, c, new QTableWidgetItem());
        }
        numberRows();
        g->setCurrentCell(g->rowCount() - 1, 0);
    });
    connect(static_cast<QToolButton*>(item(kDelete)), &QToolButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : table()->selectionModel()->selectedRows()) {
            rows.append(index.row());
        }
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        for (int row : rows) {
            table()->removeRow(row);
        }
        numberRows();
    });
}

QTableWidget* CDlgStringArray::table() const {
    return qobject_cast<QTableWidget*>(item(kTable));
}

void CDlgStringArray::numberRows() {
    QTableWidget* g = table();
    QStringList labels;
    for (int r = 0; r < g->rowCount(); ++r) {
        labels.append(r < m_rowNames.length() ? toQt(m_rowNames[r]) : QString::number(r + 1));
    }
    g->setVerticalHeaderLabels(labels);
}

bool CDlgStringArray::OnInitDialog() {
    SetWindowText(m_title.isEmpty() ? dialString(9992) : m_title);
    QTableWidget* g = table();
    g->setRowCount(m_rows.length());
    for (int r = 0; r < m_rows.length(); ++r) {
        for (int c = 0; c < g->columnCount(); ++c) {
            const Tvx_String text = c < m_rows[r].length() ? m_rows[r][c] : Tvx_String();
            g->setItem(r, c, new QTableWidgetItem(toQt(text)));
        }
    }
    numberRows();
    ChangeDlgSize(this, m_sizeKey);
    return true;
}

void CDlgStringArray::OnOK() {
    Tvx_Array<Tvx_StringArray> rows;
    const QTableWidget* g = table();
    for (int r = 0; r < g->rowCount(); ++r) {
        Tvx_StringArray row;
        for (int c = 0; c < g->columnCount(); ++c) {
            const QTableWidgetItem* cell = g->item(r, c);
            row.append(cell == nullptr ? Tvx_String() : fromQt(cell->text()));
        }
        rows.append(row);
    }
    m_rows = rows;
    EndDialog(IDOK);
}

void CDlgStringArray::OnDestroy() {
    WriteDlgSize(this, m_sizeKey);
}

bool startGridDialog(const Tvx_StringArray& columnNames, const Tvx_StringArray& rowNames,
                     Tvx_Array<Tvx_StringArray>& rows, bool canAddRows, Tvx_String dialogName,
                     Tvx_String title) {
    if (columnNames.isEmpty() || !ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgStringArray dialog(columnNames, rowNames, canAddRows,
                           dialogName.isEmpty() ? Tvx_String(kStringArrayDefaultKey) : dialogName,
                           title);
    dialog.rows() = rows;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    rows = dialog.rows();
    return true;
}
