// CDlgSheetsMgr.cpp - the sheets manager palette and its launchers.
#include "ui/spread/CDlgSheetsMgr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>
#include <map>

#include "core/DlgSizeStore.h"
#include "host/HostServices.h"
#include "ui/COvDockControlBar.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/spread/OvTreeController.h"

using ovui::spread::OvTreeController;

namespace {

constexpr const wchar_t* kSizeKey = L"DLG_SHEETSMGR";
constexpr const wchar_t* kToolId = L"{3B7E5C1D-2A94-4F6B-8D0E-91C4A7B25E36}";
constexpr const wchar_t* kTitle = L"Sheets manager";
constexpr int kLevelColumn = 2;
constexpr int kTextColumn = 3;
constexpr int kMarginWidth = 20;
constexpr int kNameWidth = 260;

COvDockControlBar* gSheetsMgrBar = nullptr;

Tvx_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Tvx_StringArray out;
    for (const wchar_t* item : items) {
        out.append(item);
    }
    return out;
}

}  // namespace

CDlgSheetsMgr::CDlgSheetsMgr(QWidget* parent) : OvDialog(IDD, parent), m_host(this) {
    setWindowFlag(Qt::WindowTitleHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* browse = new QHBoxLayout;
    browse->addWidget(
        addControl(kGenerateOutput, new QPushButton(QStringLiteral("Generate Output..."), this)));
    browse->addStretch(1);
    browse->addWidget(addControl(kPrevious, new QPushButton(QStringLiteral("Previous"), this)));
    browse->addWidget(addControl(kNext, new QPushButton(QStringLiteral("Next"), this)));
    browse->addWidget(addControl(kReview, new QPushButton(QStringLiteral("Review"), this)));
    layout->addLayout(browse);

    auto* filter = new QGridLayout;
    filter->addWidget(new QLabel(QStringLiteral("Current Filter : "), this), 0, 0);
    filter->addWidget(addControl(kFilterCombo, new QComboBox(this)), 0, 1);
    filter->addWidget(
        addControl(kApplyFilter, new QPushButton(QStringLiteral("Apply Filter"), this)), 0, 2);
    filter->addWidget(addControl(kSelectCombo, new QComboBox(this)), 1, 1);
    filter->addWidget(
        addControl(kManualSelect, new QPushButton(QStringLiteral("Manual select"), this)), 1, 2);
    auto* toggles = new QHBoxLayout;
    toggles->addWidget(addControl(kHideShow, new QPushButton(QStringLiteral("Hide/Show"), this)));
    toggles->addWidget(addControl(kReset, new QPushButton(QStringLiteral("Reset"), this)));
    filter->addLayout(toggles, 1, 3);
    filter->setColumnStretch(1, 1);
    layout->addLayout(filter);

    auto* tabs = addControl(kTabs, new QTabBar(this));
    tabs->setExpanding(false);
    layout->addWidget(tabs);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    for (int id : {kSheetTree, kPartTree}) {
        // Each tree sits in a layout of its own, where its view replaces the placeholder.
        auto* pane = new QWidget(splitter);
        auto* paneLayout = new QVBoxLayout(pane);
        paneLayout->setContentsMargins(0, 0, 0, 0);
        auto* placeholder = addControl(id, new QWidget(pane));
        placeholder->setMinimumSize(200, 80);
        placeholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        paneLayout->addWidget(placeholder);
        splitter->addWidget(pane);
    }
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);
    for (int id : {kSheetTree, kPartTree}) {
        m_host.addPlaceholder(id, item(id));
    }

    m_dynMenu = new QMenu(this);
    connect(pushButton(kGenerateOutput), &QPushButton::clicked, this,
            &CDlgSheetsMgr::onGenerateOutput);
}

CDlgSheetsMgr::~CDlgSheetsMgr() {
    if (m_started) {
        writeDlgSize(kSizeKey, DlgSize{width(), height()});
    }
}

OvTreeController* CDlgSheetsMgr::controller(int treeId) const {
    return treeId == kSheetTree  ? m_sheetController
           : treeId == kPartTree ? m_partController
                                 : nullptr;
}

bool CDlgSheetsMgr::initialiseModeless() {
    return OnInitDialog();
}

bool CDlgSheetsMgr::initTree(OvTreeSpread& tree, int treeId, const Tvx_StringArray& menuTexts) {
    if (!tree.create(&m_host, treeId, true)) {
        return false;
    }
    // An empty callback: the trees take drops and keep them as their last dropped item.
    tree.setTreeLook(
        kLevelColumn, kTextColumn, [](OvTreeSpread&) {}, true);
    tree.setTreeMenu(menuTexts);
    tree.setCommandHandler([this](int id, int n) { onTreeCommand(id, n); });
    if (auto* view = m_host.view(treeId)) {
        auto* controller = new OvTreeController(tree, *view);
        (treeId == kSheetTree ? m_sheetController : m_partController) = controller;
        view->horizontalHeader()->setVisible(false);
        view->verticalHeader()->setVisible(false);
        view->setShowGrid(false);
    }
    return true;
}

void CDlgSheetsMgr::finishTree(OvTreeSpread& tree) {
    tree.finishTree();
    tree.SSSetColWidthInPixels(1, kMarginWidth);
    // The name column is wide; the helper column after it stays out of sight.
    const int nameCol = kLevelColumn + tree.getLevelCount();
    tree.SSSetColWidthInPixels(nameCol, kNameWidth);
    for (int col = nameCol + 1; col <= tree.getMaxCols(); ++col) {
        tree.SSSetColWidthInPixels(col, 0);
    }
    tree.fitLastColumn(nameCol);  // the names take the rest of the width
    tree.SSSetBool(Tvx_Spread::kPropRedraw, true);
}

void CDlgSheetsMgr::fillSheetTree() {
    for (int i = 0; i < m_data.length(); ++i) {
        const OvSheetEntry entry = m_data.getAt(i);
        const int row = m_sheetTree.addItem(texts({entry.name().c_str(), L"0"}));
        for (int row2 = 0; row > 0 && row2 < entry.children().length(); ++row2) {
            m_sheetTree.addChild(row, texts({entry.children()[row2].c_str(), L"0"}));
        }
    }
    finishTree(m_sheetTree);
}

void CDlgSheetsMgr::fillPartTree() {
    // Each part once, in the order first met, with the sheets it is drawn on.
    Tvx_StringArray parts;
    std::map<int, Tvx_StringArray> sheetsOfPart;
    for (int i = 0; i < m_data.length(); ++i) {
        const OvSheetEntry entry = m_data.getAt(i);
        for (const Tvx_String& part : entry.children()) {
            int at = parts.find(part, true);
            if (at < 0) {
                at = parts.append(part);
            }
            sheetsOfPart[at].append(entry.name());
        }
    }
    for (int p = 0; p < parts.length(); ++p) {
        const int row = m_partTree.addItem(texts({parts[p].c_str(), L"0"}));
        for (const Tvx_String& sheet : sheetsOfPart[p]) {
            m_partTree.addChild(row, texts({sheet.c_str(), L"0"}));
        }
    }
    finishTree(m_partTree);
}

bool CDlgSheetsMgr::OnInitDialog() {
    m_sheetMenuTexts =
        texts({L"New sheet", L"Edit sheet", L"Copy sheet", L"Delete sheet", L"Export sheet",
               L"Highlight all in 3D", L"Zoom in 3D", L"Generate DXF/DSTV", L"Set checked status",
               L"Change format", L"Properties..."});
    m_partMenuTexts = texts({L"Show all sheets of this part", L"Properties..."});
    if (!initTree(m_sheetTree, kSheetTree, m_sheetMenuTexts) ||
        !initTree(m_partTree, kPartTree, m_partMenuTexts)) {
        return false;
    }
    fillSheetTree();
    fillPartTree();
    const DlgSize size = getSafeDlgSize(kSizeKey, kDefaultWidth, kDefaultHeight);
    resize(size.width, size.height);
    m_outputMenuTexts =
        texts({L"Print", L"Generate .dwg files", L"Generate .dxf files", L"Generate NC files"});
    m_dynMenu->clear();
    for (const Tvx_String& text : m_outputMenuTexts) {
        m_dynMenu->addAction(ovui::toQt(text));  // no action of their own yet
    }
    m_started = true;
    auto* tabs = static_cast<QTabBar*>(item(kTabs));
    if (tabs->count() == 0) {
        tabs->addTab(QStringLiteral("Sheets"));
        tabs->addTab(QStringLiteral("Parts"));
        connect(tabs, &QTabBar::currentChanged, this, [this](int index) {
            if (auto* view = m_host.view(index == 0 ? kSheetTree : kPartTree)) {
                view->setFocus();
            }
        });
    }
    return true;
}

int CDlgSheetsMgr::sheetIndexOfRow(int row) const {
    if (row < 1 || row > m_sheetTree.getMaxRows()) {
        return -1;
    }
    // Top-level rows come in the order of the entries.
    int index = -1;
    for (int r = 1; r <= row; ++r) {
        if (m_sheetTree.depth(r) == 1) {
            ++index;
        }
    }
    return index;
}

void CDlgSheetsMgr::onTreeCommand(int treeId, int item) {
    const Tvx_StringArray& menu = treeId == kSheetTree ? m_sheetMenuTexts : m_partMenuTexts;
    if ((treeId != kSheetTree && treeId != kPartTree) || item < 0 || item >= menu.length()) {
        return;
    }
    acutPrintf(L"\nMenu item \"%s\" pressed.", menu[item].c_str());
    if (treeId == kSheetTree && item == kChangeFormatItem) {
        int col = 0, row = 0;
        m_sheetTree.SSGetActiveCell(col, row);
        m_data.setCurrent(sheetIndexOfRow(row));
        m_data.changeFormatCmd(L"A4");
    }
}

QPoint CDlgSheetsMgr::outputMenuPosition() const {
    const QWidget* button = item(kGenerateOutput);
    return button->mapToGlobal(QPoint(0, button->height()));
}

void CDlgSheetsMgr::onGenerateOutput() {
    m_dynMenu->popup(outputMenuPosition());
}

void CDlgSheetsMgr::OnCancel() {
    // Escape must not close a palette.
}

COvDockControlBar* sheetsMgrBar() {
    return gSheetsMgrBar;
}

bool StartModelessDlgSheetsMgr(const OvSheetsMgrDlgData& data) {
    if (gSheetsMgrBar) {
        gSheetsMgrBar->show();
        gSheetsMgrBar->raise();
        return true;
    }
    if (!ovui::canShowDialogs()) {
        return false;
    }
    auto dialog = std::make_unique<CDlgSheetsMgr>();
    dialog->data() = data;
    if (!dialog->initialiseModeless()) {
        return false;
    }
    const DlgSize size = {dialog->width(), dialog->height()};
    if (!showDockedDialog(gSheetsMgrBar, std::move(dialog), CDlgSheetsMgr::IDD, kToolId, kTitle)) {
        return false;
    }
    // Docked, the bar takes the palette's width; floating, its whole size.
    if (auto* frame = qobject_cast<QMainWindow*>(gSheetsMgrBar->parentWidget());
        frame && !gSheetsMgrBar->isFloating()) {
        frame->resizeDocks({gSheetsMgrBar}, {size.width}, Qt::Horizontal);
    } else {
        gSheetsMgrBar->resize(size.width, size.height);
    }
    return true;
}

bool EndModelessDlgSheetsMgr() {
    if (!gSheetsMgrBar) {
        return false;
    }
    COvDockControlBar* bar = gSheetsMgrBar;
    // Closing runs the bar's close routine, which empties the slot and deletes the bar.
    bar->close();
    gSheetsMgrBar = nullptr;
    return true;
}
