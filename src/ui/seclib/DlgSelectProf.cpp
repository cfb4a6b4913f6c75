// DlgSelectProf.cpp - the section selection dialog.
#include "ui/seclib/DlgSelectProf.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/sections/SectionLibraryFile.h"
#include "host/HostServices.h"
#include "seclib/BuiltInShapes.h"
#include "seclib/ProfileIcons.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/seclib/ShapeIcons.h"

using ovui::fromQt;
using ovui::toQt;

namespace {
constexpr const wchar_t* kSizeKey = L"DLG_SELECT_SECTION";
constexpr int kTypeRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 2;
constexpr int kTextAllGroups = 9413;
}  // namespace

DlgSelectProf::DlgSelectProf(QWidget* parent) : OvDialog(IDD, parent) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* groupColumn = new QVBoxLayout;
    groupColumn->addWidget(addControl(kGroupsLabel, new QLabel(this)));
    groupColumn->addWidget(addControl(kGroups, new QListWidget(this)), 1);
    columns->addLayout(groupColumn, 2);
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(addControl(kTypesLabel, new QLabel(this)));
    auto* typeList = addControl(kTypes, new QListWidget(this));
    typeList->setIconSize(QSize(24, 24));
    typeColumn->addWidget(typeList, 1);
    columns->addLayout(typeColumn, 2);
    auto* sectionColumn = new QVBoxLayout;
    sectionColumn->addWidget(addControl(kSectionsLabel, new QLabel(this)));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(addControl(kFilterLabel, new QLabel(this)));
    filterRow->addWidget(addControl(kFilter, new QLineEdit(this)), 1);
    sectionColumn->addLayout(filterRow);
    sectionColumn->addWidget(addControl(kSections, new QListWidget(this)), 1);
    columns->addLayout(sectionColumn, 2);
    auto* valueColumn = new QVBoxLayout;
    auto* picture = addControl(kPicture, new QLabel(this));
    picture->setFixedSize(72, 72);
    picture->setAlignment(Qt::AlignCenter);
    valueColumn->addWidget(picture, 0, Qt::AlignHCenter);
    auto* table = addControl(kValues, new QTableWidget(this));
    table->setColumnCount(1);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(22);
    valueColumn->addWidget(table, 1);
    columns->addLayout(valueColumn, 2);
    layout->addLayout(columns, 1);
    layout->addLayout(createOkCancelRow());

    connect(groups(), &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling) {
            showTypes();
        }
    });
    connect(types(), &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling) {
            showSections();
        }
    });
    connect(lineEdit(kFilter), &QLineEdit::textChanged, this, [this] { showSections(); });
    connect(sections(), &QListWidget::currentRowChanged, this, [this] { showValues(); });
    connect(sections(), &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    resize(760, 420);
}

QListWidget* DlgSelectProf::groups() const {
    return static_cast<QListWidget*>(item(kGroups));
}
QListWidget* DlgSelectProf::types() const {
    return static_cast<QListWidget*>(item(kTypes));
}
QListWidget* DlgSelectProf::sections() const {
    return static_cast<QListWidget*>(item(kSections));
}
QTableWidget* DlgSelectProf::values() const {
    return static_cast<QTableWidget*>(item(kValues));
}

bool DlgSelectProf::OnInitDialog() {
    SetWindowText(dialString(9400));
    SetDlgItemText(kGroupsLabel, dialString(9405));
    SetDlgItemText(kTypesLabel, dialString(9406));
    SetDlgItemText(kSectionsLabel, dialString(9407));
    SetDlgItemText(kFilterLabel, dialString(9401));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    Tvx_String error;
    if (!readSectionLibrary(sectionLibraryPath(), m_library, error)) {
        ovMessageBox(dialString(9410) + L"\n" + error, dialString(9400),
                     MB_OK | MB_ICONEXCLAMATION);
        m_library = DlgEditLibData();
    }
    // Types of the profile folder that no group lists are still offered, under no group.
    m_library.GetAvailableFiles();
    for (const Tvx_String& table : m_library.profileTables) {
        bool listed = false;
        for (const SectionType& type : m_library.types) {
            listed = listed || type.profTable.equal(table, false);
        }
        if (!listed) {
            m_library.types.append(SectionType(true, L"", -1, table, Tvx_StringArray{}));
        }
    }

    m_filling = true;
    for (int i = 0; i < m_library.groups.length(); ++i) {
        if (m_library.groups.getEnabled(i)) {
            auto* entry = new QListWidgetItem(toQt(m_library.groups.getName(i)), groups());
            entry->setData(kTypeRole, m_library.groups.getId(i));
        }
    }
    auto* all = new QListWidgetItem(toQt(dialString(kTextAllGroups)), groups());
    all->setData(kTypeRole, -2);
    m_filling = false;

    // Start on the given section's type when it has one.
    const int dash = m_initial.find(L'-');
    const Tvx_String typeName = dash > 0 ? m_initial.left(dash) : Tvx_String();
    int groupRow = 0;
    for (const SectionType& type : m_library.types) {
        if (!typeName.isEmpty() && type.profTable.equal(typeName, false)) {
            for (int row = 0; row < groups()->count(); ++row) {
                if (groups()->item(row)->data(kTypeRole).toInt() == type.groupId) {
                    groupRow = row;
                }
            }
        }
    }
    groups()->setCurrentRow(groups()->count() > 1 ? groupRow : 0);
    for (int row = 0; row < types()->count(); ++row) {
        const int index = typeIndexOfRow(row);
        if (index >= 0 && m_library.types[index].profTable.equal(typeName, false)) {
            types()->setCurrentRow(row);
        }
    }
    for (int row = 0; row < sections()->count(); ++row) {
        const int tableRow = sections()->item(row)->data(kRowRole).toInt();
        if (m_table.rows.isValid(tableRow) && !m_table.rows[tableRow].isEmpty() &&
            (m_table.typeName + L"-" + m_table.rows[tableRow][0]).equal(m_initial, false)) {
            sections()->setCurrentRow(row);
        }
    }
    ChangeDlgSize(this, kSizeKey);
    return true;
}

int DlgSelectProf::typeIndexOfRow(int row) const {
    const QListWidgetItem* entry = types()->item(row);
    return entry != nullptr ? entry->data(kTypeRole).toInt() : -1;
}

void DlgSelectProf::showTypes() {
    m_filling = true;
    types()->clear();
    const QListWidgetItem* group = groups()->currentItem();
    const int groupId = group != nullptr ? group->data(kTypeRole).toInt() : -2;
    for (int i = 0; i < m_library.types.length(); ++i) {
        const SectionType& type = m_library.types[i];
        if (!type.enabled || (groupId != -2 && type.groupId != groupId)) {
            continue;
        }
        Tvx_ProfValuesTable table;
        const int shape = table.readFromFile(type.profTable) ? builtInShapeNumber(table.shape) : 0;
        const Tvx_String name = type.getName().isEmpty() ? type.profTable : type.getName();
        auto* entry = new QListWidgetItem(ovui::seclib::shapeIcon(shape), toQt(name), types());
        entry->setData(kTypeRole, i);
    }
    m_filling = false;
    types()->setCurrentRow(types()->count() > 0 ? 0 : -1);
    showSections();
}

void DlgSelectProf::showSections() {
    sections()->clear();
    m_table = Tvx_ProfValuesTable();
    const int index = typeIndexOfRow(types()->currentRow());
    auto* picture = label(kPicture);
    picture->clear();
    if (index < 0 || !m_table.readFromFile(m_library.types[index].profTable)) {
        showValues();
        return;
    }
    m_table.typeName = m_library.types[index].profTable;
    picture->setPixmap(
        QPixmap::fromImage(ovui::seclib::paintShapeIcon(builtInShapeNumber(m_table.shape), 64)));
    const QString filter = lineEdit(kFilter)->text().trimmed();
    const int language = m_table.getColumnIdx(MacroLangs::GetCurLanguage());
    for (int row = 0; row < m_table.rows.length(); ++row) {
        const Tvx_StringArray& fields = m_table.rows[row];
        if (fields.isEmpty() || (fields.length() > 1 && fields[1] == L"0")) {
            continue;
        }
        Tvx_String shown =
            language >= 0 && language < fields.length() ? fields[language] : Tvx_String();
        if (shown.isEmpty()) {
            shown = m_table.typeName + L"-" + fields[0];
        }
        if (!filter.isEmpty() && !toQt(shown).contains(filter, Qt::CaseInsensitive) &&
            !toQt(fields[0]).contains(filter, Qt::CaseInsensitive)) {
            continue;
        }
        auto* entry = new QListWidgetItem(toQt(shown), sections());
        entry->setData(kRowRole, row);
    }
    sections()->setCurrentRow(sections()->count() > 0 ? 0 : -1);
    showValues();
}

void DlgSelectProf::showValues() {
    QTableWidget* table = values();
    table->setRowCount(0);
    const QListWidgetItem* entry = sections()->currentItem();
    EnableItem(IDOK, entry != nullptr);
    if (entry == nullptr) {
        return;
    }
    const Tvx_StringArray& fields = m_table.rows[entry->data(kRowRole).toInt()];
    const int first = 2 + m_table.getNrLanguages();
    for (int column = first; column < m_table.columnNames.length(); ++column) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setVerticalHeaderItem(row, new QTableWidgetItem(toQt(MacroLangs::GetString(
                                              L"Prof", m_table.columnNames[column]))));
        table->setItem(
            row, 0,
            new QTableWidgetItem(toQt(column < fields.length() ? fields[column] : Tvx_String())));
    }
}

void DlgSelectProf::OnOK() {
    const QListWidgetItem* entry = sections()->currentItem();
    if (entry == nullptr) {
        return;
    }
    const Tvx_StringArray& fields = m_table.rows[entry->data(kRowRole).toInt()];
    m_chosen = m_table.typeName + L"-" + fields[0];
    EndDialog(IDOK);
}

void DlgSelectProf::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool selectProfile(Tvx_String& name, bool cancelCommand) {
    if (cancelCommand) {
        acedPostCommand(L"CANCELCMD");
    }
    DlgSelectProf dialog;
    dialog.setInitialUnknownName(name);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    Tvx_String chosen = dialog.chosenName();
    if (chosen.startsWith(gSettings.libDir, false)) {
        chosen = chosen.mid(gSettings.libDir.length());
    }
    name = chosen;
    return true;
}
