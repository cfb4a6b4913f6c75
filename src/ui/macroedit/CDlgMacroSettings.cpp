// CDlgMacroSettings.cpp - the settings tabs, filled from the record and read back on OK.
#include "ui/macroedit/CDlgMacroSettings.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "core/DlgSizeStore.h"
#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/QtText.h"
#include "ui/macroedit/CTabMacroMapping.h"
#include "ui/macroedit/TextTablePage.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

const Tvx_StringArray kFilterColumns{L"Filter", L"Minimum", L"Maximum"};
const wchar_t* const kSizeKey = L"DLG_MACRO_SETTINGS";
constexpr int kDefaultWidth = 760;  // all six tab titles in view
constexpr int kDefaultHeight = 520;

}  // namespace

CDlgMacroSettings::CDlgMacroSettings(QWidget* parent) : OvDialog(IDD, parent) {}

CDlgMacroSettings::~CDlgMacroSettings() = default;

TextTablePage* CDlgMacroSettings::tablePage(Page page) const {
    return page >= kFilter && page < kMapping ? pages_[page] : nullptr;
}

void CDlgMacroSettings::showPage(Page page) {
    if (tabs_ != nullptr) {
        tabs_->setCurrentIndex(page);
    }
}

bool CDlgMacroSettings::OnInitDialog() {
    SetWindowText(dialString(916) + L" - " + data_.macroName);
    auto* layout = new QVBoxLayout(this);
    tabs_ = addControl(kTabs, new QTabWidget(this));
    layout->addWidget(tabs_, 1);
    pages_[kFilter] = new TextTablePage(L"Filters op hoek van de as", kFilterColumns, tabs_);
    pages_[kFilter2] =
        new TextTablePage(L"Filters op hoek van de doorsnede", kFilterColumns, tabs_);
    pages_[kFilterProps] =
        new TextTablePage(Tvx_String(), Tvx_StringArray{L"Property", L"Value"}, tabs_);
    pages_[kVariables] =
        new TextTablePage(Tvx_String(), Tvx_StringArray{L"Name", L"Value", L"Description"}, tabs_);
    pages_[kGroups] =
        new TextTablePage(Tvx_String(), Tvx_StringArray{L"Group", L"Variables"}, tabs_);
    pages_[kFilter]->setTable(data_.other.filters);
    pages_[kFilter2]->setTable(data_.other.sectionFilters);
    pages_[kFilterProps]->setTable(data_.other.propertyFilters);
    pages_[kVariables]->setTable(data_.other.variables);
    pages_[kGroups]->setTable(data_.other.groups);
    const int titles[] = {917, 9600, 9601, 9602, 9603};
    for (int i = 0; i < kMapping; ++i) {
        tabs_->addTab(pages_[i], toQt(dialString(titles[i])));
    }
    mapping_ = new CTabMacroMapping(this, data_.mapping, tabs_);
    tabs_->addTab(mapping_, toQt(dialString(9604)));
    layout->addLayout(createOkCancelRow());
    // A damaged stored size is kept within what a screen shows, so the dialog never vanishes.
    const DlgSize size = getSafeDlgSize(kSizeKey, kDefaultWidth, kDefaultHeight);
    resize(size.width, size.height);
    mapping_->initialise();
    return true;
}

void CDlgMacroSettings::OnOK() {
    // A mapping that could not be stored keeps the dialog open: nothing the author chose is lost.
    if (!mapping_->store()) {
        return;
    }
    data_.other.filters = pages_[kFilter]->table();
    data_.other.sectionFilters = pages_[kFilter2]->table();
    data_.other.propertyFilters = pages_[kFilterProps]->table();
    data_.other.variables = pages_[kVariables]->table();
    data_.other.groups = pages_[kGroups]->table();
    OvDialog::OnOK();
}

void CDlgMacroSettings::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    OvDialog::OnDestroy();
}
