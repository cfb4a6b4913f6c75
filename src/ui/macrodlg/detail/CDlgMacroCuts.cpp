// CDlgMacroCuts.cpp - the cuts dialog and its launcher.
#include "ui/macrodlg/detail/CDlgMacroCuts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "macrodlg/detail/CutsDialogRules.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/macrodlg/detail/DetailWidgets.h"

namespace {

using namespace ovui::detail;

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kLinkedColumn = 2;

// Stand-in pictures of the six kinds: a profile (grey) and what cuts it (outline).
void drawKind(QPainter& p, int kind) {
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(180, 190, 205));
    switch (kind) {
        case 1:
            p.drawRect(4, 12, 30, 10);
            p.setBrush(QColor(230, 200, 120));
            p.drawRect(34, 4, 6, 26);
            break;
        case 2:
            p.drawRect(4, 12, 28, 10);
            p.drawRect(32, 2, 10, 30);
            break;
        case 3:
            p.drawRect(4, 12, 36, 10);
            p.setBrush(Qt::NoBrush);
            p.drawRect(16, 8, 12, 18);
            break;
        case 4:
            p.drawRect(4, 12, 14, 10);
            p.drawRect(18, 8, 10, 18);
            p.drawRect(28, 12, 14, 10);
            break;
        case 5:
            p.drawPolygon(QPolygon(
                {QPoint(4, 8), QPoint(32, 8), QPoint(42, 18), QPoint(42, 28), QPoint(4, 28)}));
            break;
        default: {
            QPainterPath path(QPoint(4, 8));
            path.lineTo(30, 8);
            path.quadTo(42, 8, 42, 20);
            path.lineTo(42, 28);
            path.lineTo(4, 28);
            path.closeSubpath();
            p.drawPath(path);
        }
    }
}

}  // namespace

CDlgMacroCuts::CDlgMacroCuts(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(toQtLabel(9550), addControl(kName, new QLineEdit(this)));
    auto* kind = addControl(kKind, new QComboBox(this));
    kind->setIconSize(QSize(46, 34));
    form->addRow(toQtLabel(9543), kind);
    form->addRow(toQtLabel(9544), addControl(kPart, new QComboBox(this)));
    auto* sides = new QHBoxLayout;
    auto* sideGroup = new QButtonGroup(this);
    for (int id : {kSide1, kSide2}) {
        sideGroup->addButton(addControl(id, new QRadioButton(this)));
        sides->addWidget(item(id));
    }
    sides->addStretch(1);
    form->addRow(QString(), sides);
    layout->addLayout(form);

    auto* options = new QHBoxLayout;
    for (int id : {kKeepContour, kBothEnds, kMirror}) {
        options->addWidget(addControl(id, new QCheckBox(this)));
    }
    options->addStretch(1);
    layout->addLayout(options);

    auto* table =
        addControl(kGrid, makeTable(this, {dialString(1078), dialString(881), dialString(87)}));
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(kLinkedColumn, QHeaderView::ResizeToContents);
    layout->addWidget(table, 1);

    auto* texts = new QFormLayout;
    texts->addRow(toQtLabel(9551), addControl(kText1, new QLineEdit(this)));
    texts->addRow(toQtLabel(9552), addControl(kText2, new QLineEdit(this)));
    layout->addLayout(texts);
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    resize(440, 480);

    connect(kind, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        fillGrid(index + 1);
        showKind(index + 1);
    });
}

QString CDlgMacroCuts::toQtLabel(int text) {
    return ovui::toQt(dialString(text));
}

QTableWidget* CDlgMacroCuts::grid() const {
    return qobject_cast<QTableWidget*>(item(kGrid));
}

bool CDlgMacroCuts::OnInitDialog() {
    SetWindowText(dialString(m_data.newCut ? 1079 : 1080));
    SetDlgItemText(kSide1, dialString(9545));
    SetDlgItemText(kSide2, dialString(9546));
    SetDlgItemText(kKeepContour, dialString(9547));
    SetDlgItemText(kBothEnds, dialString(9548));
    SetDlgItemText(kMirror, dialString(9549));

    QComboBox* kinds = comboBox(kKind);
    for (int k = 1; k <= kCutKindCount; ++k) {
        const QPixmap picture =
            pictureOr(cutKindPicturePath(k), QSize(46, 34), [k](QPainter& p) { drawKind(p, k); });
        kinds->addItem(QIcon(picture), ovui::toQt(dialString(1083 + k)));
    }
    fillCombo(comboBox(kPart),
              {dialString(1395), dialString(1396), dialString(1397), dialString(1398)});

    const int kind = m_data.kind >= 1 && m_data.kind <= kCutKindCount ? m_data.kind : 1;
    kinds->setCurrentIndex(kind - 1);
    comboBox(kPart)->setCurrentIndex(std::clamp(m_data.part, 0, 3));
    CheckDlgButton(m_data.side == 2 ? kSide2 : kSide1, BST_CHECKED);
    CheckDlgButton(kKeepContour, m_data.keepContour ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kBothEnds, m_data.bothEnds ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kMirror, m_data.mirror ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kName, m_data.name);
    SetDlgItemText(kText1, m_data.text1);
    SetDlgItemText(kText2, m_data.text2);
    fillGrid(kind);
    showKind(kind);

    ChangeDlgSize(this, kSizeKey);
    m_initialised = true;
    return true;
}

void CDlgMacroCuts::showKind(int kind) {
    const bool profiles = kind >= 2 && kind <= 4;
    const bool corner = kind == 5 || kind == 6;
    item(kKeepContour)->setVisible(profiles);
    item(kBothEnds)->setVisible(corner);
    item(kMirror)->setVisible(corner);
}

void CDlgMacroCuts::fillGrid(int kind) {
    // The kind's variables, with the record's values where it has them; a cut of the record's
    // own kind keeps its further variables too.
    Tvx_Array<DlgMacroCutVar> rows = DlgMacroCutsData::GetDefaultValues(kind);
    for (DlgMacroCutVar& row : rows) {
        for (const DlgMacroCutVar& own : m_data.vars) {
            if (own.name == row.name) {
                row = own;
            }
        }
    }
    if (kind == m_data.kind) {
        for (const DlgMacroCutVar& own : m_data.vars) {
            bool listed = false;
            for (const DlgMacroCutVar& row : rows) {
                listed = listed || row.name == own.name;
            }
            if (!listed) {
                rows.append(own);
            }
        }
    }
    QTableWidget* table = grid();
    table->setRowCount(rows.length());
    for (int r = 0; r < rows.length(); ++r) {
        setCellText(table, r, kNameColumn, cutVarDisplayName(rows[r].name), false);
        table->item(r, kNameColumn)->setData(Qt::UserRole, ovui::toQt(rows[r].name));
        setCellText(table, r, kValueColumn, rows[r].value);
        setCellCheck(table, r, kLinkedColumn, rows[r].linked);
    }
}

void CDlgMacroCuts::readControls(DlgMacroCutsData& out) const {
    out.name = GetDlgItemText(kName);
    out.kind = comboBox(kKind)->currentIndex() + 1;
    out.part = comboBox(kPart)->currentIndex();
    out.side = IsDlgButtonChecked(kSide2) == BST_CHECKED ? 2 : 1;
    out.keepContour = IsDlgButtonChecked(kKeepContour) == BST_CHECKED;
    out.bothEnds = IsDlgButtonChecked(kBothEnds) == BST_CHECKED;
    out.mirror = IsDlgButtonChecked(kMirror) == BST_CHECKED;
    out.text1 = GetDlgItemText(kText1);
    out.text2 = GetDlgItemText(kText2);
    out.vars.removeAll();
    const QTableWidget* table = grid();
    for (int r = 0; r < table->rowCount(); ++r) {
        DlgMacroCutVar v;
        v.name = ovui::fromQt(table->item(r, kNameColumn)->data(Qt::UserRole).toString());
        v.value = cellText(table, r, kValueColumn);
        v.linked = cellChecked(table, r, kLinkedColumn);
        out.vars.append(v);
    }
}

void CDlgMacroCuts::OnOK() {
    DlgMacroCutsData edited = m_data;
    readControls(edited);
    CutsRefusal refusal;
    if (checkCutsRecord(edited, refusal)) {
        ovMessageBox(refusal.text, refusal.caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_changed = !(edited == m_data);
    m_data = edited;
    EndDialog(IDOK);
}

void CDlgMacroCuts::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}
