// CDlgMacro.cpp - the macro parameter dialog: pages, command buttons, selectors, apply and close.
#include "ui/macrodlg/CDlgMacro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/MacroDialogOperations.h"
#include "host/HostServices.h"
#include "macrodlg/MacroDlgSizeKey.h"
#include "macrodlg/MacroTabApply.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/macrodlg/CMacroTabGeneral.h"
#include "ui/macrodlg/CMacroTabProf.h"
#include "ui/macrodlg/MacroDlgLaunchers.h"
#include "ui/services/FileDialogs.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

// The window's extent beyond its largest page.
constexpr int kExtraWidth = 47;
constexpr int kExtraHeight = 160;
constexpr int kMinTrackWidth = 280;
constexpr int kMinTrackHeight = 300;

}  // namespace

CDlgMacro::CDlgMacro(int dialogId, QWidget* parent) : OvDialog(IDD, parent), dialogId_(dialogId) {
    setSizeGripEnabled(true);
    setWindowTitle(QStringLiteral("Macro"));
    createControls();
}

CDlgMacro::~CDlgMacro() = default;

void CDlgMacro::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    struct IconButton {
        int id;
        QStyle::StandardPixmap icon;
        int tip;  // 0: the literal "Load from standards"
    };
    const IconButton iconButtons[] = {
        {kSelectOther, QStyle::SP_FileDialogContentsView, 973},
        {kViewDefault, QStyle::SP_DesktopIcon, 974},
        {kView0, QStyle::SP_ArrowUp, 975},
        {kView1, QStyle::SP_ArrowRight, 976},
        {kView2, QStyle::SP_ArrowDown, 977},
        {kLoadStandards, QStyle::SP_BrowserReload, 0},
        {kLoadProps, QStyle::SP_DialogOpenButton, 978},
        {kSaveProps, QStyle::SP_DialogSaveButton, 979},
    };
    for (const IconButton& b : iconButtons) {
        auto* button = addControl(b.id, new QToolButton(this));
        button->setIcon(style()->standardIcon(b.icon));
        button->setAutoRaise(true);
        button->setToolTip(b.tip == 0 ? QStringLiteral("Load from standards")
                                      : toQt(dialString(b.tip)));
        buttons->addWidget(button);
    }
    auto* clash = addControl(kClashCheck, new QCheckBox(this));
    clash->setToolTip(toQt(dialString(980)));
    clash->setText(toQt(dialString(980)));
    buttons->addWidget(clash);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(addControl(kGroupLabel, new QLabel(toQt(dialString(755)), this)));
    auto* group = addControl(kGroupCombo, new QComboBox(this));
    group->setMinimumWidth(140);
    selectors->addWidget(group, 1);
    selectors->addWidget(addControl(kSecondLabel, new QLabel(toQt(dialString(981)), this)));
    auto* second = addControl(kSecondCombo, new QComboBox(this));
    second->setMinimumWidth(140);
    selectors->addWidget(second, 1);
    layout->addLayout(selectors);

    tabs_ = addControl(kTabs, new QTabWidget(this));
    layout->addWidget(tabs_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(addControl(kReApply, new QPushButton(toQt(dialString(982)), this)));
    bottom->addStretch(1);
    auto* close = addControl(IDOK, new QPushButton(toQt(dialString(285)), this));
    close->setAutoDefault(false);  // Enter in a page's field must not close the dialog
    pushButton(kReApply)->setAutoDefault(false);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(button(kSelectOther), &QAbstractButton::clicked, this,
            [this] { onSelectOtherMacros(); });
    connect(button(kViewDefault), &QAbstractButton::clicked, this, [this] { onView(3); });
    connect(button(kView0), &QAbstractButton::clicked, this, [this] { onView(0); });
    connect(button(kView1), &QAbstractButton::clicked, this, [this] { onView(1); });
    connect(button(kView2), &QAbstractButton::clicked, this, [this] { onView(2); });
    connect(button(kLoadStandards), &QAbstractButton::clicked, this,
            [this] { onLoadFromStandards(); });
    connect(button(kLoadProps), &QAbstractButton::clicked, this, [this] { onLoadPropertyFile(); });
    connect(button(kSaveProps), &QAbstractButton::clicked, this, [this] { onSavePropertyFile(); });
    connect(button(kReApply), &QAbstractButton::clicked, this, [this] { onReApply(); });
    connect(close, &QAbstractButton::clicked, this, [this] { closeDialog(); });
    connect(clash, &QCheckBox::toggled, this, [this](bool on) {
        clashSetStatus(dialogId_, on);
        runClashCheck();
    });
    connect(group, &QComboBox::activated, this, [this] { onGroupChanged(true); });
    connect(second, &QComboBox::activated, this, [this] { onGroupChanged(false); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (CMacroPage* shown = page(index); shown != nullptr) {
            shown->setFocus();
            shownOnce_ = true;
        }
    });
}

Tvx_String CDlgMacro::sizeKey() const {
    return macroDlgSizeKey(data_);
}

CMacroPage* CDlgMacro::page(int index) const {
    return index >= 0 && index < pageCount() ? pages_[index].data() : nullptr;
}

int CDlgMacro::currentPage() const {
    return tabs_->currentIndex();
}

void CDlgMacro::selectPage(int index) {
    if (index >= 0 && index < tabs_->count()) {
        tabs_->setCurrentIndex(index);
    }
}

bool CDlgMacro::initModeless() {
    return OnInitDialog();
}

bool CDlgMacro::OnInitDialog() {
    if (!data_.title.isEmpty()) {
        setWindowTitle(toQt(data_.title));
    }
    getDlgSize(this, minWidth_, minHeight_);
    buildPages();
    const int first = data_.findTab(data_.initialTab);
    selectPage(std::max(first, 0));
    if (data_.applyAtStart && first >= 0 && first < pageCount() && pageKinds_[first] == 2) {
        page(first)->applyPage();
    }
    fillCombos();
    ChangeDlgSize(this, sizeKey());
    fitWindow();
    clashInitDlgStarted(dialogId_);
    clashResetInfo(dialogId_, data_.selectedIds);
    {
        const QSignalBlocker block(checkBox(kClashCheck));
        CheckDlgButton(kClashCheck, clashGetStatus(dialogId_) ? BST_CHECKED : BST_UNCHECKED);
    }
    runClashCheck();
    return true;
}

void CDlgMacro::buildPages() {
    const int selected = std::max(tabs_->currentIndex(), 0);
    {
        const QSignalBlocker block(tabs_);
        for (const QPointer<CMacroPage>& old : pages_) {
            if (old != nullptr) {
                old->retire();
            }
        }
        while (tabs_->count() > 0) {
            QWidget* old = tabs_->widget(0);
            tabs_->removeTab(0);
            old->hide();
            old->deleteLater();  // a page may be inside one of its own handlers
        }
    }
    pages_.clear();
    pageKinds_.clear();
    for (int i = 0; i < data_.tabs.length(); ++i) {
        const MacroTabData& tab = data_.tabs[i];
        CMacroPage* created = nullptr;
        if (tab.kind == 0 || tab.kind == 1 || tab.kind == 3) {
            created = new CMacroTabGeneral(this, i, tabs_);
        } else if (tab.kind == 2) {
            created = new CMacroTabProf(this, i, tabs_);
        }
        pages_.emplace_back(created);
        pageKinds_.push_back(tab.kind);
        if (created != nullptr) {
            created->buildPage();
            tabs_->addTab(created, toQt(tab.caption.isEmpty() ? tab.moduleName : tab.caption));
        }
    }
    selectPage(std::min(selected, tabs_->count() - 1));
    const bool allowed = data_.propListAllowed();
    EnableItem(kLoadProps, allowed);
    EnableItem(kSaveProps, allowed);
}

void CDlgMacro::rebuildPages() {
    buildPages();
    fitWindow();
}

void CDlgMacro::refreshAllPages() {
    for (const QPointer<CMacroPage>& shown : pages_) {
        if (shown != nullptr) {
            shown->refreshValues();
        }
    }
}

void CDlgMacro::fillCombos() {
    struct Selector {
        int id;
        const Tvx_StringArray& items;
        int selection;
    };
    for (const Selector& s : {Selector{kGroupCombo, data_.groupNames, data_.currentGroup},
                              Selector{kSecondCombo, data_.secondNames, data_.secondChoice}}) {
        QComboBox* box = comboBox(s.id);
        const QSignalBlocker block(box);
        box->clear();
        for (const Tvx_String& item : s.items) {
            box->addItem(toQt(item));
        }
        box->setCurrentIndex(s.selection < box->count() ? s.selection : -1);
    }
    const bool hasSelectors = !data_.groupNames.isEmpty() || !data_.secondNames.isEmpty();
    for (int id : {kGroupLabel, kGroupCombo, kSecondLabel, kSecondCombo}) {
        item(id)->setVisible(hasSelectors);
    }
}

void CDlgMacro::fitWindow() {
    if (!resized_) {
        return;
    }
    int width = 0;
    int height = 0;
    for (const QPointer<CMacroPage>& shown : pages_) {
        if (shown != nullptr) {
            width = std::max(width, shown->wantedSize().width());
            height = std::max(height, shown->wantedSize().height());
        }
    }
    width = std::max(width + kExtraWidth, minWidth_);
    height = std::max(height + kExtraHeight, minHeight_);
    setMinimumSize(std::min(width, kMinTrackWidth), std::min(height, kMinTrackHeight));
    resize(width, height);
}

void CDlgMacro::resizeEvent(QResizeEvent* event) {
    OvDialog::resizeEvent(event);
    if (isVisible()) {
        resized_ = true;
    }
}

void CDlgMacro::applyTab(int tabIndex, const MacroTabData& edited) {
    const MacroApplyResult result = applyTabEdits(data_, tabIndex, edited);
    if (result.refused) {
        AfxMessageBox(result.reason, MB_OK | MB_ICONEXCLAMATION);
        if (CMacroPage* shown = page(tabIndex)) {
            shown->refreshValues();
        }
        return;
    }
    if (!result.changed) {
        return;
    }
    if (result.written) {
        runClashCheck();
    }
    refreshAllPages();
    acedPostCommandPrompt();
}

void CDlgMacro::runClashCheck() {
    clashcheck(dialogId_, data_.selectedIds);
}

void CDlgMacro::onGroupChanged(bool group) {
    data_.currentGroup = comboBox(kGroupCombo)->currentIndex();
    data_.secondChoice = comboBox(kSecondCombo)->currentIndex();
    UpdateAllFilterModified(data_, group);
    rebuildPages();
    fillCombos();
}

void CDlgMacro::onSelectOtherMacros() {
    acedPostCommand(L"CANCELCMD");
    hide();
    const bool selected = SelectOtherMacros(data_);
    show();
    if (selected) {
        rebuildPages();
        fillCombos();
        clashResetInfo(dialogId_, data_.selectedIds);
    }
}

void CDlgMacro::onView(int direction) {
    acedPostCommand(L"CANCELCMD");
    if (const MacroTabData* tab = data_.getTab(currentPage())) {
        data_.changeView(tab->moduleName, direction);
    }
}

void CDlgMacro::onLoadFromStandards() {
    data_.loadFromStandards();
    rebuildPages();
    runClashCheck();
}

void CDlgMacro::onLoadPropertyFile() {
    if (!data_.propListAllowed()) {
        return;
    }
    Tvx_String folder, extension;
    Tvx_StringArray suitable, all;
    data_.getPropFiles(folder, extension, suitable, all);
    Tvx_String path = folder;
    if (!DlgOpenSave(true, extension, L"*." + extension, dialString(978), path)) {
        return;
    }
    const MacroData before = data_;
    int skipped = 0;
    if (!data_.readFromFile(path, skipped)) {
        AfxMessageBox(dialString(9803) + L"\n" + path, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Tvx_Array<Tvx_Array<int>> changed, changedPatterns;
    data_.differences(before, changed, changedPatterns);
    if (skipped != 0) {
        AfxMessageBox(dialString(1507) + L".\n" + dialString(1508) + L" " +
                          Tvx_String::fromInt(skipped) + L" " + dialString(1509) + L".\n\n" +
                          dialString(1510),
                      MB_OK | MB_ICONINFORMATION);
    }
    removeAll(changed, kDiffPresentation);
    setAllToMacro(data_, changed, changedPatterns);
    refreshAllPages();
    runClashCheck();
}

void CDlgMacro::onSavePropertyFile() {
    for (const QPointer<CMacroPage>& shown : pages_) {
        if (shown != nullptr) {
            shown->applyPage();
        }
    }
    if (!data_.propListAllowed()) {
        return;
    }
    Tvx_String folder, extension;
    Tvx_StringArray suitable, all;
    data_.getPropFiles(folder, extension, suitable, all);
    Tvx_String path = folder + (data_.macroNames.isEmpty() ? Tvx_String() : data_.macroNames[0]);
    if (DlgOpenSave(false, extension, L"*." + extension, dialString(979), path) &&
        !data_.writeToFile(path)) {
        AfxMessageBox(dialString(9804) + L"\n" + path, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CDlgMacro::onReApply() {
    if (data_.reApply()) {
        closeDialog();
    }
}

void CDlgMacro::closeDialog() {
    acedPostCommand(L"CANCELCMD");
    if (const MacroTabData* tab = data_.getTab(currentPage())) {
        data_.changeView(tab->moduleName, 3);
    }
    data_.closed = true;
    if (dialogId_ < 0) {
        acedPostCommandPrompt();
        if (isRunning()) {
            EndDialog(IDOK);
        }
        return;
    }
    EndDlgMacroModeless(dialogId_);
}

void CDlgMacro::OnOK() {
    closeDialog();
}

void CDlgMacro::OnCancel() {
    closeDialog();
}

void CDlgMacro::OnDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    WriteDlgSize(this, sizeKey());
    clashDlgClosed(dialogId_);
}
