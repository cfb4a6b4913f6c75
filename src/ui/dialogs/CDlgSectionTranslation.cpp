// CDlgSectionTranslation.cpp - the section-name translation editor.
#include "ui/dialogs/CDlgSectionTranslation.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "dialogs/SectionTranslation.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/resources/ModuleArtwork.h"

using ovui::fromQt;
using ovui::toQt;

namespace {
Tvx_String cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell != nullptr ? fromQt(cell->text()).trim() : Tvx_String();
}
}  // namespace

CDlgSectionTranslation::CDlgSectionTranslation(const Tvx_String& caption,
                                               const Tvx_String& labelText,
                                               const Tvx_StringArray& names,
                                               const Tvx_StringArray& otherNames, QWidget* parent)
    : OvDialog(kTemplateId, parent),
      caption_(caption),
      labelText_(labelText),
      names_(names),
      otherNames_(otherNames) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* text = addControl(kLabel, new QLabel(this));
    text->setWordWrap(true);
    top->addWidget(text, 1);
    auto* add = addControl(kAddRow, new CButtonST(this));
    add->SetIcon(ovui::icons::kAdd);
    add->setToolTip(tr("Add a row"));
    auto* remove = addControl(kRemoveRow, new CButtonST(this));
    remove->SetIcon(ovui::icons::kDelete);
    remove->setToolTip(tr("Remove the selected row"));
    top->addWidget(add);
    top->addWidget(remove);
    layout->addLayout(top);

    auto* grid = addControl(kTable, new QTableWidget(0, 2, this));
    grid->setHorizontalHeaderLabels({tr("Section name"), tr("Translated name")});
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(grid, 1);
    layout->addLayout(createOkCancelRow());
    resize(460, 380);

    connect(add, &QToolButton::clicked, this, [this] { addRow(Tvx_String(), Tvx_String()); });
    connect(remove, &QToolButton::clicked, this, [this] { removeCurrentRow(); });
}

QTableWidget* CDlgSectionTranslation::table() const {
    return qobject_cast<QTableWidget*>(item(kTable));
}

bool CDlgSectionTranslation::OnInitDialog() {
    SetWindowText(caption_);
    SetDlgItemText(kLabel, labelText_);
    for (int i = 0; i < names_.length(); ++i) {
        addRow(names_[i], i < otherNames_.length() ? otherNames_[i] : Tvx_String());
    }
    return true;
}

void CDlgSectionTranslation::addRow(const Tvx_String& name, const Tvx_String& other) {
    QTableWidget* grid = table();
    const int row = grid->rowCount();
    grid->insertRow(row);
    grid->setItem(row, 0, new QTableWidgetItem(toQt(name)));
    grid->setItem(row, 1, new QTableWidgetItem(toQt(other)));
    grid->setCurrentCell(row, 0);
}

void CDlgSectionTranslation::removeCurrentRow() {
    QTableWidget* grid = table();
    if (grid->currentRow() >= 0) {
        grid->removeRow(grid->currentRow());
    }
}

void CDlgSectionTranslation::OnOK() {
    QTableWidget* grid = table();
    Tvx_StringArray names;
    Tvx_StringArray others;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const Tvx_String name = cellText(grid, row, 0);
        if (!name.isEmpty()) {  // a row without a section name translates nothing
            names.append(name);
            others.append(cellText(grid, row, 1));
        }
    }
    names_ = names;
    otherNames_ = others;
    EndDialog(IDOK);
}

bool writeSectionTranslation(const Tvx_String& caption, const Tvx_String& labelText,
                             const Tvx_String& fileName, Tvx_StringArray& names,
                             Tvx_StringArray& otherNames) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    CDlgSectionTranslation dialog(caption, labelText, names, otherNames);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    if (!saveSectionTranslation(fileName, dialog.names(), dialog.otherNames())) {
        ovMessageBox(
            L"The file \"" + sectionTranslationPath(fileName) + L"\" could not be written.",
            caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    names = dialog.names();
    otherNames = dialog.otherNames();
    return true;
}
