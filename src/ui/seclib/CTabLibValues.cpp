// CTabLibValues.cpp - the values page: loading, saving, new, delete and rename of types, the
// shape and its column headers, and the row commands.
#include "ui/seclib/CTabLibValues.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/PromptService.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/sections/ProfileFile.h"
#include "seclib/BuiltInShapes.h"
#include "seclib/LibValuesModel.h"
#include "spread/OvSSOptionsData.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/seclib/ShapeIcons.h"
#include "ui/spread/CDlgSSOptions.h"

using ovgrid::HEADER;
using ovui::fromQt;
using ovui::toQt;

namespace {
constexpr int kTextNewType = 779;
constexpr int kVirtualKeyF5 = 0x74;
constexpr int kTextNotNumber = 9408;
constexpr int kTextBadName = 9409;
constexpr int kTextUnreadable = 9411;

struct IconButton {
    int id;
    int icon;
    int tooltip;
};
constexpr IconButton kIconButtons[] = {
    {CTabLibValues::kCopy, 223, 772},      {CTabLibValues::kPaste, 224, 773},
    {CTabLibValues::kInsertRow, 225, 774}, {CTabLibValues::kDeleteRow, 226, 775},
    {CTabLibValues::kRowUp, 227, 776},     {CTabLibValues::kRowDown, 228, 777},
    {CTabLibValues::kFind, 238, 778},
};
}  // namespace

CTabLibValues::CTabLibValues(DlgEditLibData& data, QWidget* editor)
    : OvDialog(IDD, editor), m_data(data), editor_(editor), m_host(this) {
    setWindowFlags(Qt::Widget);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(addControl(kType, new QComboBox(this)), 0, 0);
    top->addWidget(addControl(kShapeLabel, new QLabel(this)), 0, 1);
    auto* shape = addControl(kShape, new QComboBox(this));
    shape->setIconSize(QSize(24, 24));
    top->addWidget(shape, 0, 2);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(2, 1);
    layout->addLayout(top);

    auto* tools = new QHBoxLayout;
    for (const IconButton& b : kIconButtons) {
        tools->addWidget(addControl(b.id, new CButtonST(this)));
    }
    tools->addStretch(1);
    for (int id : {kNewType, kDeleteType, kRenameType, kCaptions}) {
        auto* push = addControl(id, new QPushButton(this));
        push->setAutoDefault(false);
        tools->addWidget(push);
    }
    layout->addLayout(tools);

    auto* placeholder = addControl(kGrid, new QWidget(this));
    placeholder->setMinimumSize(560, 260);
    placeholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(placeholder, 1);

    connect(comboBox(kType), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling) {
            onTypeChosen(index);
        }
    });
    connect(comboBox(kShape), &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling) {
            onShapeChanged();
        }
    });
    connect(pushButton(kNewType), &QPushButton::clicked, this, [this] { onNewType(); });
    connect(pushButton(kDeleteType), &QPushButton::clicked, this, [this] { onDeleteType(); });
    connect(pushButton(kRenameType), &QPushButton::clicked, this, [this] { onRenameType(); });
    connect(pushButton(kCaptions), &QPushButton::clicked, this, [this] { onCaptions(); });
    for (const IconButton& b : kIconButtons) {
        const int id = b.id;
        connect(button(id), &QAbstractButton::clicked, this, [this, id] { rowCommand(id); });
    }
}

CTabLibValues::~CTabLibValues() = default;

void CTabLibValues::OnCancel() {
    if (auto* dialog = qobject_cast<QDialog*>(editor_)) {
        dialog->reject();
    }
}

void CTabLibValues::initPage(const Tvx_String& sectionName) {
    for (const IconButton& b : kIconButtons) {
        auto* icon = static_cast<CButtonST*>(item(b.id));
        icon->SetIcon(b.icon);
        icon->SetTooltipText(dialString(b.tooltip));
    }
    SetDlgItemText(kNewType, dialString(779));
    SetDlgItemText(kDeleteType, dialString(780));
    SetDlgItemText(kCaptions, dialString(781));
    SetDlgItemText(kRenameType, dialString(782));
    SetDlgItemText(kShapeLabel, dialString(783));

    if (m_grid.create(&m_host, kGrid, true)) {
        m_grid.setDefaultLook(false);
        m_grid.setContextMenuItems(Tvx_Array<int>{2, 3, 1, 4, 5, 1, 6, 7, 1, 8, 9});
        m_grid.setMaxCols(1);
        m_grid.setMaxRows(4);
        if (auto* view = m_host.view(kGrid)) {
            connect(view->spreadModel(), &ovui::grid::OvSpreadModel::cellEdited, this,
                    [this](int col, int row) { onCellEdited(col, row); });
        }
    }
    m_types = m_data.profileTables;
    fillShapeCombo();
    const int dash = sectionName.find(L'-');
    const Tvx_String typeName = dash >= 0 ? sectionName.left(dash) : sectionName;
    const int found = typeName.isEmpty() ? -1 : m_types.find(typeName, false);
    m_current = found >= 0 ? found : (m_types.isEmpty() ? -1 : 0);
    fillTypeCombo();
    loadType();
    if (found >= 0) {
        const Tvx_String sysName = sectionName.mid(dash + 1);
        for (int row = 1; row <= m_grid.getMaxRows(); ++row) {
            Tvx_String text;
            m_grid.getCellText(1, row, text);
            if ((currentTypeName() + L"-" + text).equal(sectionName, false) ||
                text.equal(sysName, false)) {
                setCurrentRow(row);
                break;
            }
        }
    }
}

Tvx_String CTabLibValues::currentTypeName() const {
    return m_types.isValid(m_current) ? m_types[m_current] : Tvx_String();
}

void CTabLibValues::fillTypeCombo() {
    m_filling = true;
    auto* combo = comboBox(kType);
    combo->clear();
    combo->addItems(toQt(m_types));
    combo->setCurrentIndex(m_current);
    m_filling = false;
}

void CTabLibValues::fillShapeCombo() {
    m_filling = true;
    auto* combo = comboBox(kShape);
    combo->clear();
    for (int shape = kFirstBuiltInShape; shape <= kLastBuiltInShape; ++shape) {
        combo->addItem(ovui::seclib::shapeIcon(shape), toQt(shapeDisplayText(shape)));
    }
    combo->addItems(toQt(m_data.drawingFiles));
    m_filling = false;
}

void CTabLibValues::showTable(const Tvx_ProfValuesTable& table) {
    table.setToSS(m_grid);
    if (table.rows.isEmpty()) {
        m_grid.setMaxCols(1);
        m_grid.setMaxRows(4);
    }
    m_filling = true;
    auto* shape = comboBox(kShape);
    const QString text = toQt(shapeToListText(table.shape));
    if (shape->findText(text) < 0 && !text.isEmpty()) {
        shape->addItem(text);
    }
    shape->setCurrentIndex(shape->findText(text));
    m_filling = false;
    if (auto* view = m_host.view(kGrid)) {
        view->refresh();
    }
    takeSnapshot();
}

void CTabLibValues::loadType() {
    Tvx_ProfValuesTable table;
    const Tvx_String name = currentTypeName();
    if (!name.isEmpty() && !table.readFromFile(name + L".pr")) {
        const Tvx_String path = profileTablePath(gSettings.libDir, name);
        if (fileExists(path)) {
            ovMessageBox(dialString(kTextUnreadable) + L"\n" + path, dialString(784),
                         MB_OK | MB_ICONEXCLAMATION);
        }
        table = Tvx_ProfValuesTable();
    }
    table.typeName = name;
    showTable(table);
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, false);
}

bool CTabLibValues::isChanged() const {
    return m_grid.SSGetBool(Tvx_Spread::kPropChanged);
}

bool CTabLibValues::saveType() {
    const Tvx_String name = currentTypeName();
    if (name.isEmpty()) {
        return false;
    }
    Tvx_ProfValuesTable table;
    if (!table.getFromSS(m_grid)) {
        return false;
    }
    table.typeName = name;
    table.shape = shapeFromListText(fromQt(comboBox(kShape)->currentText()));
    if (!table.writeToFile(name)) {
        ovMessageBox(L"\"" + profileTablePath(gSettings.libDir, name) + L"\" cannot be written.",
                     dialString(784), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, false);
    m_data.profileTables.appendUnique(name, false);
    return true;
}

bool CTabLibValues::saveQuestion() {
    if (!isChanged()) {
        return true;
    }
    const int answer =
        ovMessageBox(dialString(785) + L" <" + currentTypeName() + L"> " + dialString(786),
                     dialString(784), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
        return false;
    }
    if (answer == IDYES) {
        // A table that cannot be written keeps the user where the edits are.
        return saveType();
    }
    return true;
}

void CTabLibValues::selectType(int index) {
    comboBox(kType)->setCurrentIndex(index);
}

void CTabLibValues::onTypeChosen(int index) {
    if (index == m_current) {
        return;
    }
    if (!saveQuestion()) {
        m_filling = true;
        comboBox(kType)->setCurrentIndex(m_current);
        m_filling = false;
        return;
    }
    m_current = index;
    loadType();
}

void CTabLibValues::onNewType() {
    if (!saveQuestion()) {
        return;
    }
    const Tvx_String name = findNonExistingString(m_types, dialString(kTextNewType));
    m_current = m_types.append(name);
    fillTypeCombo();
    showTable(newTypeTable(name));
    // Marked changed, so that the next save question writes it.
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
}

void CTabLibValues::onDeleteType() {
    const Tvx_String name = currentTypeName();
    if (name.isEmpty()) {
        return;
    }
    if (ovMessageBox(dialString(788) + L" <" + name + L"> " + dialString(789), dialString(787),
                     MB_YESNO | MB_ICONWARNING) != IDYES) {
        return;
    }
    m_types.removeAt(m_current);
    m_data.profileTables.removeAt(m_data.profileTables.find(name, false));
    if (isValidProfileTableName(name)) {
        deleteFile(profileTablePath(gSettings.libDir, name));
    }
    m_current = m_types.isEmpty() ? -1 : 0;
    fillTypeCombo();
    loadType();
}

void CTabLibValues::onRenameType() {
    const Tvx_String oldName = currentTypeName();
    if (oldName.isEmpty()) {
        return;
    }
    Tvx_DlgPromptString prompt(dialString(790), dialString(791), oldName, dialString(1),
                               dialString(2));
    if (prompt.DoModal() != IDOK || prompt.m_value == oldName) {
        return;
    }
    const Tvx_String newName = prompt.m_value;
    const int existing = m_types.find(newName, false);
    if (!isValidTypeName(newName) || (existing >= 0 && existing != m_current)) {
        ovMessageBox(dialString(kTextBadName) + L"\n\"" + newName + L"\"", dialString(790),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Tvx_ProfValuesTable table;
    if (!table.getFromSS(m_grid)) {
        return;
    }
    table.typeName = newName;
    table.shape = shapeFromListText(fromQt(comboBox(kShape)->currentText()));
    // Written first, so that a failure leaves the old file in place.
    if (!table.writeToFile(newName)) {
        return;
    }
    if (!oldName.equal(newName, false)) {
        deleteFile(profileTablePath(gSettings.libDir, oldName));
    }
    m_types[m_current] = newName;
    const int listed = m_data.profileTables.find(oldName, false);
    if (listed >= 0) {
        m_data.profileTables[listed] = newName;
    } else {
        m_data.profileTables.append(newName);
    }
    fillTypeCombo();
    loadType();
}

void CTabLibValues::onCaptions() {
    OvSSOptionsData options;
    options.colCount = m_grid.getMaxCols();
    options.rowCount = m_grid.getMaxRows();
    m_grid.getRowTexts(HEADER, options.colCaptions);
    m_grid.getColTexts(HEADER, options.rowCaptions);
    if (!StartDlgSSOptions(options)) {
        return;
    }
    m_grid.setMaxCols(options.colCount);
    m_grid.setMaxRows(options.rowCount);
    m_grid.setRowTexts(HEADER, options.colCaptions);
    Tvx_StringArray rowHeaders;
    for (int row = 0; row < options.rowCount; ++row) {
        rowHeaders.append(currentTypeName());
    }
    m_grid.setColTexts(HEADER, rowHeaders);
    renewHeaders(false);
    m_grid.fitAll();
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
    takeSnapshot();
}

void CTabLibValues::onShapeChanged() {
    renewHeaders(true);
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
}

void CTabLibValues::renewHeaders(bool byUser) {
    Tvx_StringArray current;
    m_grid.getRowTexts(HEADER, current);
    const Tvx_String shapeField = shapeFromListText(fromQt(comboBox(kShape)->currentText()));
    const Tvx_StringArray headers = headersForShape(current, shapeField);
    if (m_grid.getMaxCols() < headers.length()) {
        m_grid.setMaxCols(headers.length(), true);
    }
    m_grid.setRowTexts(HEADER, headers);
    if (builtInShapeNumber(shapeField) > 0 && m_grid.getMaxCols() > headers.length() && byUser) {
        const Tvx_String text = dialString(793) + L" " +
                                comboBox(kShape)->currentText().toStdWString() + L" " +
                                dialString(794) + L"\n" + dialString(795);
        if (ovMessageBox(text, dialString(792), MB_YESNO) == IDYES) {
            m_grid.setMaxCols(headers.length());
        }
    }
    m_grid.fitAll();
    if (auto* view = m_host.view(kGrid)) {
        view->refresh();
    }
    takeSnapshot();
}

int CTabLibValues::firstValueColumn() const {
    Tvx_StringArray headers;
    m_grid.getRowTexts(HEADER, headers);
    // Grid columns count from 1: "SysName", "I/O", the languages, then the values.
    return 3 + countLanguageColumns(headers);
}

void CTabLibValues::takeSnapshot() {
    m_grid.getAllRows(m_snapshot);
}

void CTabLibValues::onCellEdited(int col, int row) {
    Tvx_String text;
    m_grid.getCellText(col, row, text);
    if (col >= firstValueColumn() && !isValidDimensionText(text)) {
        const Tvx_String previous =
            m_snapshot.isValid(row - 1) && col - 1 < m_snapshot[row - 1].length()
                ? m_snapshot[row - 1][col - 1]
                : Tvx_String();
        m_grid.setCellText(col, row, previous);
        ovMessageBox(dialString(kTextNotNumber) + L" \"" + text + L"\"", dialString(784),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
    takeSnapshot();
}

// A paste is checked as typing is: a dimension cell that would hold text keeps what it had.
void CTabLibValues::refuseNonNumericPaste() {
    Tvx_Array<Tvx_StringArray> pasted;
    m_grid.getAllRows(pasted);
    const int firstValue = firstValueColumn();
    Tvx_String firstRefused;
    bool changed = false;
    for (int r = 0; r < pasted.length(); ++r) {
        const Tvx_StringArray* before = m_snapshot.isValid(r) ? &m_snapshot[r] : nullptr;
        for (int c = 0; c < pasted[r].length(); ++c) {
            const Tvx_String previous =
                before != nullptr && before->isValid(c) ? (*before)[c] : Tvx_String();
            if (pasted[r][c] == previous) {
                continue;
            }
            if (c + 1 >= firstValue && !isValidDimensionText(pasted[r][c])) {
                m_grid.setCellText(c + 1, r + 1, previous);
                if (firstRefused.isEmpty()) {
                    firstRefused = pasted[r][c];
                }
            } else {
                changed = true;
            }
        }
    }
    if (changed) {
        m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
    }
    takeSnapshot();
    if (auto* view = m_host.view(kGrid)) {
        view->refresh();
    }
    if (!firstRefused.isEmpty()) {
        ovMessageBox(dialString(kTextNotNumber) + L" \"" + firstRefused + L"\"", dialString(784),
                     MB_OK | MB_ICONEXCLAMATION);
    }
}

int CTabLibValues::currentRow() const {
    int col = 0, row = 0;
    return m_grid.SSGetActiveCell(col, row) ? row : 0;
}

void CTabLibValues::setCurrentRow(int row) {
    m_grid.SSSetActiveCell(1, row);
    if (auto* view = m_host.view(kGrid)) {
        view->refresh();
    }
}

void CTabLibValues::rowCommand(int id) {
    const int row = currentRow();
    switch (id) {
        case kCopy:
            m_grid.SSClipboardCopy();
            break;
        case kPaste:
            if (m_grid.SSClipboardPaste()) {
                refuseNonNumericPaste();
            }
            break;
        case kInsertRow:
            // A new section is offered for selection until the user says otherwise.
            if (row > 0 && m_grid.insertRowAt(row + 1, false, true)) {
                m_grid.setCellText(2, row + 1, L"1");
            }
            break;
        case kDeleteRow:
            if (row > 0) {
                m_grid.deleteRowAt(row);
            }
            break;
        case kRowUp:
            if (row > 1 && m_grid.moveRows(row, row, row - 1)) {
                setCurrentRow(row - 1);
            }
            break;
        case kRowDown:
            if (row > 0 && row < m_grid.getMaxRows() && m_grid.moveRows(row, row, row + 1)) {
                setCurrentRow(row + 1);
            }
            break;
        case kFind:
            m_grid.preTranslateKeyDown(kVirtualKeyF5);
            break;
        default:
            break;
    }
    if (id != kCopy && id != kFind && id != kPaste) {
        m_grid.SSSetBool(Tvx_Spread::kPropChanged, true);
    }
    if (auto* view = m_host.view(kGrid)) {
        view->refresh();
    }
    takeSnapshot();
}
