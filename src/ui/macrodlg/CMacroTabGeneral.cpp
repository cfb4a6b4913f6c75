// CMacroTabGeneral.cpp - the designed page with its grid, bound to one tab of the macro record.
#include "ui/macrodlg/CMacroTabGeneral.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/NumberText.h"
#include "core/Paths.h"
#include "core/PromptService.h"
#include "core/Texts.h"
#include "core/macro/MacroDialogOperations.h"
#include "designer/DesignerTemplates.h"
#include "grid/CellTypes.h"
#include "grid/GridTypes.h"
#include "host/HostServices.h"
#include "macrodlg/DimensionPrompt.h"
#include "ui/QtText.h"
#include "ui/designer/DesignedPage.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/macrodlg/CDlgMacro.h"
#include "ui/macrodlg/MacroDetailLaunchers.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

constexpr int kGridRowPixels = 22;
constexpr int kGridVisibleRows = 8;

// A template named in the drawing: a name below the designer folder, or a file path.
Tvx_String templateFile(const Tvx_String& templatePath) {
    return getExtension(templatePath).equal(L"txt", false) ? templatePath
                                                           : getFileFromName(templatePath);
}

// The caption of a label, group box or button of the designed page.
void setCaption(QWidget* widget, const Tvx_String& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(toQt(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(toQt(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(toQt(text));
    }
}

bool isDetailButton(Tvx_ControlType type) {
    return type == 6 || type == 12 || type == 14 || type == 17 || type == 24;
}

}  // namespace

CMacroTabGeneral::CMacroTabGeneral(CDlgMacro* owner, int pageIndex, QWidget* parent)
    : CMacroPage(owner, pageIndex, parent), host_(this) {}

CMacroTabGeneral::~CMacroTabGeneral() = default;

void CMacroTabGeneral::buildPage() {
    ready_ = false;
    MacroTabData* tab = this->tab();
    if (tab == nullptr) {
        return;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    buildDesignedImage(*tab);
    if (designed_ != nullptr) {
        layout->addWidget(designed_, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    gridPlaceholder_ = new QWidget(this);
    layout->addWidget(gridPlaceholder_, 1);
    host_.addPlaceholder(kGrid, gridPlaceholder_);
    gridCreated_ = grid_.create(&host_, kGrid, true);
    buildGrid();
    buildBoltControls(*tab);
    auto* boltRow = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             assemblyLabel_, assembly_, diameterLabel_, diameter_, boltDetails_}) {
        boltRow->addWidget(widget);
    }
    boltRow->addStretch(1);
    layout->addLayout(boltRow);
    if (designed_ == nullptr || !gridShown()) {
        layout->addStretch(designed_ == nullptr && !gridShown() ? 1 : 0);
    }
    ready_ = true;
}

void CMacroTabGeneral::buildDesignedImage(MacroTabData& tab) {
    if (tab.templatePath.isEmpty()) {
        buildMacroPage(tab, nullptr, model_);
        return;
    }
    designer_.setIdRange(DesignedPage::kFirstRunTimeId, DesignedPage::kLastRunTimeId);
    if (!designer_.readFromFile(templateFile(tab.templatePath), true)) {
        acutPrintf(L"%s\n", designer_.lastError().c_str());
        buildMacroPage(tab, nullptr, model_);
        return;
    }
    buildMacroPage(tab, &designer_, model_);
    for (int i = 0; i < model_.dropped.length(); ++i) {
        acutPrintf(L"Template %s: no element \"%s\" on tab %s, its control is left out.\n",
                   designer_.getTemplateName().c_str(), model_.dropped[i].c_str(),
                   tab.moduleName.c_str());
    }
    designed_ = new DesignedPage(this);
    if (!designed_->showTemplate(designer_)) {
        delete designed_;
        designed_ = nullptr;
        return;
    }
    showBindings();
    connectDesignedControls();
}

void CMacroTabGeneral::showBindings() {
    for (const MacroControlBinding& binding : model_.controls) {
        if (!binding.items.isEmpty()) {
            designed_->fillList(binding.id, binding.items);
            designed_->selectListIndex(binding.id, binding.selection);
        } else if (binding.setsCaption) {
            if (binding.type <= 1 || isDetailButton(binding.type)) {
                setCaption(designed_->controlWidget(binding.id), binding.caption);
            } else {
                designer_.setCtrlValue(binding.id, binding.caption);
            }
        }
        if (binding.readOnly) {
            designer_.setCtrlReadOnly(binding.id, true);
        }
    }
}

void CMacroTabGeneral::connectDesignedControls() {
    for (const MacroControlBinding& binding : model_.controls) {
        QWidget* widget = designed_->controlWidget(binding.id);
        const int id = binding.id;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::editingFinished, this, [this] { applyPage(); });
        } else if (auto* box = qobject_cast<QComboBox*>(widget); box && binding.type == 27) {
            connect(box, &QComboBox::activated, this, [this, box] { onBlockChosen(box); });
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            connect(box, &QComboBox::activated, this, [this] { applyPage(); });
            if (box->lineEdit() != nullptr) {
                connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                        [this] { applyPage(); });
            }
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::clicked, this, [this] { applyPage(); });
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setAutoDefault(false);
            connect(push, &QPushButton::clicked, this, [this, id] { onDesignedButton(id); });
        }
    }
}

void CMacroTabGeneral::buildGrid() {
    if (!gridCreated_) {
        return;
    }
    const int rows = static_cast<int>(model_.rows.size());
    grid_.setMaxCols(kButtonCol);
    grid_.setMaxRows(rows);
    grid_.SSSetData(kNameCol, ovgrid::HEADER, dialString(9805).c_str());
    grid_.SSSetData(2, ovgrid::HEADER, L" ");
    grid_.SSSetData(kValueCol, ovgrid::HEADER, dialString(9806).c_str());
    grid_.SSSetData(kButtonCol, ovgrid::HEADER, L" ");
    grid_.SSSetColWidthInPixels(kNameCol, 170);
    grid_.SSSetColWidthInPixels(2, 6);
    grid_.SSSetColWidthInPixels(kValueCol, 120);
    grid_.SSSetColWidthInPixels(kButtonCol, 60);
    const ovgrid::CellType staticType = ovgrid::defineStaticType(0);
    for (int r = 1; r <= rows; ++r) {
        const MacroGridRow& row = model_.rows[r - 1];
        grid_.SSSetCellType(kNameCol, r, staticType);
        grid_.SSSetData(kNameCol, r, row.name.c_str());
        grid_.SSSetLock(kNameCol, r, true);
        grid_.SSSetCellType(2, r, staticType);
        grid_.SSSetLock(2, r, true);
        ovgrid::CellType valueType;
        if (row.kind == MacroGridRow::Cell && row.cellType == 1) {
            valueType = ovgrid::defineCheckType(0, L"", {}, {});
        } else if (row.kind == MacroGridRow::Cell && (row.cellType == 3 || row.cellType == 4)) {
            Tvx_String items;
            for (int i = 0; i < row.items.length(); ++i) {
                items += (i > 0 ? L"\t" : L"") + row.items[i];
            }
            valueType = ovgrid::defineComboType(0, items.c_str());
        } else {
            valueType = ovgrid::defineEditType(0, 60, 0, 0);
        }
        grid_.SSSetCellType(kValueCol, r, valueType);
        grid_.SSSetData(kValueCol, r, row.value.c_str());
        grid_.SSSetLock(kValueCol, r, row.locked || row.kind == MacroGridRow::Array);
        if (row.hasButton) {
            grid_.SSSetCellType(
                kButtonCol, r,
                ovgrid::defineButtonType(0, dialString(1324).c_str(), 0, 0, 0, 0, 0, 0, 0));
        } else {
            grid_.SSSetCellType(kButtonCol, r, staticType);
            grid_.SSSetLock(kButtonCol, r, true);
        }
    }
    auto* view = host_.view(kGrid);
    if (view == nullptr) {
        return;
    }
    view->setVisible(rows > 0);
    view->setMinimumHeight(kGridRowPixels * (std::min(rows, kGridVisibleRows) + 1) + 4);
    connect(view->model(), &QAbstractItemModel::dataChanged, this, [this] {
        if (ready_) {
            applyPage();
        }
    });
    connect(view, &ovui::grid::OvSpreadView::gridNotify, this, [this](int code, int, int row) {
        if (code == 60) {
            onGridButton(row);
        }
    });
}

void CMacroTabGeneral::buildBoltControls(const MacroTabData& tab) {
    assemblyLabel_ = new QLabel(toQt(dialString(9807)), this);
    assembly_ = new QComboBox(this);
    diameterLabel_ = new QLabel(toQt(dialString(9808)), this);
    diameter_ = new QComboBox(this);
    diameter_->setEditable(true);
    boltDetails_ = new QPushButton(toQt(dialString(968)), this);
    boltDetails_->setAutoDefault(false);
    connect(boltDetails_, &QPushButton::clicked, this, [this] { openBoltDetail(); });
    assembly_->setObjectName(QStringLiteral("1091"));
    diameter_->setObjectName(QStringLiteral("1092"));
    const MacroBoltData* bolt = tab.getBoltData();
    const bool show = tab.kind == 1 && bolt != nullptr && !model_.hasBoltButton;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             assemblyLabel_, assembly_, diameterLabel_, diameter_, boltDetails_}) {
        widget->setVisible(show);
    }
    if (!show) {
        return;
    }
    Tvx_StringArray assemblies;
    GetAssemblies(assemblies);
    Tvx_StringArray diameters;
    GetMergedDiameters(owner()->data(), diameters);
    struct Fill {
        QComboBox* box;
        const Tvx_StringArray& items;
        const Tvx_String& current;
    };
    for (const Fill& f : {Fill{assembly_, assemblies, bolt->assembly},
                          Fill{diameter_, diameters, bolt->diameter}}) {
        for (const Tvx_String& item : f.items) {
            f.box->addItem(toQt(item));
        }
        if (f.box->findText(toQt(f.current)) < 0) {
            f.box->addItem(toQt(f.current));
        }
        f.box->setCurrentIndex(f.box->findText(toQt(f.current)));
        connect(f.box, &QComboBox::activated, this, [this] { applyPage(); });
    }
    connect(diameter_->lineEdit(), &QLineEdit::editingFinished, this, [this] { applyPage(); });
}

bool CMacroTabGeneral::gridShown() const {
    return !model_.rows.empty();
}

int CMacroTabGeneral::gridRowOfCell(const Tvx_String& name) const {
    MacroTabData* tab = this->tab();
    MacroCellData* cell = tab != nullptr ? tab->findCellWithName(name) : nullptr;
    return cell != nullptr && cell->ctrl < 0 ? -cell->ctrl : 0;
}

MacroTabData CMacroTabGeneral::readBack() const {
    MacroTabData edited = *tab();
    auto valueOf = [this](int ctrl, Tvx_String& value) {
        if (ctrl > 0) {
            Tvx_String text;
            if (designer_.getCtrlValue(ctrl, text)) {
                value = text;
            }
        } else if (ctrl < 0 && gridCreated_) {
            std::wstring text;
            if (grid_.SSGetData(kValueCol, -ctrl, text)) {
                value = text;
            }
        }
    };
    for (MacroCellData& cell : edited.cells) {
        if (cell.type == 3 || cell.type == 4) {
            continue;  // a list keeps its items in the value text
        }
        valueOf(cell.ctrl, cell.value);
    }
    for (MacroPatternProps& pattern : edited.patterns) {
        valueOf(pattern.countCtrl, pattern.count1);
    }
    for (MacroCutData& cut : edited.cuts) {
        valueOf(cut.ctrl, cut.number);
    }
    if (MacroBoltData* bolt = edited.getBoltData(); bolt != nullptr && assembly_->isVisible()) {
        bolt->assembly = fromQt(assembly_->currentText());
        bolt->diameter = fromQt(diameter_->currentText());
    }
    return edited;
}

void CMacroTabGeneral::applyPage() {
    if (!ready_ || tab() == nullptr) {
        return;
    }
    ready_ = false;
    const MacroTabData edited = readBack();
    owner()->applyTab(pageIndex(), edited);
    ready_ = true;
}

void CMacroTabGeneral::refreshValues() {
    const MacroTabData* tab = this->tab();
    if (tab == nullptr) {
        return;
    }
    const bool wasReady = ready_;
    ready_ = false;
    auto show = [this](int ctrl, const Tvx_String& value) {
        if (ctrl > 0) {
            designer_.setCtrlValue(ctrl, value);
        } else if (ctrl < 0 && gridCreated_) {
            grid_.SSSetData(kValueCol, -ctrl, value.c_str());
        }
    };
    for (const MacroCellData& cell : tab->cells) {
        if (cell.type != 3 && cell.type != 4) {
            show(cell.ctrl, cell.value);
        }
    }
    for (const MacroPatternProps& pattern : tab->patterns) {
        show(pattern.countCtrl, pattern.count1);
    }
    for (const MacroCutData& cut : tab->cuts) {
        show(cut.ctrl, cut.number);
    }
    if (const MacroBoltData* bolt = tab->getBoltData(); bolt != nullptr && assembly_->isVisible()) {
        assembly_->setCurrentText(toQt(bolt->assembly));
        diameter_->setCurrentText(toQt(bolt->diameter));
    }
    ready_ = wasReady;
}

QSize CMacroTabGeneral::wantedSize() const {
    int width = 0;
    int height = 8;
    if (designed_ != nullptr) {
        width = designed_->sizeHint().width() + 8;
        height += designed_->sizeHint().height() + 6;
    }
    if (gridShown()) {
        const int rows = std::min(static_cast<int>(model_.rows.size()), kGridVisibleRows);
        width = std::max(width, 170 + 6 + 120 + 60 + 40);
        height += kGridRowPixels * (rows + 1) + 10;
    }
    if (assembly_ != nullptr && !assembly_->isHidden()) {
        height += 30;
    }
    return {width, height};
}

void CMacroTabGeneral::onDesignedButton(int id) {
    MacroTabData* tab = this->tab();
    const Tvx_DesignerControl* control = designer_.getControlFromRes(id);
    if (!ready_ || tab == nullptr || control == nullptr) {
        return;
    }
    if (control->type == 30) {
        Tvx_String group, name;
        int index = -1;
        int status = -1;
        if (!designer_.getFlexBtnGroupName(id, group, name) ||
            !designer_.findCtrlFromResource(id, index) ||
            !designer_.getFlexBtnStatus(index, status) || (status != 0 && status != 1)) {
            return;
        }
        MacroTabData edited = readBack();
        if (edited.flexFixBtnClicked(group, name, status)) {
            owner()->applyTab(pageIndex(), edited);
        }
        return;
    }
    if (control->type == 25 || control->type == 26) {
        promptDimension(*control);
        return;
    }
    if (control->type == 6) {
        openPatternDetail(tab->findPatternWithName(control->contents));
        return;
    }
    if (control->type == 12) {
        openBoltDetail();
        return;
    }
    if ((control->type == 14 || control->type == 17)) {
        applyPage();
        StartDlgMacroProfAdv(owner()->data(), tab->moduleName, control->contents, false);
        owner()->refreshAllPages();
    } else if (control->type == 24) {
        if (DynArrayData* array = tab->findArrayWithBtnId(id); array != nullptr) {
            MacroTabData edited = readBack();
            DynArrayData* copy = edited.findArrayWithBtnId(id);
            if (StartArrayDlg(*copy, owner()->data().selectedIds, copy->name)) {
                owner()->applyTab(pageIndex(), edited);
            }
        }
    }
}

void CMacroTabGeneral::onGridButton(int row) {
    MacroTabData* tab = this->tab();
    if (!ready_ || tab == nullptr || row < 1) {
        return;
    }
    MacroTabData edited = readBack();
    if (DynArrayData* array = edited.findArrayWithBtnId(-row); array != nullptr) {
        if (StartArrayDlg(*array, owner()->data().selectedIds, array->name)) {
            owner()->applyTab(pageIndex(), edited);
        }
        return;
    }
    openPatternDetail(tab->findPatternWithBtnId(-row));
}

void CMacroTabGeneral::openPatternDetail(const MacroPatternProps* pattern) {
    MacroTabData* tab = this->tab();
    if (pattern == nullptr || tab == nullptr) {
        return;
    }
    const Tvx_String name = pattern->name;
    MacroTabData edited = readBack();
    MacroPatternProps* copy = edited.findPatternWithName(name);
    if (copy != nullptr && StartDlgMacroPattern(*copy)) {
        owner()->applyTab(pageIndex(), edited);
    }
}

void CMacroTabGeneral::openBoltDetail() {
    MacroTabData* tab = this->tab();
    if (!ready_ || tab == nullptr || tab->getBoltData() == nullptr) {
        return;
    }
    applyPage();
    MacroBoltData bolt = *this->tab()->getBoltData();
    Tvx_StringArray assemblies, diameters;
    GetAssemblies(assemblies);
    GetMergedDiameters(owner()->data(), diameters);
    const int page = pageIndex();
    StartDlgMacroBoltAdv(bolt, assemblies, diameters, [this, page](MacroBoltData& changed) {
        MacroTabData edited = *this->tab();
        if (MacroBoltData* target = edited.getBoltData()) {
            *target = changed;
            owner()->applyTab(page, edited);
        }
    });
    refreshValues();
}

// The block chosen in a kind-27 combo replaces the module's block in the drawing.
void CMacroTabGeneral::onBlockChosen(QComboBox* box) {
    MacroTabData* tab = this->tab();
    if (!ready_ || tab == nullptr || !tab->hasBlockChoice || box->currentIndex() < 0) {
        return;
    }
    Tvx_String folder = tab->blockFolder;
    if (!folder.isEmpty() && folder.right(1) != L"\\" && folder.right(1) != L"/") {
        folder += L"\\";
    }
    const Tvx_String path = folder + fromQt(box->currentText()) + L".dwg";
    if (swapBlockRefs(owner()->data(), tab->moduleName, path)) {
        tab->blockName = fromQt(box->currentText());
    }
}

Tvx_String CMacroTabGeneral::controlText(int ctrl) const {
    Tvx_String text;
    if (ctrl > 0) {
        designer_.getCtrlValue(ctrl, text);
    } else if (ctrl < 0 && gridCreated_) {
        std::wstring value;
        if (grid_.SSGetData(kValueCol, -ctrl, value)) {
            text = value;
        }
    }
    return text;
}

void CMacroTabGeneral::setControlText(int ctrl, const Tvx_String& text) {
    if (ctrl > 0) {
        designer_.setCtrlValue(ctrl, text);
    } else if (ctrl < 0 && gridCreated_) {
        grid_.SSSetData(kValueCol, -ctrl, text.c_str());
    }
}

// Kinds 25 and 26: the person gives the total; the offset (and a second control) follow.
void CMacroTabGeneral::promptDimension(const Tvx_DesignerControl& control) {
    MacroTabData* tab = this->tab();
    const DimensionPromptCells names = dimensionPromptCells(control);
    const MacroCellData* base = tab->findCellWithName(names.base);
    const MacroCellData* offset = tab->findCellWithName(names.offset);
    const MacroCellData* second = tab->findCellWithName(names.second);
    auto number = [](const Tvx_String& text) { return ovbase::parseNumberText(text.wstr()); };
    const std::optional<double> baseValue = base != nullptr ? number(base->value) : std::nullopt;
    if (!baseValue || offset == nullptr || offset->readOnly || offset->ctrl == 0) {
        return;
    }
    const std::optional<double> offsetValue = number(controlText(offset->ctrl));
    const bool secondShown = second != nullptr && second->ctrl != 0;
    const std::optional<double> secondValue =
        secondShown ? number(controlText(second->ctrl)) : std::nullopt;
    const std::optional<double> factor =
        control.type == 25 ? number(control.contents) : std::optional<double>(1.0);
    if (!offsetValue || (secondShown && !secondValue) || !factor) {
        return;
    }
    DimensionPromptValues values;
    values.kind = control.type;
    values.factor = *factor;
    values.base = *baseValue;
    values.offset = names.offsetNegated ? -*offsetValue : *offsetValue;
    if (secondValue) {
        values.second = names.secondNegated ? -*secondValue : *secondValue;
    }
    const std::optional<double> total = dimensionPromptTotal(values);
    if (!total) {
        return;
    }
    Tvx_DlgPromptString prompt(dialString(971), dialString(1321) + L"\n" + dialString(1322),
                               dimensionPromptText(*total), dialString(1), dialString(2));
    if (prompt.DoModal() != IDOK) {
        return;
    }
    const std::optional<double> newTotal = number(prompt.m_value);
    if (!newTotal) {
        return;
    }
    const DimensionPromptResult result = dimensionPromptApply(values, *newTotal);
    setControlText(offset->ctrl,
                   dimensionPromptText(names.offsetNegated ? -result.offset : result.offset));
    if (result.second && secondShown) {
        setControlText(second->ctrl,
                       dimensionPromptText(names.secondNegated ? -*result.second : *result.second));
    }
    applyPage();
}
