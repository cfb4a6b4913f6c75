// CDlgMacroPattern.cpp - the bolt pattern dialog.
#include "ui/macrodlg/detail/CDlgMacroPattern.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "macrodlg/detail/PatternDetailRules.h"
#include "ui/QtText.h"
#include "ui/macrodlg/detail/DetailWidgets.h"

namespace {

QString text(int number) {
    return ovui::toQt(dialString(number));
}

// Stand-in for the alternation pictures: two rows of bolts, offset as type t staggers them.
void drawAlternation(QPainter& p, int type) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(70, 90, 140));
    for (int i = 0; i < 4; ++i) {
        const int x = 8 + i * 11;
        const bool upperSkipped = type == 2 && i % 2 == 1;
        const bool lowerSkipped = type == 3 && i % 2 == 0;
        const int shift = type == 4 ? 5 : 0;
        if (!upperSkipped) {
            p.drawEllipse(QPoint(x, 10), 3, 3);
        }
        if (!lowerSkipped && !(type == 5 && i == 3)) {
            p.drawEllipse(QPoint(x + shift, 26), 3, 3);
        }
    }
}

}  // namespace

CDlgMacroPattern::CDlgMacroPattern(QWidget* parent)
    : OvDialog(kTemplateId, parent), m_alternations(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* name = addControl(kName, new QLabel(this));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);

    auto* form = new QFormLayout;
    form->addRow(text(9553), addControl(kCount1, new QLineEdit(this)));
    form->addRow(QString(), addControl(kReverse1, new QCheckBox(text(9555), this)));
    form->addRow(text(9554), addControl(kCount2, new QLineEdit(this)));
    form->addRow(QString(), addControl(kReverse2, new QCheckBox(text(9556), this)));
    layout->addLayout(form);

    layout->addWidget(addControl(kAlternationLabel, new QLabel(this)));
    auto* pictures = new QHBoxLayout;
    m_alternations->setExclusive(true);
    for (int type = 1; type <= kAlternationTypes; ++type) {
        auto* button = addControl(kFirstAlternation + type - 1, new QToolButton(this));
        button->setCheckable(true);
        button->setAutoRaise(true);  // flat
        button->setIconSize(QSize(52, 36));
        m_alternations->addButton(button, type);
        pictures->addWidget(button);
    }
    pictures->addStretch(1);
    layout->addLayout(pictures);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
    setMinimumWidth(380);
}

int CDlgMacroPattern::checkedAlternation() const {
    return std::max(m_alternations->checkedId(), 0);
}

bool CDlgMacroPattern::OnInitDialog() {
    SetWindowText(dialString(1034));
    SetDlgItemText(kAlternationLabel, dialString(1051));
    SetDlgItemText(IDOK, dialString(285));
    SetDlgItemText(kName, m_data.name);
    for (int type = 1; type <= kAlternationTypes; ++type) {
        const QPixmap picture = ovui::detail::pictureOr(
            alternationPicturePath(type), QSize(52, 36),
            [type](QPainter& p) { drawAlternation(p, type); }, true);
        qobject_cast<QToolButton*>(item(kFirstAlternation + type - 1))->setIcon(QIcon(picture));
    }
    SetDlgItemText(kCount1, m_data.count1);
    CheckDlgButton(kReverse1, m_data.reverseStart1 ? BST_CHECKED : BST_UNCHECKED);
    const bool second = m_data.hasSecondDirection();
    SetDlgItemText(kCount2, second ? m_data.count2 : Tvx_String());
    CheckDlgButton(kReverse2, second && m_data.reverseStart2 ? BST_CHECKED : BST_UNCHECKED);
    EnableItem(kCount2, second);
    EnableItem(kReverse2, second);
    if (QAbstractButton* button = m_alternations->button(m_data.alternation)) {
        button->setChecked(true);
    }
    return true;
}

void CDlgMacroPattern::OnOK() {
    if (!storePatternFields(m_data, GetDlgItemText(kCount1), GetDlgItemText(kCount2),
                            IsDlgButtonChecked(kReverse1) == BST_CHECKED,
                            IsDlgButtonChecked(kReverse2) == BST_CHECKED,
                            checkedAlternation() > 0 ? checkedAlternation() : m_data.alternation)) {
        ovMessageBox(dialString(9568), dialString(9569), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}
