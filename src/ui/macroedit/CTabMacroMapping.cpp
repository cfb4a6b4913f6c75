// CTabMacroMapping.cpp - the mapping list and detail grids and their handlers.
#include "ui/macroedit/CTabMacroMapping.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "grid/CellTypes.h"
#include "ui/OvDialog.h"
#include "ui/QtText.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/grid/OvSpreadView.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

constexpr long kSectionBackground = 0xD8D8D8;
constexpr int kRowPixels = 22;

}  // namespace

CTabMacroMapping::CTabMacroMapping(OvDialog* owner, TabMappingData& data, QWidget* parent)
    : QWidget(parent), owner_(owner), data_(data), host_(this) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* listLabel = new QLabel(QStringLiteral("Add and edit standards-spreadsheets"), this);
    layout->addWidget(listLabel);
    auto* listRow = new QHBoxLayout;
    auto* listPlaceholder = new QWidget(this);
    listPlaceholder->setMinimumHeight(kRowPixels * 5);
    listRow->addWidget(listPlaceholder, 1);
    auto* buttons = new QVBoxLayout;
    auto* up = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), this);
    up->setToolTip(toQt(dialString(173)));
    auto* down = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), this);
    down->setToolTip(toQt(dialString(174)));
    auto* insert = new QPushButton(toQt(dialString(606)), this);
    auto* remove = new QPushButton(toQt(dialString(607)), this);
    for (QPushButton* button : {up, down, insert, remove}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    listRow->addLayout(buttons);
    layout->addLayout(listRow, 2);
    auto* detailLabel = new QLabel(
        QStringLiteral("Choose how the Spreadsheet should be mapped to this macro"), this);
    layout->addWidget(detailLabel);
    auto* detailPlaceholder = new QWidget(this);
    detailPlaceholder->setMinimumHeight(kRowPixels * 8);
    layout->addWidget(detailPlaceholder, 3);

    if (owner_ != nullptr) {
        owner_->addControl(kListLabel, listLabel);
        owner_->addControl(kDetailLabel, detailLabel);
        owner_->addControl(kUp, up);
        owner_->addControl(kDown, down);
        owner_->addControl(kInsert, insert);
        owner_->addControl(kRemove, remove);
    }
    const std::pair<QPushButton*, int> handlers[] = {
        {up, kUp}, {down, kDown}, {insert, kInsert}, {remove, kRemove}};
    for (const auto& [button, id] : handlers) {
        connect(button, &QPushButton::clicked, this, [this, id = id] { onButton(id); });
    }
    host_.addPlaceholder(kList, listPlaceholder);
    host_.addPlaceholder(kDetail, detailPlaceholder);
    list_.create(&host_, kList, true);
    detail_.create(&host_, kDetail, true);
    model_ = std::make_unique<MappingTabModel>(data_);
}

CTabMacroMapping::~CTabMacroMapping() = default;

void CTabMacroMapping::initialise() {
    if (!model_->hasMacro()) {
        return;
    }
    fillList();
    connectViews();
    selectRow(1);
}

void CTabMacroMapping::connectViews() {
    if (auto* view = host_.view(kList)) {
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) {
                    if (!filling_ && current.isValid() && current.row() + 1 != currentRow_) {
                        selectRow(current.row() + 1);
                    }
                });
        if (auto* model = qobject_cast<ovui::grid::OvSpreadModel*>(view->model())) {
            connect(model, &ovui::grid::OvSpreadModel::cellEdited, this,
                    [this] { onListCellChanged(); });
        }
    }
    if (auto* view = host_.view(kDetail)) {
        if (auto* model = qobject_cast<ovui::grid::OvSpreadModel*>(view->model())) {
            connect(model, &ovui::grid::OvSpreadModel::cellEdited, this,
                    [this] { collectDetail(); });
        }
    }
}

void CTabMacroMapping::fillList() {
    filling_ = true;
    const Tvx_Array<MappingListRow> rows = model_->listRows();
    list_.setMaxCols(2);
    list_.setMaxRows(rows.length());
    list_.SSSetData(kSheetCol, ovgrid::HEADER, L"Spreadsheet");
    list_.SSSetData(kMapsToCol, ovgrid::HEADER, L"Maps to");
    list_.SSSetColWidthInPixels(kSheetCol, 260);
    list_.SSSetColWidthInPixels(kMapsToCol, 180);
    if (rows.length() > 0) {
        list_.setComboType(kSheetCol, 1, kSheetCol, rows.length(), model_->spreadsheetChoices(),
                           false);
        list_.setComboType(kMapsToCol, 1, kMapsToCol, rows.length(), model_->targetChoices(),
                           false);
    }
    for (int r = 0; r < rows.length(); ++r) {
        list_.SSSetData(kSheetCol, r + 1, rows[r].spreadsheet.c_str());
        list_.SSSetData(kMapsToCol, r + 1, rows[r].mapsTo.c_str());
    }
    if (auto* view = host_.view(kList)) {
        view->refresh();
    }
    filling_ = false;
}

Tvx_Array<MappingListRow> CTabMacroMapping::readList() const {
    Tvx_Array<MappingListRow> rows;
    for (int r = 1; r <= list_.getMaxRows(); ++r) {
        MappingListRow row;
        list_.getCellText(kSheetCol, r, row.spreadsheet, Tvx_Spread::kReadData);
        list_.getCellText(kMapsToCol, r, row.mapsTo, Tvx_Spread::kReadData);
        rows.append(row);
    }
    return rows;
}

void CTabMacroMapping::showDetail() {
    filling_ = true;
    Tvx_String error;
    const bool shown = model_->showDetail(currentRow_ - 1, &error);
    const Tvx_Array<MappingDetailRow>& rows = model_->detail();
    detail_.setMaxCols(3);
    detail_.setMaxRows(shown ? rows.length() : 0);
    detail_.SSSetData(kTypeCol, ovgrid::HEADER, L"Type");
    detail_.SSSetData(kNameCol, ovgrid::HEADER, L"Std Name");
    detail_.SSSetData(kObjectCol, ovgrid::HEADER, L"Macro object");
    detail_.SSSetColWidthInPixels(kTypeCol, 70);
    detail_.SSSetColWidthInPixels(kNameCol, 160);
    detail_.SSSetColWidthInPixels(kObjectCol, 260);
    for (int r = 0; shown && r < rows.length(); ++r) {
        const MappingDetailRow& row = rows[r];
        const int gridRow = r + 1;
        detail_.setStaticCell(kTypeCol, gridRow);
        detail_.setStaticCell(kNameCol, gridRow);
        if (row.section) {
            detail_.setStaticCell(kObjectCol, gridRow);
            detail_.SSSetData(kTypeCol, gridRow, row.stdName.c_str());
            detail_.SSSetData(kNameCol, gridRow, L"");
            detail_.SSSetData(kObjectCol, gridRow, L"");
            detail_.SSSetColorRange(kTypeCol, gridRow, kObjectCol, gridRow, kSectionBackground,
                                    ovgrid::DEFAULT_COLOR);
            detail_.lockRow(gridRow, true);
            continue;
        }
        detail_.SSSetColorRange(kTypeCol, gridRow, kObjectCol, gridRow, ovgrid::DEFAULT_COLOR,
                                ovgrid::DEFAULT_COLOR);
        detail_.SSSetData(kTypeCol, gridRow, row.typeText.c_str());
        detail_.SSSetData(kNameCol, gridRow, row.stdName.c_str());
        detail_.setComboType(kObjectCol, gridRow, kObjectCol, gridRow, row.choices, false, true);
        detail_.SSSetData(kObjectCol, gridRow, row.choices[row.chosen].c_str());
        detail_.lockCell(kTypeCol, gridRow, true);
        detail_.lockCell(kNameCol, gridRow, true);
        detail_.lockCell(kObjectCol, gridRow, false);
    }
    if (auto* view = host_.view(kDetail)) {
        view->refresh();
    }
    filling_ = false;
    if (!shown && !error.isEmpty()) {
        AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CTabMacroMapping::collectDetail() {
    if (filling_) {
        return;
    }
    const Tvx_Array<MappingDetailRow>& rows = model_->detail();
    for (int r = 0; r < rows.length() && r < detail_.getMaxRows(); ++r) {
        if (!rows[r].section) {
            Tvx_String text;
            detail_.getCellText(kObjectCol, r + 1, text, Tvx_Spread::kReadData);
            if (!model_->chooseText(r, text)) {
                // A group header (or a text not offered) is no choice: the cell shows what is.
                filling_ = true;
                detail_.SSSetData(kObjectCol, r + 1, rows[r].choices[rows[r].chosen].c_str());
                filling_ = false;
            }
        }
    }
}

bool CTabMacroMapping::storeDetail() {
    collectDetail();
    Tvx_String error;
    if (!model_->storeDetail(&error)) {
        AfxMessageBox(L"The mapping was not stored: " + error, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CTabMacroMapping::store() {
    if (!model_->hasMacro()) {
        return true;
    }
    collectDetail();
    model_->storeList(readList());
    return storeDetail();
}

void CTabMacroMapping::selectRow(int row) {
    if (!model_->hasMacro()) {
        return;
    }
    // The row left keeps what was chosen for it.
    if (!storeDetail()) {
        return;
    }
    currentRow_ = row;
    if (auto* view = host_.view(kList); view != nullptr && row >= 1) {
        filling_ = true;
        view->selectionModel()->setCurrentIndex(view->model()->index(row - 1, 0),
                                                QItemSelectionModel::ClearAndSelect);
        filling_ = false;
    }
    list_.SSSetActiveCell(kSheetCol, row);
    showDetail();
}

void CTabMacroMapping::onListCellChanged() {
    if (filling_ || !model_->hasMacro()) {
        return;
    }
    // Choices go with the row as it was; then the list, then the detail of the row as it is.
    storeDetail();
    model_->storeList(readList());
    fillList();
    showDetail();
}

bool CTabMacroMapping::setDetailChoice(int detailRow, const Tvx_String& text) {
    if (detailRow < 1 || detailRow > detail_.getMaxRows()) {
        return false;
    }
    detail_.SSSetData(kObjectCol, detailRow, text.c_str());
    collectDetail();
    const auto& rows = model_->detail();
    return rows.isValid(detailRow - 1) &&
           rows[detailRow - 1].choices.isValid(rows[detailRow - 1].chosen) &&
           rows[detailRow - 1].choices[rows[detailRow - 1].chosen] == text;
}

void CTabMacroMapping::onButton(int id) {
    if (!model_->hasMacro() || !store()) {
        return;
    }
    const int row = currentRow_ - 1;
    int next = row;
    switch (id) {
        case kUp:
            next = model_->moveUp(row);
            break;
        case kDown:
            next = model_->moveDown(row);
            break;
        case kInsert:
            next = model_->insertBefore(row);
            break;
        case kRemove:
            next = model_->remove(row);
            break;
        default:
            return;
    }
    model_->setModified();
    fillList();
    // The detail was stored above; show the new current row's without storing again.
    currentRow_ = next + 1;
    if (auto* view = host_.view(kList);
        view != nullptr && currentRow_ >= 1 && currentRow_ <= list_.getMaxRows()) {
        filling_ = true;
        view->selectionModel()->setCurrentIndex(view->model()->index(currentRow_ - 1, 0),
                                                QItemSelectionModel::ClearAndSelect);
        filling_ = false;
    }
    showDetail();
}
