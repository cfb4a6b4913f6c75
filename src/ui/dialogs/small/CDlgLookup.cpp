// CDlgLookup.cpp - the lookup dialog and its launcher.
#include "ui/dialogs/small/CDlgLookup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

CDlgLookup::CDlgLookup(QWidget* parent) : OvDialog(0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(addControl(kFilterLabel, new QLabel(this)));
    auto* filter = addControl(kFilter, new QLineEdit(this));
    filter->setClearButtonEnabled(true);
    filterRow->addWidget(filter, 1);
    layout->addLayout(filterRow);
    auto* values = addControl(kList, new QListWidget(this));
    layout->addWidget(values, 1);
    layout->addLayout(createOkCancelRow());
    resize(320, 380);
    connect(filter, &QLineEdit::textChanged, this, [this] { showValues(); });
    connect(values, &QListWidget::currentRowChanged, this,
            [this](int row) { EnableItem(IDOK, row >= 0); });
    connect(values, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

QListWidget* CDlgLookup::list() const {
    return qobject_cast<QListWidget*>(item(kList));
}

bool CDlgLookup::OnInitDialog() {
    SetWindowText(m_data.title.isEmpty() ? dialString(9953) : m_data.title);
    SetDlgItemText(kFilterLabel, dialString(9952));
    showValues();
    return true;
}

void CDlgLookup::showValues() {
    // Keep the chosen value selected while the filter still shows it.
    const QListWidgetItem* current = list()->currentItem();
    const Tvx_String keep = current != nullptr ? fromQt(current->text()) : m_data.value;
    list()->clear();
    const Tvx_StringArray shown = filterLookUpValues(m_data.values, GetDlgItemText(kFilter));
    list()->addItems(toQt(shown));
    list()->setCurrentRow(shown.find(keep, true));
    EnableItem(IDOK, list()->currentRow() >= 0);
}

void CDlgLookup::OnOK() {
    const QListWidgetItem* current = list()->currentItem();
    if (current == nullptr) {
        return;
    }
    m_data.value = fromQt(current->text());
    EndDialog(IDOK);
}

bool StartDlgLookUp(OvLookUpDlgData& data) {
    return ovui::runModalOnCopy<CDlgLookup>(data);
}
