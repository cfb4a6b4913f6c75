// CDlgArray.cpp - the array dialog.
#include "ui/macrodlg/detail/CDlgArray.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Paths.h"
#include "core/Texts.h"
#include "designer/DesignerTemplates.h"
#include "macrodlg/detail/ArrayDetailRules.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/macrodlg/detail/DetailWidgets.h"
#include "ui/resources/ModuleArtwork.h"

namespace {
using namespace ovui::detail;

QString text(int number) {
    return ovui::toQt(dialString(number));
}
}  // namespace

CDlgArray::CDlgArray(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* add = addControl(kAdd, new CButtonST(this));
    add->SetIcon(ovui::icons::kAdd);
    auto* remove = addControl(kRemove, new CButtonST(this));
    remove->SetIcon(ovui::icons::kDelete);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    Tvx_StringArray headers;
    for (int i = 0; i < DynArrayDetails::kColumns; ++i) {
        headers.append(dialString(9557 + i));
    }
    layout->addWidget(addControl(kGrid, makeTable(this, headers)), 1);

    auto* form = new QFormLayout;
    auto* image = addControl(kImage, new QComboBox(this));
    image->setIconSize(QSize(32, 24));
    form->addRow(text(9562), image);
    form->addRow(text(9563), addControl(kSide, new QComboBox(this)));
    form->addRow(text(9564), addControl(kStep, new QComboBox(this)));
    auto* skip = addControl(kSkip, new QSpinBox(this));
    skip->setRange(0, 9999);
    form->addRow(QStringLiteral("Nr of entries to skip"), skip);
    form->addRow(
        QString(),
        addControl(kAlternating, new QCheckBox(QStringLiteral("Add entries alternating"), this)));
    layout->addLayout(form);
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    resize(560, 420);

    connect(add, &CButtonST::clicked, this, [this] { addEntry(); });
    connect(remove, &CButtonST::clicked, this, [this] { removeEntry(); });
}

void CDlgArray::setContext(const AcArray<AcDbObjectId>& ids, const Tvx_String& name) {
    m_ids = ids;
    m_name = name;
}

QTableWidget* CDlgArray::grid() const {
    return qobject_cast<QTableWidget*>(item(kGrid));
}

bool CDlgArray::OnInitDialog() {
    const Tvx_String name = m_name.isEmpty() ? m_data.name : m_name;
    SetWindowText(name.isEmpty() ? dialString(1056) : dialString(1056) + L" - " + name);
    qobject_cast<CButtonST*>(item(kAdd))->SetTooltipText(dialString(9571));
    qobject_cast<CButtonST*>(item(kRemove))->SetTooltipText(dialString(9572));

    Tvx_StringArray images;
    getModuleImages(images);
    QComboBox* imageCombo = comboBox(kImage);
    for (const Tvx_String& image : images) {
        const Tvx_String picture = getDesignerRootFolder() + image + L".bmp";
        imageCombo->addItem(QIcon(pictureOr(picture, QSize(32, 24), [](QPainter&) {})),
                            ovui::toQt(image));
    }
    if (!m_data.details.image.isEmpty()) {
        selectOrAdd(imageCombo, m_data.details.image);
    }
    fillCombo(comboBox(kSide), arraySideItems());
    fillCombo(comboBox(kStep), arrayStepItems());
    comboBox(kSide)->setCurrentIndex(arraySideToItem(m_data.details.alternateSide));
    comboBox(kStep)->setCurrentIndex(arrayStepToItem(m_data.details.alternateStep));
    qobject_cast<QSpinBox*>(item(kSkip))->setValue(m_data.details.skip);
    CheckDlgButton(kAlternating, m_data.details.addAlternating ? BST_CHECKED : BST_UNCHECKED);

    QTableWidget* table = grid();
    table->setRowCount(m_data.details.rows.length());
    for (int r = 0; r < m_data.details.rows.length(); ++r) {
        const Tvx_StringArray& row = m_data.details.rows[r];
        for (int c = 0; c < DynArrayDetails::kColumns; ++c) {
            setCellText(table, r, c, row.isValid(c) ? row[c] : Tvx_String());
        }
    }
    return true;
}

void CDlgArray::addEntry() {
    QTableWidget* table = grid();
    const int row = table->rowCount();
    table->insertRow(row);
    setCellText(table, row, 0, ovui::fromQt(comboBox(kImage)->currentText()));
    setCellText(table, row, 1, L"1");
    for (int c = 2; c < DynArrayDetails::kColumns; ++c) {
        setCellText(table, row, c, L"0");
    }
    table->setCurrentCell(row, 1);
}

void CDlgArray::removeEntry() {
    QTableWidget* table = grid();
    if (table->currentRow() >= 0) {
        table->removeRow(table->currentRow());
    }
}

void CDlgArray::OnOK() {
    DynArrayDetails edited = m_data.details;
    edited.rows.removeAll();
    const QTableWidget* table = grid();
    for (int r = 0; r < table->rowCount(); ++r) {
        Tvx_StringArray row;
        for (int c = 0; c < DynArrayDetails::kColumns; ++c) {
            row.append(cellText(table, r, c));
        }
        edited.rows.append(row);
    }
    edited.image = ovui::fromQt(comboBox(kImage)->currentText());
    edited.alternateSide = arraySideFromItem(comboBox(kSide)->currentIndex());
    edited.alternateStep = arrayStepFromItem(comboBox(kStep)->currentIndex());
    edited.skip = qobject_cast<QSpinBox*>(item(kSkip))->value();
    edited.addAlternating = IsDlgButtonChecked(kAlternating) == BST_CHECKED;
    storeArrayDetails(m_data, edited);
    EndDialog(IDOK);
}
