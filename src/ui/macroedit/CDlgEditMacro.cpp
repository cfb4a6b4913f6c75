// CDlgEditMacro.cpp - the editor's pages, its module combo and buttons, and OK.
#include "ui/macroedit/CDlgEditMacro.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/DlgSizeStore.h"
#include "core/Texts.h"
#include "macrodlg/edit/MacroSettingsData.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/macroedit/CDlgMacroSettings.h"
#include "ui/macroedit/TextTablePage.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

const wchar_t* const kSizeKey = L"DLG_EDIT_MACRO";

Tvx_StringArray linesOf(const QString& text) {
    Tvx_StringArray lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines.append(fromQt(line));
        }
    }
    return lines;
}

QString textOf(const Tvx_StringArray& lines) {
    QStringList list;
    for (const Tvx_String& line : lines) {
        list.append(toQt(line));
    }
    return list.join(QLatin1Char('\n'));
}

QWidget* boxed(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

}  // namespace

CDlgEditMacro::CDlgEditMacro(QWidget* parent) : OvDialog(IDD, parent) {}

CDlgEditMacro::~CDlgEditMacro() = default;

TextTablePage* CDlgEditMacro::page(Page page) const {
    switch (page) {
        case kConstraints:
            return constraints_;
        case kGeometries:
            return geometries_;
        case kVariables:
            return variables_;
        case kCommands:
            return commands_;
    }
    return nullptr;
}

void CDlgEditMacro::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* other = addControl(
        kOtherMacro, new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                     toQt(dialString(870)), this));
    other->setToolTip(toQt(dialString(865)));
    top->addWidget(other);
    top->addWidget(new QLabel(toQt(dialString(9605)), this));
    modules_ = addControl(kModules, new QComboBox(this));
    modules_->setMinimumWidth(160);
    top->addWidget(modules_);
    top->addStretch(1);
    const std::pair<int, std::pair<QStyle::StandardPixmap, int>> icons[] = {
        {kAddRow, {QStyle::SP_FileDialogNewFolder, 866}},
        {kRemoveRow, {QStyle::SP_TrashIcon, 867}},
        {kReload, {QStyle::SP_BrowserReload, 868}}};
    for (const auto& [id, look] : icons) {
        auto* button = addControl(id, new QPushButton(style()->standardIcon(look.first), {}, this));
        button->setToolTip(toQt(dialString(look.second)));
        button->setAutoDefault(false);
        top->addWidget(button);
    }
    layout->addLayout(top);

    tabs_ = addControl(kTabs, new QTabWidget(this));
    constraints_ = new TextTablePage({}, constraintColumns(), tabs_);
    geometries_ = new TextTablePage({}, geometryColumns(), tabs_);
    auto* varsPage = new QWidget(tabs_);
    auto* varsLayout = new QHBoxLayout(varsPage);
    variables_ = new TextTablePage({}, valueColumns(), varsPage);
    dimensionValues_ = new TextTablePage({}, valueColumns(), varsPage);
    equations_ = new QPlainTextEdit(varsPage);
    equations_->setPlaceholderText(QStringLiteral("Gap = Thickness / 2"));
    varsLayout->addWidget(boxed(QStringLiteral("Variables"), variables_, varsPage), 1);
    varsLayout->addWidget(boxed(QStringLiteral("Dimension values"), dimensionValues_, varsPage), 1);
    varsLayout->addWidget(boxed(QStringLiteral("Equations"), equations_, varsPage), 1);
    commands_ = new TextTablePage({}, Tvx_StringArray{L"Command"}, tabs_);
    tabs_->addTab(constraints_, toQt(dialString(873)));
    tabs_->addTab(geometries_, toQt(dialString(874)));
    tabs_->addTab(varsPage, toQt(dialString(875)));
    tabs_->addTab(commands_, toQt(dialString(876)));
    layout->addWidget(tabs_, 1);

    auto* bottom = new QHBoxLayout;
    auto* settings = addControl(kSettings, new QPushButton(toQt(dialString(872)), this));
    auto* check = addControl(kCheck, new QPushButton(toQt(dialString(871)), this));
    for (QPushButton* button :
         {static_cast<QPushButton*>(settings), static_cast<QPushButton*>(check)}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    bottom->addStretch(1);
    layout->addLayout(bottom);
    layout->addLayout(createOkCancelRow());
    if (QAbstractButton* cancel = button(IDCANCEL)) {
        cancel->setText(toQt(dialString(285)));
    }

    connect(other, &QPushButton::clicked, this, [this] { OnOtherMacro(); });
    connect(settings, &QPushButton::clicked, this, [this] { OnSettings(); });
    connect(check, &QPushButton::clicked, this, [this] {
        storePages();
        if (writeAll(true)) {
            AfxMessageBox(dialString(9606), MB_OK);
        }
    });
    connect(pushButton(kAddRow), &QPushButton::clicked, this, [this] {
        if (TextTablePage* table = currentTable()) {
            table->addRow();
        }
    });
    connect(pushButton(kRemoveRow), &QPushButton::clicked, this, [this] {
        if (TextTablePage* table = currentTable()) {
            table->removeRow();
        }
    });
    connect(pushButton(kReload), &QPushButton::clicked, this, [this] {
        edits_.erase(shownModule_.wstr());
        refill();
    });
    connect(modules_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) {
            selectModule(fromQt(modules_->currentText()));
        }
    });
}

bool CDlgEditMacro::OnInitDialog() {
    if (data_.dbMacro() == nullptr || data_.dbMacro()->macro() == nullptr) {
        AfxMessageBox(dialString(9607), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    buildControls();
    // Kept within what a screen shows: a damaged stored size never hides the editor.
    const DlgSize size = getSafeDlgSize(kSizeKey, 760, 480);
    resize(size.width, size.height);
    refill();
    return true;
}

TextTablePage* CDlgEditMacro::currentTable() const {
    switch (tabs_ != nullptr ? tabs_->currentIndex() : -1) {
        case kConstraints:
            return constraints_;
        case kGeometries:
            return geometries_;
        case kVariables:
            return dimensionValues_->grid()->hasFocus() ? dimensionValues_ : variables_;
        case kCommands:
            return commands_;
        default:
            return nullptr;
    }
}

void CDlgEditMacro::refill() {
    const Tvx_DbMacro* dbMacro = data_.dbMacro();
    SetWindowText(dialString(869) + (dbMacro != nullptr && dbMacro->macro() != nullptr
                                         ? L" - " + dbMacro->macro()->name()
                                         : Tvx_String()));
    Tvx_StringArray names;
    MacroGetModules(data_, names);
    filling_ = true;
    modules_->clear();
    modules_->addItems(toQt(names));
    int current = names.find(data_.moduleName, false);
    if (current < 0 && names.length() > 0) {
        current = 0;
        data_.moduleName = names[0];
    }
    modules_->setCurrentIndex(current);
    filling_ = false;
    shownModule_ = data_.moduleName;
    const auto cached = edits_.find(shownModule_.wstr());
    MacroEditContent content;
    if (cached != edits_.end()) {
        content = cached->second;
    } else {
        readEditContent(data_, content);
    }
    // The macro-wide parts follow the pages as edited, whichever module is shown.
    if (!edits_.empty() && cached == edits_.end()) {
        const MacroEditContent& any = edits_.begin()->second;
        content.variables = any.variables;
        content.equations = any.equations;
        content.commands = any.commands;
    }
    showContent(content);
    showPage(static_cast<Page>(data_.currentPage));
}

void CDlgEditMacro::showContent(const MacroEditContent& content) {
    constraints_->setTable(content.constraints);
    geometries_->setTable(content.geometries);
    variables_->setTable(content.variables);
    dimensionValues_->setTable(content.dimensionValues);
    equations_->setPlainText(textOf(content.equations));
    Tvx_TextTable commands;
    for (const Tvx_String& command : content.commands) {
        commands.append(Tvx_StringArray{command});
    }
    commands_->setTable(commands);
}

void CDlgEditMacro::storePages() {
    if (constraints_ == nullptr) {
        return;
    }
    MacroEditContent content;
    content.constraints = constraints_->table();
    content.geometries = geometries_->table();
    content.variables = variables_->table();
    content.dimensionValues = dimensionValues_->table();
    content.equations = linesOf(equations_->toPlainText());
    for (const Tvx_StringArray& row : commands_->table()) {
        content.commands.append(row[0]);
    }
    for (auto& [module, edits] : edits_) {
        edits.variables = content.variables;
        edits.equations = content.equations;
        edits.commands = content.commands;
    }
    edits_[shownModule_.wstr()] = content;
    data_.currentPage = tabs_->currentIndex();
}

void CDlgEditMacro::selectModule(const Tvx_String& module) {
    storePages();
    data_.moduleName = module;
    refill();
}

void CDlgEditMacro::showPage(Page page) {
    if (tabs_ != nullptr && page >= 0 && page < tabs_->count()) {
        tabs_->setCurrentIndex(page);
    }
}

bool CDlgEditMacro::writeAll(bool checkOnly) {
    // Checked all first, so that a problem in one module leaves every module as it was.
    for (const bool check : {true, false}) {
        if (!check && checkOnly) {
            break;
        }
        for (const auto& [module, content] : edits_) {
            EditConstrData target = data_;
            target.moduleName = Tvx_String(module);
            Tvx_String error;
            if (!writeEditContent(target, content, error, check)) {
                AfxMessageBox(dialString(9608) + L"\n" + Tvx_String(module) + L": " + error,
                              MB_OK | MB_ICONEXCLAMATION);
                return false;
            }
        }
    }
    return true;
}

void CDlgEditMacro::OnSettings() {
    storePages();
    Tvx_DbMacro* dbMacro = data_.dbMacro();
    CDlgMacroSettings dialog(this);
    if (!GetMacroSettings(dbMacro, dialog.data())) {
        return;
    }
    if (dialog.DoModal() == IDOK) {
        SetMacroSettings(dbMacro, dialog.data());
    }
}

void CDlgEditMacro::OnOtherMacro() {
    storePages();
    hide();
    EditConstrData other = data_;
    if (SelectOtherMacro(other)) {
        data_ = other;
        edits_.clear();
        refill();
    }
    show();
}

void CDlgEditMacro::OnOK() {
    storePages();
    if (!writeAll(false)) {
        return;
    }
    if (modeless_) {
        closeModeless();
        return;
    }
    OvDialog::OnOK();
}

void CDlgEditMacro::OnCancel() {
    if (modeless_) {
        closeModeless();
        return;
    }
    OvDialog::OnCancel();
}

void CDlgEditMacro::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    OvDialog::OnDestroy();
}

void CDlgEditMacro::closeModeless() {
    OnDestroy();
    hide();
    deleteLater();
}
