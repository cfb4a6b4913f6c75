// Tvx_DlgCSP2.cpp - the cutting-stock dialog and its launcher.
#include "ui/dialogs/cuttingstock/Tvx_DlgCSP2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/PromptService.h"
#include "core/Texts.h"
#include "dialogs/cuttingstock/CuttingStockFiles.h"
#include "dialogs/cuttingstock/CuttingStockListing.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/dialogs/cuttingstock/CDlgInfoText.h"
#include "ui/resources/ModuleArtwork.h"
#include "ui/services/FileDialogs.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

constexpr int kTextTitle = 620;
constexpr int kTextStockFiles = 9900;
constexpr int kTextPurchaseFiles = 9901;
constexpr int kTextBadSetName = 9902;
constexpr int kTextSetExists = 9903;

QToolButton* toolButton(int icon, int tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(ovui::moduleIcon(icon));
    button->setToolTip(toQt(dialString(tip)));
    button->setAutoRaise(true);
    return button;
}

Tvx_String filterFor(const Tvx_String& extension) {
    const int text = extension == kPurchaseExtension ? kTextPurchaseFiles : kTextStockFiles;
    return dialString(text) + L" (*." + extension + L")";
}

}  // namespace

Tvx_DlgCSP2::Tvx_DlgCSP2(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(addControl(kSetLabel, new QLabel(this)));
    auto* combo = addControl(kSetCombo, new QComboBox(this));
    combo->setMinimumWidth(200);
    setRow->addWidget(combo, 1);
    setRow->addWidget(addControl(kAddSet, new QPushButton(this)));
    setRow->addWidget(addControl(kRemoveSet, new QPushButton(this)));
    layout->addLayout(setRow);

    const int labels[] = {kStockLabel, kPurchaseLabel, kPartsLabel};
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        auto* head = new QHBoxLayout;
        head->addWidget(addControl(labels[t], new QLabel(this)));
        if (t == 0) {
            auto* hint = addControl(kStockHint, new QLabel(this));
            hint->setEnabled(false);
            head->addWidget(hint);
        }
        head->addStretch(1);
        head->addWidget(addControl(kAddRow[t], toolButton(ovui::icons::kAdd, 616, this)));
        head->addWidget(addControl(kDeleteRows[t], toolButton(ovui::icons::kDelete, 617, this)));
        if (t == 0) {
            head->addWidget(addControl(kLoadStock, toolButton(ovui::icons::kOpenFile, 618, this)));
            head->addWidget(addControl(kSaveStock, toolButton(ovui::icons::kSaveFile, 619, this)));
        } else if (t == 1) {
            head->addWidget(
                addControl(kLoadPurchase, toolButton(ovui::icons::kOpenFile, 618, this)));
            head->addWidget(
                addControl(kSavePurchase, toolButton(ovui::icons::kSaveFile, 619, this)));
        }
        layout->addLayout(head);
        auto* table = addControl(kGrids[t], new QTableWidget(0, 0, this));
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->horizontalHeader()->setStretchLastSection(true);
        table->verticalHeader()->setDefaultSectionSize(22);
        table->setMinimumHeight(110);
        layout->addWidget(table, 1);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(addControl(kList, new QPushButton(this)));
    bottom->addWidget(addControl(kAskNames, new QCheckBox(this)));
    bottom->addStretch(1);
    layout->addLayout(bottom);
    layout->addLayout(createOkCancelRow());
    setMinimumSize(200, 130);
    resize(640, 620);

    for (int id : {kAddSet, kRemoveSet, kList}) {
        pushButton(id)->setAutoDefault(false);
    }
    connect(combo, &QComboBox::activated, this, [this] { OnSelectSet(); });
    connect(pushButton(kAddSet), &QPushButton::clicked, this, [this] { OnAddSet(); });
    connect(pushButton(kRemoveSet), &QPushButton::clicked, this, [this] { OnRemoveSet(); });
    connect(pushButton(kList), &QPushButton::clicked, this, [this] { OnList(); });
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        connect(static_cast<QToolButton*>(item(kAddRow[t])), &QToolButton::clicked, this,
                [this, t] { OnAddRow(t); });
        connect(static_cast<QToolButton*>(item(kDeleteRows[t])), &QToolButton::clicked, this,
                [this, t] { OnDeleteRows(t); });
    }
    connect(static_cast<QToolButton*>(item(kLoadStock)), &QToolButton::clicked, this,
            [this] { loadGrid(0, kStockExtension); });
    connect(static_cast<QToolButton*>(item(kLoadPurchase)), &QToolButton::clicked, this,
            [this] { loadGrid(1, kPurchaseExtension); });
    connect(static_cast<QToolButton*>(item(kSaveStock)), &QToolButton::clicked, this,
            [this] { saveGrid(0, kStockExtension); });
    connect(static_cast<QToolButton*>(item(kSavePurchase)), &QToolButton::clicked, this,
            [this] { saveGrid(1, kPurchaseExtension); });
}

QTableWidget* Tvx_DlgCSP2::grid(int table) const {
    return qobject_cast<QTableWidget*>(item(kGrids[table]));
}

bool Tvx_DlgCSP2::OnInitDialog() {
    SetWindowText(dialString(kTextTitle));
    SetDlgItemText(kSetLabel, dialString(621));
    SetDlgItemText(kAddSet, dialString(622));
    SetDlgItemText(kRemoveSet, dialString(623));
    SetDlgItemText(kStockLabel, dialString(624));
    SetDlgItemText(kStockHint, dialString(625));
    SetDlgItemText(kPurchaseLabel, dialString(626));
    SetDlgItemText(kPartsLabel, dialString(627));
    SetDlgItemText(kList, dialString(m_data.mode ? 629 : 628));
    SetDlgItemText(kAskNames, dialString(630));

    if (m_data.mode) {
        for (int id :
             {kAddSet, kRemoveSet, kStockLabel, kStockHint, kGrids[0], kPartsLabel, kGrids[2],
              kAddRow[0], kDeleteRows[0], kAddRow[2], kDeleteRows[2], kLoadPurchase}) {
            item(id)->hide();
        }
        // The stock grid is hidden, so are its file tools: the listing saves the stock here.
        item(kLoadStock)->hide();
        item(kSaveStock)->hide();
        EnableItem(kSavePurchase, true);
    } else {
        EnableItem(kAskNames, false);
    }

    fillCombo();
    m_currentSet = m_data.setIds.isEmpty() ? -1 : m_data.setIds[0];
    comboBox(kSetCombo)->setCurrentIndex(m_currentSet < 0 ? -1 : 0);
    showSet();
    ChangeDlgSize(this, kSizeKey);
    return true;
}

void Tvx_DlgCSP2::fillCombo() {
    QComboBox* combo = comboBox(kSetCombo);
    combo->clear();
    combo->addItems(toQt(m_data.setNames));
}

Tvx_Array<Tvx_StringArray> Tvx_DlgCSP2::gridRows(int table) const {
    Tvx_Array<Tvx_StringArray> rows;
    const QTableWidget* g = grid(table);
    for (int r = 0; r < g->rowCount(); ++r) {
        Tvx_StringArray row;
        for (int c = 0; c < g->columnCount(); ++c) {
            const QTableWidgetItem* cell = g->item(r, c);
            row.append(cell == nullptr ? Tvx_String() : fromQt(cell->text()));
        }
        rows.append(row);
    }
    return rows;
}

void Tvx_DlgCSP2::setGridRows(int table, const Tvx_Array<Tvx_StringArray>& rows) {
    QTableWidget* g = grid(table);
    g->setRowCount(0);
    const Tvx_StringArray& headers = m_data.tables[table].headers;
    int columns = headers.length();
    for (const Tvx_StringArray& row : rows) {
        columns = std::max(columns, row.length());
    }
    g->setColumnCount(columns);
    QStringList labels = toQt(headers);
    for (int c = labels.size(); c < columns; ++c) {
        labels.append(QString::number(c + 1));
    }
    g->setHorizontalHeaderLabels(labels);
    g->setRowCount(rows.length());
    for (int r = 0; r < rows.length(); ++r) {
        for (int c = 0; c < rows[r].length(); ++c) {
            g->setItem(r, c, new QTableWidgetItem(toQt(rows[r][c])));
        }
    }
}

void Tvx_DlgCSP2::showSet() {
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        setGridRows(t, m_currentSet < 0 ? Tvx_Array<Tvx_StringArray>()
                                        : m_data.tables[t].rowsOfSet(m_currentSet));
    }
    const bool haveSet = m_currentSet >= 0;
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        EnableItem(kAddRow[t], haveSet);
        EnableItem(kDeleteRows[t], haveSet);
    }
    for (int id : {kRemoveSet, kLoadStock, kSaveStock, kLoadPurchase, kSavePurchase}) {
        EnableItem(id, haveSet);
    }
}

void Tvx_DlgCSP2::storeSet() {
    if (m_currentSet < 0) {
        return;
    }
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        m_data.tables[t].replaceRowsOfSet(m_currentSet, gridRows(t));
    }
}

void Tvx_DlgCSP2::OnSelectSet() {
    const int index = comboBox(kSetCombo)->currentIndex();
    storeSet();
    m_currentSet = index >= 0 && index < m_data.setIds.length() ? m_data.setIds[index] : -1;
    showSet();
}

void Tvx_DlgCSP2::OnAddSet() {
    Tvx_DlgPromptString prompt(dialString(631), dialString(632), dialString(171), dialString(1),
                               dialString(2));
    if (prompt.DoModal() != IDOK) {
        return;
    }
    // The name becomes a folder of the library: refuse what would leave it or break it.
    if (!isValidSetName(prompt.m_value)) {
        ovMessageBox(L"\"" + prompt.m_value + L"\": " + dialString(kTextBadSetName),
                     dialString(kTextTitle), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Two sets of one name would share a folder and mix their files.
    if (m_data.setNames.contains(prompt.m_value, false)) {
        ovMessageBox(L"\"" + prompt.m_value + L"\": " + dialString(kTextSetExists),
                     dialString(kTextTitle), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    storeSet();
    m_currentSet = m_data.addSet(prompt.m_value);
    fillCombo();
    comboBox(kSetCombo)->setCurrentIndex(m_data.indexOfSet(m_currentSet));
    showSet();
}

void Tvx_DlgCSP2::OnRemoveSet() {
    if (m_currentSet < 0) {
        return;
    }
    m_currentSet = m_data.removeSet(m_currentSet);
    fillCombo();
    comboBox(kSetCombo)->setCurrentIndex(m_data.indexOfSet(m_currentSet));
    showSet();
}

void Tvx_DlgCSP2::OnAddRow(int table) {
    if (m_currentSet < 0) {
        return;
    }
    QTableWidget* g = grid(table);
    g->insertRow(g->rowCount());
    for (int c = 0; c < g->columnCount(); ++c) {
        g->setItem(g->rowCount() - 1, c, new QTableWidgetItem());
    }
    g->setCurrentCell(g->rowCount() - 1, 0);
}

void Tvx_DlgCSP2::OnDeleteRows(int table) {
    QTableWidget* g = grid(table);
    QList<int> rows;
    for (const QModelIndex& index : g->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        g->removeRow(row);
    }
}

Tvx_String Tvx_DlgCSP2::currentFolder() {
    const Tvx_String folder = cuttingStockFolder(m_data.setName(m_currentSet));
    if (!folder.isEmpty()) {
        createFolder(folder);
    }
    return folder;
}

void Tvx_DlgCSP2::loadGrid(int table, const Tvx_String& extension) {
    if (extension.length() != 3 || m_currentSet < 0) {
        return;
    }
    const Tvx_String folder = currentFolder();
    if (folder.isEmpty()) {
        return;
    }
    Tvx_String path = newestSetFile(folder, extension);
    if (path.isEmpty()) {
        path = folder + L"*." + extension;
    }
    if (!DlgOpenSave(true, extension, filterFor(extension), dialString(618), path)) {
        return;
    }
    Tvx_Array<Tvx_StringArray> rows;
    Tvx_String error;
    if (!readSetFile(path, rows, error)) {
        ovMessageBox(error, dialString(kTextTitle), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    setGridRows(table, rows);
}

void Tvx_DlgCSP2::saveGrid(int table, const Tvx_String& extension) {
    if (extension.length() != 3 || m_currentSet < 0) {
        return;
    }
    saveRows(m_data.setName(m_currentSet), gridRows(table), extension, true);
}

bool Tvx_DlgCSP2::saveRows(const Tvx_String& setName, const Tvx_Array<Tvx_StringArray>& rows,
                           const Tvx_String& extension, bool ask) {
    const Tvx_String folder = cuttingStockFolder(setName);
    if (folder.isEmpty() || !createFolder(folder)) {
        return false;
    }
    Tvx_String path = folder + proposedStockName(folder, extension);
    if (ask && !DlgOpenSave(false, extension, filterFor(extension), dialString(619), path)) {
        return false;
    }
    Tvx_String error;
    if (!writeSetFile(loweredFileName(path), rows, error)) {
        ovMessageBox(error, dialString(kTextTitle), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void Tvx_DlgCSP2::OnList() {
    storeSet();
    if (m_data.mode) {
        const bool ask = IsDlgButtonChecked(kAskNames) == BST_CHECKED;
        for (int i = 0; i < m_data.setIds.length() && i < m_data.setNames.length(); ++i) {
            saveRows(m_data.setNames[i], m_data.tables[0].rowsOfSet(m_data.setIds[i]),
                     kStockExtension, ask);
        }
    }
    ExportStartDlgInfo(dialString(652), dialString(285), cuttingStockListing(m_data));
}

void Tvx_DlgCSP2::OnOK() {
    storeSet();
    EndDialog(IDOK);
}

void Tvx_DlgCSP2::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool StartDlgCSP2(DlgCSP2Data& data) {
    return ovui::runModalOnCopy<Tvx_DlgCSP2>(data);
}
