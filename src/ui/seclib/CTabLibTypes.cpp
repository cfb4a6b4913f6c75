// CTabLibTypes.cpp - the types page.
#include "ui/seclib/CTabLibTypes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "core/Texts.h"
#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

namespace {
constexpr int kTextNewType = 764;
}

CTabLibTypes::CTabLibTypes(DlgEditLibData& data, QWidget* editor)
    : LibListPage(IDD, kList, data, editor) {
    QGridLayout* grid = fields();
    grid->addWidget(addControl(kNameLabel, new QLabel(this)), 0, 0);
    grid->addWidget(item(kList), 0, 1);
    grid->addWidget(item(kEnabled), 1, 1);
    grid->addWidget(addControl(kGroupLabel, new QLabel(this)), 2, 0);
    grid->addWidget(addControl(kGroup, new QComboBox(this)), 2, 1);
    grid->addWidget(addControl(kProfTableLabel, new QLabel(this)), 3, 0);
    auto* tables = addControl(kProfTable, new QComboBox(this));
    tables->setEditable(true);
    grid->addWidget(tables, 3, 1);
    grid->addWidget(addControl(kImageLabel, new QLabel(this)), 4, 0);
    grid->addWidget(item(kImage), 4, 1);
    grid->addWidget(addControl(kNamesLabel, new QLabel(this)), 5, 0, 1, 2);
    grid->addWidget(item(kNamesGrid), 6, 0, 1, 2);
    grid->setRowStretch(6, 1);
    setProfileTables(data.profileTables);
    refreshGroups();
}

void CTabLibTypes::initTexts() {
    SetDlgItemText(kNew, dialString(764));
    SetDlgItemText(kDelete, dialString(765));
    SetDlgItemText(kNameLabel, dialString(760));
    SetDlgItemText(kImageLabel, dialString(762));
    SetDlgItemText(kGroupLabel, dialString(769));
    SetDlgItemText(kProfTableLabel, dialString(770));
    SetDlgItemText(kNamesLabel, dialString(771));
}

void CTabLibTypes::refreshGroups() {
    auto* combo = comboBox(kGroup);
    combo->clear();
    Tvx_StringArray names;
    Tvx_Array<int> ids;
    m_data.groups.namesOfAllGroups(names, ids);
    for (int i = 0; i < names.length(); ++i) {
        combo->addItem(toQt(names[i]), ids[i]);
    }
    showOwnFields(current());
}

void CTabLibTypes::setProfileTables(const Tvx_StringArray& tables) {
    auto* combo = comboBox(kProfTable);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(toQt(tables));
    combo->setCurrentText(text);
}

void CTabLibTypes::showOwnFields(int i) {
    auto* group = comboBox(kGroup);
    auto* table = comboBox(kProfTable);
    if (i < 0 || i >= count()) {
        group->setCurrentIndex(-1);
        table->setCurrentText(QString());
        return;
    }
    group->setCurrentIndex(group->findData(m_data.types[i].groupId));
    table->setCurrentText(toQt(m_data.types[i].profTable));
}

void CTabLibTypes::enableOwnFields(bool on) {
    EnableItem(kGroup, on);
    EnableItem(kProfTable, on);
}

void CTabLibTypes::writeEntry(int i, const Tvx_String& image, const Tvx_StringArray& names) {
    SectionType& type = m_data.types[i];
    type.image = image;
    type.names = names;
    const QVariant id = comboBox(kGroup)->currentData();
    type.groupId = id.isValid() ? id.toInt() : -1;
    type.profTable = fromQt(comboBox(kProfTable)->currentText());
}

int CTabLibTypes::appendEntry() {
    SectionType type;
    type.names = dialStringAllLangs(kTextNewType);
    return m_data.types.append(type);
}

void CTabLibTypes::swapEntries(int i, int j) {
    std::swap(m_data.types[i], m_data.types[j]);
}
