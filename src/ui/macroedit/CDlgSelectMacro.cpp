// CDlgSelectMacro.cpp - thumbnails, the property filter grid and the choice.
#include "ui/macroedit/CDlgSelectMacro.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/DlgSizeStore.h"
#include "core/FileSystem.h"
#include "core/OvTempResourceOverride.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/controls/CImageListCtrl.h"
#include "ui/grid/OvSpreadView.h"

using ovui::toQt;

namespace {

const wchar_t* const kSizeKey = L"DLG_SELECT_MACRO";
const wchar_t* const kLargeKey = L"LARGE_DLG";
constexpr int kGridNotifyCheck = 59;

}  // namespace

CDlgSelectMacro::CDlgSelectMacro(QWidget* parent) : OvDialog(IDD, parent), host_(this) {}

CDlgSelectMacro::~CDlgSelectMacro() = default;

bool CDlgSelectMacro::OnInitDialog() {
    SetWindowText(title.isEmpty() ? dialString(1116) : title);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(addControl(kChooseLabel, new QLabel(toQt(dialString(1309)), this)), 1);
    auto* toggle = addControl(kToggle, new QPushButton(this));
    toggle->setToolTip(QStringLiteral("Show or hide filter options"));
    toggle->setAutoDefault(false);
    top->addWidget(toggle);
    layout->addLayout(top);
    // The grid's view takes the placeholder's place (and ends it).
    auto* placeholder = new QWidget(this);
    placeholder->setMinimumHeight(110);
    layout->addWidget(placeholder);
    host_.addPlaceholder(kFilterGrid, placeholder);
    grid_.create(&host_, kFilterGrid, true);
    auto* onlyFitting = addControl(kOnlyFitting, new QCheckBox(toQt(dialString(1118)), this));
    layout->addWidget(onlyFitting);
    thumbnails_ = addControl(kThumbnails, new CImageListCtrl(this));
    thumbnails_->InitListCtrl(96);
    thumbnails_->setMinimumHeight(150);
    layout->addWidget(thumbnails_, 1);
    layout->addWidget(addControl(kCountLabel, new QLabel(this)));
    auto* notPlaced = addControl(kNotPlacedLabel, new QLabel(this));
    notPlaced->setVisible(false);
    layout->addWidget(notPlaced);
    layout->addLayout(createOkCancelRow());
    if (!flag) {
        onlyFitting->setEnabled(false);
        if (mode) {
            onlyFitting->setVisible(false);
            notPlaced->setText(toQt(dialString(1312) + L"\n" + dialString(1313)));
            notPlaced->setVisible(true);
        }
    }
    resize(560, 520);
    ChangeDlgSize(this, kSizeKey);

    filter_.init(names, flags, defaultIndex, second);
    Tvx_StringArray missing;
    for (const Tvx_String& drawing : filter_.getAllDwgFiles()) {
        if (!fileExists(changeExtension(drawing, L"bmp"))) {
            missing.append(drawing);
        }
    }
    filter_.CreatePreviewBMPs(missing, L"abm");
    fillFilterGrid();
    onlyFitting->setChecked(true);
    showThumbnails();
    if (names.isValid(defaultIndex)) {
        const Tvx_StringArray files = thumbnails_->files();
        for (int i = 0; i < files.length(); ++i) {
            if (getFileName(removeExtension(files[i])).equal(names[defaultIndex], false)) {
                thumbnails_->setCurrentRow(i);
            }
        }
    }
    largeMode_ = readDlgRegBool(kSizeKey, kLargeKey, false);
    showFilter();
    connect(toggle, &QPushButton::clicked, this, [this] { toggleFilter(); });
    connect(thumbnails_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    if (auto* view = host_.view(kFilterGrid)) {
        connect(view, &ovui::grid::OvSpreadView::gridNotify, this, [this](int code) {
            if (code == kGridNotifyCheck) {
                onFilterChanged();
            }
        });
    }
    return true;
}

void CDlgSelectMacro::fillFilterGrid() {
    const Tvx_Array<MergedProperty>& merged = filter_.getMergedProperties();
    int rows = 0;
    for (const MergedProperty& property : merged) {
        rows = std::max(rows, property.values.length());
    }
    grid_.setMaxCols(2 * merged.length());
    grid_.setMaxRows(rows + 1);
    for (int p = 0; p < merged.length(); ++p) {
        const int col = 2 * p + 1;
        grid_.SSSetData(
            col, ovgrid::HEADER,
            (p == 0 ? dialString(1119) : dialString(1120) + L" " + Tvx_String::fromInt(p)).c_str());
        grid_.SSSetData(col + 1, ovgrid::HEADER, L" ");
        grid_.setStaticCell(col, 1);
        grid_.SSSetData(col, 1, merged[p].name.c_str());
        grid_.setStaticCell(col + 1, 1);
        grid_.SSSetColor(col, 1, 0xE8E8E8, ovgrid::DEFAULT_COLOR);
        grid_.SSSetColor(col + 1, 1, 0xE8E8E8, ovgrid::DEFAULT_COLOR);
        grid_.lockRow(1, true);
        for (int v = 0; v < merged[p].values.length(); ++v) {
            grid_.setStaticCell(col, v + 2);
            grid_.SSSetData(col, v + 2, merged[p].values[v].c_str());
            grid_.SSSetCellType(col + 1, v + 2, ovgrid::defineCheckType(0, L"", {}, {}));
            grid_.SSSetData(col + 1, v + 2, merged[p].states[v] != 0 ? L"1" : L"0");
        }
        grid_.fitColumnWidth(col, false);
        grid_.SSSetColWidthInPixels(col + 1, 24);
    }
}

void CDlgSelectMacro::onFilterChanged() {
    const Tvx_Array<MergedProperty>& merged = filter_.getMergedProperties();
    for (int p = 0; p < merged.length(); ++p) {
        for (int v = 0; v < merged[p].values.length(); ++v) {
            Tvx_String state;
            grid_.getCellText(2 * p + 2, v + 2, state, Tvx_Spread::kReadValue);
            filter_.setState(p, v, state == L"1");
        }
    }
    showThumbnails();
}

void CDlgSelectMacro::showThumbnails() {
    Tvx_StringArray pictures;
    const Tvx_StringArray drawings = checkBox(kOnlyFitting)->isChecked()
                                         ? filter_.getFilteredMacros()
                                         : filter_.getAllDwgFiles();
    for (const Tvx_String& drawing : drawings) {
        pictures.append(macroPreviewFile(drawing));
    }
    thumbnails_->setFiles(pictures);
    thumbnails_->setNames(macroDisplayNames(drawings));
    SetDlgItemText(kCountLabel, dialString(1644) + L"  " + Tvx_String::fromInt(drawings.length()));
}

void CDlgSelectMacro::showFilter() {
    if (auto* view = host_.view(kFilterGrid)) {
        view->setVisible(largeMode_);
        view->setMinimumHeight(110);
    }
    if (auto* toggle = pushButton(kToggle)) {
        toggle->setIcon(style()->standardIcon(largeMode_ ? QStyle::SP_TitleBarShadeButton
                                                         : QStyle::SP_TitleBarUnshadeButton));
    }
}

void CDlgSelectMacro::toggleFilter() {
    largeMode_ = !largeMode_;
    showFilter();
}

void CDlgSelectMacro::OnOK() {
    const int row = thumbnails_->currentRow();
    if (row < 0 || !thumbnails_->currentItem() || !thumbnails_->currentItem()->isSelected() ||
        row >= thumbnails_->files().length()) {
        return;  // nothing chosen: the dialog stays
    }
    chosen = changeExtension(thumbnails_->files()[row], L"dwg");
    flag = false;
    OvDialog::OnOK();
}

void CDlgSelectMacro::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    writeDlgRegBool(kSizeKey, kLargeKey, largeMode_);
    OvDialog::OnDestroy();
}

bool StartDlgSelectMacro(const Tvx_String& title, const Tvx_StringArray& names,
                         const int& defaultIndex, const int& second, Tvx_String& chosen, bool& flag,
                         bool mode) {
    AcArray<bool> flags;
    for (int i = 0; i < names.length(); ++i) {
        flags.append(true);
    }
    return StartDlgSelectMacro(title, names, flags, defaultIndex, second, chosen, flag, mode);
}

bool StartDlgSelectMacro(const Tvx_String& title, const Tvx_StringArray& names,
                         const AcArray<bool>& flags, const int& defaultIndex, const int& second,
                         Tvx_String& chosen, bool& flag, bool mode) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgSelectMacro dialog;
    dialog.title = title;
    dialog.names = names;
    dialog.flags = flags;
    dialog.defaultIndex = defaultIndex;
    dialog.second = second;
    dialog.flag = flag;
    dialog.mode = mode;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    chosen = dialog.chosen;
    flag = dialog.flag;
    return true;
}
