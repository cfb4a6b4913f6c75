// CTabLibGroups.cpp - the groups page.
#include "ui/seclib/CTabLibGroups.h"

#include <QGridLayout>
#include <QLabel>

#include "core/Texts.h"

CTabLibGroups::CTabLibGroups(DlgEditLibData& data, QWidget* editor)
    : LibListPage(IDD, kList, data, editor) {
    QGridLayout* grid = fields();
    grid->addWidget(addControl(kNameLabel, new QLabel(this)), 0, 0);
    grid->addWidget(item(kList), 0, 1);
    grid->addWidget(item(kEnabled), 1, 1);
    grid->addWidget(addControl(kImageLabel, new QLabel(this)), 2, 0);
    grid->addWidget(item(kImage), 2, 1);
    grid->addWidget(addControl(kNamesLabel, new QLabel(this)), 3, 0, 1, 2);
    grid->addWidget(item(kNamesGrid), 4, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

void CTabLibGroups::initTexts() {
    SetDlgItemText(kNew, dialString(758));
    SetDlgItemText(kDelete, dialString(759));
    SetDlgItemText(kNameLabel, dialString(760));
    SetDlgItemText(kImageLabel, dialString(762));
    SetDlgItemText(kNamesLabel, dialString(763));
}

void CTabLibGroups::writeEntry(int i, const Tvx_String& image, const Tvx_StringArray& names) {
    m_data.groups.setImage(i, image);
    m_data.groups.setLangs(i, names);
}
