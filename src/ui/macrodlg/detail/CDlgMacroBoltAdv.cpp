// CDlgMacroBoltAdv.cpp - the bolt detail dialog.
#include "ui/macrodlg/detail/CDlgMacroBoltAdv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "macrodlg/detail/BoltDetailRules.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/controls/CCheckComboBox.h"
#include "ui/controls/OvTriStateCheckBox.h"
#include "ui/macrodlg/detail/DetailWidgets.h"

namespace {

using namespace ovui::detail;

constexpr int kNoSideItem = 2;

QString text(int number) {
    return ovui::toQt(dialString(number));
}

// Stand-in for the bolt picture: a bolt through two plates.
void drawBolt(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(20, 40, 120, 16);
    p.drawRect(20, 56, 120, 16);
    p.setBrush(QColor(150, 155, 165));
    p.drawRect(70, 24, 20, 16);  // head
    p.drawRect(76, 40, 8, 46);   // shank
    p.drawRect(68, 86, 24, 10);  // nut
}

}  // namespace

CDlgMacroBoltAdv::CDlgMacroBoltAdv(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = addControl(kPictureCtrl, new QLabel(this));
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAlignment(Qt::AlignCenter);
    top->addWidget(picture);

    auto* fields = new QFormLayout;
    fields->addRow(text(9505), addControl(kAssembly, new QComboBox(this)));
    fields->addRow(text(9506), addControl(kDiameter, new QComboBox(this)));
    fields->addRow(text(9507), addControl(kHoleOffset, new QLineEdit(this)));
    fields->addRow(text(9508), addControl(kLength, new QLineEdit(this)));
    fields->addRow(text(9509), addControl(kGrade, new QLineEdit(this)));
    top->addLayout(fields, 1);

    auto* checks = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        checks->addWidget(addControl(kStates[i], new OvTriStateCheckBox(text(9510 + i), this)));
    }
    checks->addWidget(addControl(kSlotted, new QCheckBox(this)));
    checks->addStretch(1);
    top->addLayout(checks);
    layout->addLayout(top);

    auto* holes = new QGroupBox(text(9525), this);
    auto* holesLayout = new QVBoxLayout(holes);
    holesLayout->addWidget(addControl(
        kHoleGrid, makeTable(holes, {dialString(9526), dialString(9527), dialString(9528),
                                     dialString(9529), dialString(9530)})));
    layout->addWidget(holes, 1);

    auto* entries = new QGroupBox(text(999), this);
    auto* entryGrid = new QGridLayout(entries);
    entryGrid->addWidget(addControl(kEntries, new CCheckComboBox(entries)), 0, 0, 1, 2);
    entryGrid->addWidget(addControl(kEntryActive, new QCheckBox(text(9519), entries)), 0, 2, 1, 2);
    const int entryIds[] = {kEntryCount, kEntrySpacing, kEntryEdge, kEntryGauge};
    for (int i = 0; i < 4; ++i) {
        entryGrid->addWidget(new QLabel(text(9520 + i), entries), 1 + i / 2, (i % 2) * 2);
        entryGrid->addWidget(addControl(entryIds[i], new QLineEdit(entries)), 1 + i / 2,
                             (i % 2) * 2 + 1);
    }
    entryGrid->addWidget(new QLabel(text(9524), entries), 3, 0);
    entryGrid->addWidget(addControl(kEntrySide, new QComboBox(entries)), 3, 1);
    layout->addWidget(entries);

    auto* options = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        options->addWidget(addControl(kOptions[i], new QCheckBox(text(9514 + i), this)), i / 3,
                           i % 3);
    }
    layout->addLayout(options);
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    resize(560, 600);

    connect(entryList(), &CCheckComboBox::checkChanged, this, [this](int index, bool checked) {
        if (!m_data.details.entries.isValid(index)) {
            return;
        }
        m_data.details.entries[index].active = checked;
        if (index == m_shown) {
            CheckDlgButton(kEntryActive, checked ? BST_CHECKED : BST_UNCHECKED);
        } else {
            chooseEntry(index);
        }
    });
    connect(entryList(), qOverload<int>(&QComboBox::activated), this,
            [this](int index) { chooseEntry(index); });
    connect(checkBox(kEntryActive), &QCheckBox::clicked, this, [this](bool checked) {
        if (m_data.details.entries.isValid(m_shown)) {
            m_data.details.entries[m_shown].active = checked;
            const QSignalBlocker block(entryList());
            entryList()->SetCheck(m_shown, checked);
        }
    });
}

void CDlgMacroBoltAdv::setLists(const Tvx_StringArray& assemblies,
                                const Tvx_StringArray& diameters) {
    m_assemblies = assemblies;
    m_diameters = diameters;
}

QTableWidget* CDlgMacroBoltAdv::holeGrid() const {
    return qobject_cast<QTableWidget*>(item(kHoleGrid));
}

CCheckComboBox* CDlgMacroBoltAdv::entryList() const {
    return qobject_cast<CCheckComboBox*>(item(kEntries));
}

OvTriStateCheckBox* CDlgMacroBoltAdv::triState(int id) const {
    return qobject_cast<OvTriStateCheckBox*>(item(id));
}

bool CDlgMacroBoltAdv::OnInitDialog() {
    SetWindowText(dialString(983));
    const QPixmap picture =
        pictureOr(gSettings.tvxDir + L"icons\\" + kPicture, QSize(160, 110), drawBolt);
    label(kPictureCtrl)->setPixmap(picture);
    fillCombo(comboBox(kEntrySide), {dialString(994), dialString(995), dialString(996)});
    fillControls();
    ChangeDlgSize(this, kSizeKey);
    m_initialised = true;
    return true;
}

void CDlgMacroBoltAdv::fillControls() {
    fillCombo(comboBox(kAssembly), m_assemblies);
    selectOrAdd(comboBox(kAssembly), m_data.assembly);
    fillCombo(comboBox(kDiameter), m_diameters);
    selectOrAdd(comboBox(kDiameter), m_data.diameter);
    SetDlgItemText(kHoleOffset, m_data.holeOffset);
    SetDlgItemText(kLength, m_data.length);
    SetDlgItemText(kGrade, m_data.grade);
    for (int i = 0; i < 4; ++i) {
        triState(kStates[i])->setState(m_data.details.states[static_cast<std::size_t>(i)]);
    }
    const bool hasCount = m_data.count > 0;
    EnableItem(kSlotted, hasCount);
    SetDlgItemText(kSlotted, dialString(hasCount ? 997 : 998));
    CheckDlgButton(kSlotted, m_data.details.slotted ? BST_CHECKED : BST_UNCHECKED);

    QTableWidget* grid = holeGrid();
    grid->setRowCount(m_data.holeColumns.length());
    for (int r = 0; r < m_data.holeColumns.length(); ++r) {
        for (int c = 0; c < 5; ++c) {
            const Tvx_StringArray& row = m_data.holeColumns[r];
            setCellText(grid, r, c, row.isValid(c) ? row[c] : Tvx_String());
        }
    }

    {
        const QSignalBlocker block(entryList());
        entryList()->ResetContent();
        for (int i = 0; i < m_data.details.entries.length(); ++i) {
            entryList()->AddString(boltEntryLabel(i));
            entryList()->SetCheck(i, m_data.details.entries[i].active);
        }
    }
    m_shown = -1;
    showEntry(m_data.details.entries.isEmpty() ? -1 : 0);

    for (int i = 0; i < 5; ++i) {
        const int value = m_data.details.options[static_cast<std::size_t>(i)];
        EnableItem(kOptions[i], value >= 0);
        CheckDlgButton(kOptions[i], value == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CDlgMacroBoltAdv::showEntry(int index) {
    const bool valid = m_data.details.entries.isValid(index);
    const MacroBoltEntry entry = valid ? m_data.details.entries[index] : MacroBoltEntry{};
    for (int id : {kEntryActive, kEntryCount, kEntrySpacing, kEntryEdge, kEntryGauge, kEntrySide}) {
        EnableItem(id, valid);
    }
    CheckDlgButton(kEntryActive, valid && entry.active ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kEntryCount, entry.count);
    SetDlgItemText(kEntrySpacing, entry.spacing);
    SetDlgItemText(kEntryEdge, entry.edge);
    SetDlgItemText(kEntryGauge, entry.gauge);
    comboBox(kEntrySide)
        ->setCurrentIndex(entry.side == 0 || entry.side == 1 ? entry.side : kNoSideItem);
    m_shown = valid ? index : -1;
    if (valid) {
        const QSignalBlocker block(entryList());
        entryList()->setCurrentIndex(index);
    }
}

void CDlgMacroBoltAdv::storeShownEntry() {
    if (!m_data.details.entries.isValid(m_shown)) {
        return;
    }
    MacroBoltEntry& entry = m_data.details.entries[m_shown];
    entry.active = IsDlgButtonChecked(kEntryActive) == BST_CHECKED;
    entry.count = GetDlgItemText(kEntryCount);
    entry.spacing = GetDlgItemText(kEntrySpacing);
    entry.edge = GetDlgItemText(kEntryEdge);
    entry.gauge = GetDlgItemText(kEntryGauge);
    const int side = comboBox(kEntrySide)->currentIndex();
    entry.side = side == kNoSideItem ? -1 : side;
}

void CDlgMacroBoltAdv::chooseEntry(int index) {
    storeShownEntry();
    showEntry(index);
}

void CDlgMacroBoltAdv::readControls() {
    m_data.assembly = ovui::fromQt(comboBox(kAssembly)->currentText());
    m_data.diameter = ovui::fromQt(comboBox(kDiameter)->currentText());
    m_data.holeOffset = GetDlgItemText(kHoleOffset);
    m_data.length = GetDlgItemText(kLength);
    m_data.grade = GetDlgItemText(kGrade);
    for (int i = 0; i < 4; ++i) {
        m_data.details.states[static_cast<std::size_t>(i)] = triState(kStates[i])->state();
    }
    if (IsItemEnabled(kSlotted)) {
        m_data.details.slotted = IsDlgButtonChecked(kSlotted) == BST_CHECKED;
    }
    Tvx_Array<Tvx_StringArray> rows;
    const QTableWidget* grid = holeGrid();
    for (int r = 0; r < grid->rowCount(); ++r) {
        Tvx_StringArray row;
        for (int c = 0; c < 5; ++c) {
            row.append(cellText(grid, r, c));
        }
        rows.append(row);
    }
    m_data.setHoleColumns(rows);
    storeShownEntry();
    for (int i = 0; i < 5; ++i) {
        m_data.details.options[static_cast<std::size_t>(i)] =
            IsItemEnabled(kOptions[i]) ? IsDlgButtonChecked(kOptions[i]) : -1;
    }
}

void CDlgMacroBoltAdv::OnOK() {
    readControls();
    const int invalid = findInvalidBoltEntry(m_data.details);
    if (invalid >= 0) {
        chooseEntry(invalid);
        ovMessageBox(invalidBoltEntryMessage(invalid), invalidBoltEntryCaption(),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_apply) {
        m_apply(m_data);
        fillControls();
    }
    EndDialog(IDOK);
}

void CDlgMacroBoltAdv::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}
