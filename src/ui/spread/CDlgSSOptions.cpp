// CDlgSSOptions.cpp - the column and row captions dialog and its launcher.
#include "ui/spread/CDlgSSOptions.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"

CDlgSSOptions::CDlgSSOptions(QWidget* parent) : OvDialog(IDD, parent), m_host(this) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    struct Field {
        int label, edit, row, col;
    };
    for (const Field& f :
         {Field{kColCountLabel, kColCount, 0, 0}, Field{kRowCountLabel, kRowCount, 1, 0},
          Field{kRowHeightLabel, kRowHeight, 0, 2}, Field{kColWidthLabel, kColWidth, 1, 2}}) {
        form->addWidget(addControl(f.label, new QLabel(this)), f.row, f.col);
        auto* edit = addControl(f.edit, new QLineEdit(this));
        edit->setMaximumWidth(70);
        form->addWidget(edit, f.row, f.col + 1);
    }
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    layout->addLayout(form);

    layout->addWidget(addControl(kColCaptionsLabel, new QLabel(this)));
    auto* colPlaceholder = addControl(kColCaptionsGrid, new QWidget(this));
    colPlaceholder->setFixedHeight(64);
    layout->addWidget(colPlaceholder);
    layout->addWidget(addControl(kRowCaptionsLabel, new QLabel(this)));
    auto* rowPlaceholder = addControl(kRowCaptionsGrid, new QWidget(this));
    rowPlaceholder->setMinimumHeight(160);
    rowPlaceholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(rowPlaceholder, 1);
    layout->addLayout(createOkCancelRow());
    resize(520, 440);

    connect(lineEdit(kColCount), &QLineEdit::textChanged, this, [this] { onColCountChanged(); });
    connect(lineEdit(kRowCount), &QLineEdit::textChanged, this, [this] { onRowCountChanged(); });
    connect(lineEdit(kRowHeight), &QLineEdit::textChanged, this,
            [this] { m_colGrid.SSSetRowHeightInPixels(1, std::max(countIn(kRowHeight), 1)); });
    connect(lineEdit(kColWidth), &QLineEdit::textChanged, this,
            [this] { m_rowGrid.SSSetColWidthInPixels(1, std::max(countIn(kColWidth), 1)); });
}

CDlgSSOptions::~CDlgSSOptions() = default;

bool CDlgSSOptions::OnInitDialog() {
    if (!m_colGrid.create(&m_host, kColCaptionsGrid, true) ||
        !m_rowGrid.create(&m_host, kRowCaptionsGrid, true)) {
        return false;
    }
    m_colGrid.SSSetBool(10, true);
    for (int code : {11, 3, 4}) {
        m_colGrid.SSSetBool(code, false);
    }
    m_rowGrid.SSSetBool(10, false);
    m_rowGrid.SSSetBool(11, true);
    for (int code : {3, 4}) {
        m_rowGrid.SSSetBool(code, false);
    }
    m_colGrid.setMaxRows(1);
    m_rowGrid.setMaxCols(1);
    m_colGrid.SSSetRowHeightInPixels(1, std::max(m_data.captionRowHeight, 1));
    m_rowGrid.SSSetColWidthInPixels(1, std::max(m_data.captionColWidth, 1));
    showColCaptions(std::clamp(m_data.colCount, 0, kMaxCount));
    showRowCaptions(std::clamp(m_data.rowCount, 0, kMaxCount));

    SetWindowText(dialString(1369));
    SetDlgItemText(kColCaptionsLabel, dialString(1370) + L" - " + dialString(1371));
    SetDlgItemText(kRowCaptionsLabel, dialString(1372));
    SetDlgItemText(kColCountLabel, dialString(1373));
    SetDlgItemText(kRowCountLabel, dialString(1374));
    SetDlgItemText(kRowHeightLabel, dialString(1375));
    SetDlgItemText(kColWidthLabel, dialString(1376));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    // The grids already show these values; filling the edits must not rebuild them.
    const QSignalBlocker blockCols(lineEdit(kColCount));
    const QSignalBlocker blockRows(lineEdit(kRowCount));
    SetDlgItemText(kColCount, Tvx_String::fromInt(m_data.colCount));
    SetDlgItemText(kRowCount, Tvx_String::fromInt(m_data.rowCount));
    SetDlgItemText(kRowHeight, Tvx_String::fromInt(m_data.captionRowHeight));
    SetDlgItemText(kColWidth, Tvx_String::fromInt(m_data.captionColWidth));
    return true;
}

int CDlgSSOptions::countIn(int editId) const {
    return std::clamp(GetDlgItemText(editId).toInt(), 0, kMaxCount);
}

Tvx_String CDlgSSOptions::captionAt(const Tvx_StringArray& edited, const Tvx_StringArray& given,
                                    int i) const {
    if (i < edited.length()) {
        return edited[i];
    }
    return i < given.length() ? given[i] : Tvx_String();
}

// What the grid shows replaces the edited captions it covers; captions beyond the grid (of a
// count lowered a moment ago) are kept for when it grows again.
void CDlgSSOptions::keepColCaptions() {
    Tvx_StringArray shown;
    m_colGrid.getRowTexts(1, shown);
    for (int i = 0; i < shown.length(); ++i) {
        if (i < m_editedColCaptions.length()) {
            m_editedColCaptions[i] = shown[i];
        } else {
            m_editedColCaptions.append(shown[i]);
        }
    }
}

void CDlgSSOptions::keepRowCaptions() {
    Tvx_StringArray shown;
    m_rowGrid.getColTexts(1, shown);
    for (int i = 0; i < shown.length(); ++i) {
        if (i < m_editedRowCaptions.length()) {
            m_editedRowCaptions[i] = shown[i];
        } else {
            m_editedRowCaptions.append(shown[i]);
        }
    }
}

void CDlgSSOptions::showColCaptions(int count) {
    m_colGrid.setMaxCols(count);
    for (int col = 1; col <= count; ++col) {
        m_colGrid.setCellText(col, 1, captionAt(m_editedColCaptions, m_data.colCaptions, col - 1));
    }
}

void CDlgSSOptions::showRowCaptions(int count) {
    m_rowGrid.setMaxRows(count);
    for (int row = 1; row <= count; ++row) {
        m_rowGrid.setCellText(1, row, captionAt(m_editedRowCaptions, m_data.rowCaptions, row - 1));
    }
}

void CDlgSSOptions::onColCountChanged() {
    keepColCaptions();
    showColCaptions(countIn(kColCount));
}

void CDlgSSOptions::onRowCountChanged() {
    keepRowCaptions();
    showRowCaptions(countIn(kRowCount));
}

void CDlgSSOptions::OnOK() {
    keepColCaptions();
    keepRowCaptions();
    m_data.colCount = countIn(kColCount);
    m_data.rowCount = countIn(kRowCount);
    m_data.captionRowHeight = std::max(countIn(kRowHeight), 1);
    m_data.captionColWidth = std::max(countIn(kColWidth), 1);
    m_data.colCaptions.removeAll();
    for (int i = 0; i < m_data.colCount; ++i) {
        m_data.colCaptions.append(captionAt(m_editedColCaptions, Tvx_StringArray(), i));
    }
    m_data.rowCaptions.removeAll();
    for (int i = 0; i < m_data.rowCount; ++i) {
        m_data.rowCaptions.append(captionAt(m_editedRowCaptions, Tvx_StringArray(), i));
    }
    EndDialog(IDOK);
}

bool StartDlgSSOptions(OvSSOptionsData& data) {
    return ovui::runModalOnCopy<CDlgSSOptions>(data);
}
