// CDlgEditDstvPoints.cpp - the DSTV point editor.
#include "ui/dialogs/dstv/CDlgEditDstvPoints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/PromptService.h"
#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

constexpr int kTextSides = 9930;  // four sides
constexpr int kTextViews = 9934;  // four views
constexpr int kTextMarks = 9938;  // three marks

QComboBox* choiceCombo(int firstText, int count, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (int i = 0; i < count; ++i) {
        combo->addItem(toQt(dialString(firstText + i)));
    }
    return combo;
}

Tvx_String decimals3(double value) {
    return Tvx_String(value, 3, true);
}

// The edited number when it is one of 0 or more, else the old value.
double editedDistance(const Tvx_String& text, double old) {
    Tvx_String trimmed = text;
    trimmed.trim();
    const double value = trimmed.toDouble();
    return trimmed.isNumber() && value >= 0 && value < 1e9 ? value : old;
}

}  // namespace

CDlgEditDstvPoints::CDlgEditDstvPoints(const Tvx_String& groupName, QWidget* parent)
    : OvDialog(kTemplateId, parent), m_group(groupName) {
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* list = addControl(kPointList, new QComboBox(this));
    list->setMinimumWidth(220);
    top->addWidget(list, 1);
    top->addWidget(addControl(kNewPoint, new QPushButton(this)));
    top->addWidget(addControl(kDeletePoint, new QPushButton(this)));
    layout->addLayout(top);

    auto* nameRow = new QFormLayout;
    nameRow->addRow(toQt(dialString(9912)), addControl(kName, new QLineEdit(this)));
    layout->addLayout(nameRow);

    auto* where = new QGroupBox(toQt(dialString(9911)), this);
    auto* whereLayout = new QVBoxLayout(where);
    whereLayout->addWidget(addControl(kGeomExtent, new QCheckBox(where)));
    auto* sides = new QFormLayout;
    sides->setContentsMargins(24, 0, 0, 0);
    sides->addRow(toQt(dialString(9914)),
                  addControl(kSide1, choiceCombo(kTextSides, kDstvSideCount, where)));
    sides->addRow(toQt(dialString(9915)),
                  addControl(kSide2, choiceCombo(kTextSides, kDstvSideCount, where)));
    whereLayout->addLayout(sides);
    whereLayout->addWidget(addControl(kInters, new QCheckBox(where)));
    auto* inters = new QFormLayout;
    inters->setContentsMargins(24, 0, 0, 0);
    inters->addRow(addControl(kIntersMid, new QCheckBox(where)));
    inters->addRow(toQt(dialString(9918)),
                   addControl(kIntersStart, choiceCombo(kTextSides, kDstvSideCount, where)));
    whereLayout->addLayout(inters);
    auto* plate = new QFormLayout;
    plate->addRow(toQt(dialString(9919)), addControl(kMinDistance, new QLineEdit(where)));
    plate->addRow(toQt(dialString(9920)),
                  addControl(kView, choiceCombo(kTextViews, kDstvViewCount, where)));
    plate->addRow(toQt(dialString(9921)),
                  addControl(kMark, choiceCombo(kTextMarks, kDstvMarkCount, where)));
    whereLayout->addLayout(plate);
    layout->addWidget(where);

    auto* hole = new QGroupBox(toQt(dialString(9916)), this);
    auto* holeLayout = new QFormLayout(hole);
    holeLayout->addRow(addControl(kFullHole, new QCheckBox(hole)));
    holeLayout->addRow(addControl(kThicknessBased, new QCheckBox(hole)));
    holeLayout->addRow(toQt(dialString(9924)), addControl(kHoleValue, new QLineEdit(hole)));
    layout->addWidget(hole);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(440);

    pushButton(kNewPoint)->setAutoDefault(false);
    pushButton(kDeletePoint)->setAutoDefault(false);
    connect(list, &QComboBox::activated, this, [this] { OnSelectPoint(); });
    connect(pushButton(kNewPoint), &QPushButton::clicked, this, [this] { OnNewPoint(); });
    connect(pushButton(kDeletePoint), &QPushButton::clicked, this, [this] { OnDeletePoint(); });
    // The two ways of finding a point exclude each other.
    connect(checkBox(kGeomExtent), &QCheckBox::clicked, this, [this](bool on) {
        CheckDlgButton(kInters, on ? BST_UNCHECKED : BST_CHECKED);
        applySelectionRule();
    });
    connect(checkBox(kInters), &QCheckBox::clicked, this, [this](bool on) {
        CheckDlgButton(kGeomExtent, on ? BST_UNCHECKED : BST_CHECKED);
        applySelectionRule();
    });
}

bool CDlgEditDstvPoints::OnInitDialog() {
    SetWindowText(dialString(9910) + (m_group.isEmpty() ? Tvx_String() : L": " + m_group));
    SetDlgItemText(kNewPoint, dialString(9925));
    SetDlgItemText(kDeletePoint, dialString(9926));
    SetDlgItemText(kGeomExtent, dialString(9913));
    SetDlgItemText(kInters, dialString(9917));
    SetDlgItemText(kIntersMid, dialString(9927));
    SetDlgItemText(kFullHole, dialString(9922));
    SetDlgItemText(kThicknessBased, dialString(9923));
    m_shown = m_points.isEmpty() ? -1 : 0;
    showList();
    ChangeDlgSize(this, kSizeKey);
    return true;
}

void CDlgEditDstvPoints::showList() {
    QComboBox* list = comboBox(kPointList);
    list->clear();
    for (const Tvx_DstvPointInfo& point : m_points) {
        list->addItem(toQt(point.name()));
    }
    list->setCurrentIndex(m_shown);
    showPoint();
}

void CDlgEditDstvPoints::showPoint() {
    const bool have = m_shown >= 0 && m_shown < m_points.length();
    const Tvx_DstvPointInfo point = have ? m_points[m_shown] : Tvx_DstvPointInfo();
    SetDlgItemText(kName, point.name());
    CheckDlgButton(kGeomExtent, point.selectGeomExtent() ? BST_CHECKED : BST_UNCHECKED);
    comboBox(kSide1)->setCurrentIndex(point.sideSelection1());
    comboBox(kSide2)->setCurrentIndex(point.sideSelection2());
    CheckDlgButton(kInters, point.selectIntersGeom() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kIntersMid, point.selectIntersMid() ? BST_CHECKED : BST_UNCHECKED);
    comboBox(kIntersStart)->setCurrentIndex(point.intersStartDir());
    SetDlgItemText(kMinDistance, decimals3(point.minPlateSideDist()));
    comboBox(kView)->setCurrentIndex(point.viewPlateSelection());
    comboBox(kMark)->setCurrentIndex(point.markPlateSelection());
    CheckDlgButton(kFullHole, point.drillFullHole() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kThicknessBased, point.radiusThicknessBased() ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kHoleValue, decimals3(point.drillRadius()));
    for (int id : {kName, kGeomExtent, kInters, kMinDistance, kView, kMark, kFullHole,
                   kThicknessBased, kHoleValue, kDeletePoint}) {
        EnableItem(id, have);
    }
    applySelectionRule();
}

void CDlgEditDstvPoints::applySelectionRule() {
    const bool have = m_shown >= 0;
    const bool byExtent = IsDlgButtonChecked(kGeomExtent) == BST_CHECKED;
    const bool byInters = IsDlgButtonChecked(kInters) == BST_CHECKED;
    EnableItem(kSide1, have && byExtent);
    EnableItem(kSide2, have && byExtent);
    EnableItem(kIntersMid, have && byInters && !byExtent);
    EnableItem(kIntersStart, have && byInters && !byExtent);
}

void CDlgEditDstvPoints::storePoint() {
    if (m_shown < 0 || m_shown >= m_points.length()) {
        return;
    }
    Tvx_DstvPointInfo& point = m_points[m_shown];
    Tvx_String name = GetDlgItemText(kName);
    name.trim();
    if (!name.isEmpty()) {
        point.setName(name);
    }
    point.setSelectGeomExtent(
        IsDlgButtonChecked(kGeomExtent) == BST_CHECKED,
        static_cast<OvDstvPointSideSelection>(comboBox(kSide1)->currentIndex()),
        static_cast<OvDstvPointSideSelection>(comboBox(kSide2)->currentIndex()));
    point.setSelectIntersGeom(
        IsDlgButtonChecked(kInters) == BST_CHECKED, IsDlgButtonChecked(kIntersMid) == BST_CHECKED,
        static_cast<OvDstvPointSideSelection>(comboBox(kIntersStart)->currentIndex()));
    point.setPlateSelection(static_cast<std::int16_t>(comboBox(kView)->currentIndex()),
                            static_cast<std::int16_t>(comboBox(kMark)->currentIndex()),
                            editedDistance(GetDlgItemText(kMinDistance), point.minPlateSideDist()));
    point.setDrillFullHole(IsDlgButtonChecked(kFullHole) == BST_CHECKED,
                           IsDlgButtonChecked(kThicknessBased) == BST_CHECKED,
                           editedDistance(GetDlgItemText(kHoleValue), point.drillRadius()));
}

void CDlgEditDstvPoints::OnSelectPoint() {
    storePoint();
    m_shown = comboBox(kPointList)->currentIndex();
    showList();  // a renamed point shows its new name in the list
}

void CDlgEditDstvPoints::OnNewPoint() {
    storePoint();
    Tvx_DlgPromptString prompt(dialString(87), dialString(855), dialString(171), dialString(1),
                               dialString(2));
    if (prompt.DoModal() != IDOK) {
        return;
    }
    Tvx_String name = prompt.m_value;
    name.trim();
    if (name.isEmpty()) {
        return;
    }
    const int at = m_shown < 0 ? 0 : m_shown;
    m_points.insertAt(at, Tvx_DstvPointInfo(name));
    m_shown = at;
    showList();
}

void CDlgEditDstvPoints::OnDeletePoint() {
    if (m_shown < 0 || m_shown >= m_points.length()) {
        return;
    }
    m_points.removeAt(m_shown);
    m_shown = std::min(m_shown, m_points.length() - 1);
    showList();
}

void CDlgEditDstvPoints::OnOK() {
    storePoint();
    EndDialog(IDOK);
}

void CDlgEditDstvPoints::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}
