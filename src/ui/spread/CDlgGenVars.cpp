// CDlgGenVars.cpp - the general variables dialog and its launcher.
#include "ui/spread/CDlgGenVars.h"

#include <algorithm>
#include <array>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/controls/CButtonST.h"
#include "ui/grid/OvSpreadView.h"
#include "ui/resources/ModuleArtwork.h"
#include "ui/services/FileDialogs.h"

using ovgrid::HEADER;

namespace {

constexpr const wchar_t* kSizeKey = L"DLG_GENVARS";
constexpr int kTextTitle = 1764;
constexpr int kTextAdd = 606;
constexpr int kTextRemove = 607;
constexpr int kTextMoveUp = 173;
constexpr int kTextMoveDown = 174;
constexpr int kButtonWidth = 16;

// Paths compare in one separator form, whichever form the settings and the chooser use.
Tvx_String backslashed(Tvx_String path) {
    path.replace(L"/", L"\\");
    return path;
}

// The parts of a ";"-joined filter, without empty ones (an empty cell has no parts).
Tvx_StringArray filterParts(const Tvx_String& filter) {
    Tvx_StringArray parts;
    int from = 0;
    while (from <= filter.length()) {
        int at = filter.find(L';', from);
        if (at < 0) {
            at = filter.length();
        }
        const Tvx_String part = filter.mid(from, at - from);
        if (!part.isEmpty()) {
            parts.append(part);
        }
        from = at + 1;
    }
    return parts;
}

Tvx_String joined(const Tvx_StringArray& parts) {
    Tvx_String text;
    for (int i = 0; i < parts.length(); ++i) {
        text += i > 0 ? L";" + parts[i] : parts[i];
    }
    return text;
}

}  // namespace

// What differs between the two grids: their controls, captions and the record's lists.
struct CDlgGenVars::GridSetup {
    int gridId;
    int dataCols;  // the button column follows them
    std::array<int, 4> captions;
    std::array<Tvx_StringArray*, 4> lists;
};

CDlgGenVars::CDlgGenVars(QWidget* parent) : OvDialog(IDD, parent), m_host(this) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    struct Section {
        int label, grid, add, remove, up, down;
    };
    for (const Section& s : {Section{kDwgLabel, kDwgGrid, kDwgAdd, kDwgRemove, kDwgUp, kDwgDown},
                             Section{kStdLabel, kStdGrid, kStdAdd, kStdRemove, kStdUp, kStdDown}}) {
        auto* title = addControl(s.label, new QLabel(this));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);
        auto* row = new QHBoxLayout;
        auto* placeholder = addControl(s.grid, new QWidget(this));
        placeholder->setMinimumSize(420, 130);
        placeholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(placeholder, 1);
        auto* buttons = new QVBoxLayout;
        buttons->addWidget(addControl(s.add, new QPushButton(this)));
        buttons->addWidget(addControl(s.remove, new QPushButton(this)));
        auto* moves = new QHBoxLayout;
        moves->addWidget(addControl(s.up, new CButtonST(this)));
        moves->addWidget(addControl(s.down, new CButtonST(this)));
        moves->addStretch(1);
        buttons->addLayout(moves);
        buttons->addStretch(1);
        row->addLayout(buttons);
        layout->addLayout(row, 1);

        const int gridId = s.grid;
        connect(pushButton(s.add), &QPushButton::clicked, this, [this, gridId] { onAdd(gridId); });
        connect(pushButton(s.remove), &QPushButton::clicked, this,
                [this, gridId] { onRemove(gridId); });
        connect(button(s.up), &QAbstractButton::clicked, this,
                [this, gridId] { onMove(gridId, -1); });
        connect(button(s.down), &QAbstractButton::clicked, this,
                [this, gridId] { onMove(gridId, 1); });
    }
    layout->addLayout(createOkCancelRow());
    resize(620, 480);
}

CDlgGenVars::~CDlgGenVars() = default;

bool CDlgGenVars::OnInitDialog() {
    ChangeDlgSize(this, kSizeKey);
    const GridSetup setups[] = {
        {kDwgGrid,
         3,
         {347, 86, 1543, 0},
         {&m_data.dwgGenVars(), &m_data.dwgGenValues(), &m_data.dwgGenFilters(), nullptr}},
        // Each caption names the list below it: variable, value, override, filter.
        {kStdGrid,
         4,
         {347, 86, 1765, 1543},
         {&m_data.stdGenVars(), &m_data.stdGenValues(), &m_data.stdGenOverrides(),
          &m_data.stdGenFilters()}},
    };
    for (const GridSetup& setup : setups) {
        if (!initGrid(setup)) {
            return false;
        }
    }
    for (int id : {kDwgUp, kStdUp}) {
        auto* icon = static_cast<CButtonST*>(item(id));
        icon->SetIcon(ovui::icons::kMoveUp);
        icon->SetTooltipText(dialString(kTextMoveUp));
    }
    for (int id : {kDwgDown, kStdDown}) {
        auto* icon = static_cast<CButtonST*>(item(id));
        icon->SetIcon(ovui::icons::kMoveDown);
        icon->SetTooltipText(dialString(kTextMoveDown));
    }
    SetWindowText(dialString(kTextTitle));
    SetDlgItemText(kDwgLabel, dialString(1762));
    SetDlgItemText(kStdLabel, dialString(1763));
    for (int id : {kDwgAdd, kStdAdd}) {
        SetDlgItemText(id, dialString(kTextAdd));
    }
    for (int id : {kDwgRemove, kStdRemove}) {
        SetDlgItemText(id, dialString(kTextRemove));
    }
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    return true;
}

bool CDlgGenVars::initGrid(const GridSetup& setup) {
    Tvx_Spread& grid = gridOf(setup.gridId);
    if (!grid.create(&m_host, setup.gridId, true)) {
        return false;
    }
    const int buttonCol = setup.dataCols + 1;
    grid.setDefaultLook(true);
    grid.setFitMode(4, buttonCol, kButtonWidth);
    grid.SSSetBool(Tvx_Spread::kPropRowHeaderShares, false);
    grid.setMaxCols(buttonCol);
    for (int col = 1; col <= setup.dataCols; ++col) {
        grid.setCellText(col, HEADER, dialString(setup.captions[col - 1]));
    }
    // A grid without variables still offers one row to type into.
    grid.setMaxRows(std::max(setup.lists[0]->length(), 1));
    for (int col = 1; col <= setup.dataCols; ++col) {
        grid.setColTexts(col, *setup.lists[col - 1]);
    }
    reformat(grid);
    if (auto* view = m_host.view(setup.gridId)) {
        const int gridId = setup.gridId;
        connect(view, &ovui::grid::OvSpreadView::gridNotify, this,
                [this, gridId, buttonCol](int code, int col, int row) {
                    if (code == ovui::grid::OvSpreadView::kNotifyButton && col == buttonCol) {
                        chooseDrawings(gridId, row);
                    }
                });
    }
    return true;
}

// Spans are rebuilt from scratch: equal neighbouring names merge, the last column holds the
// "..." buttons and its header joins the filter caption.
void CDlgGenVars::reformat(Tvx_Spread& grid) {
    const int cols = grid.getMaxCols();
    for (int col = 1; col <= cols; ++col) {
        grid.removeSpansInColumn(col);
    }
    int anchorCol = 0, anchorRow = 0, spanCols = 0, spanRows = 0;
    if (grid.SSGetCellSpan(cols - 1, HEADER, anchorCol, anchorRow, spanCols, spanRows)) {
        grid.SSRemoveCellSpan(anchorCol, anchorRow);
    }
    grid.mergeEqualInColumn(1);
    grid.setButtonType(cols, L"...", true);
    grid.applyFitMode();
}

int CDlgGenVars::selectedRow(Tvx_Spread& grid) const {
    int col = 0, row = 0;
    if (!grid.SSGetActiveCell(col, row) || row < 1) {
        return 0;
    }
    return row;
}

void CDlgGenVars::onAdd(int gridId) {
    Tvx_Spread& grid = gridOf(gridId);
    const int row = selectedRow(grid);
    // Without a selection the new row goes to the end.
    grid.insertRowAt(row > 0 ? row : grid.getMaxRows() + 1, false, false);
    reformat(grid);
}

void CDlgGenVars::onRemove(int gridId) {
    Tvx_Spread& grid = gridOf(gridId);
    if (grid.deleteRowAt(selectedRow(grid))) {
        reformat(grid);
    }
}

void CDlgGenVars::onMove(int gridId, int step) {
    Tvx_Spread& grid = gridOf(gridId);
    const int row = selectedRow(grid);
    const int target = row + step;
    if (row < 1 || target < 1 || target > grid.getMaxRows()) {
        return;
    }
    if (grid.moveRows(row, row, target)) {
        grid.SSSetActiveCell(1, target);
        reformat(grid);
    }
}

void CDlgGenVars::chooseDrawings(int gridId, int row) {
    Tvx_Spread& grid = gridOf(gridId);
    if (row < 1 || row > grid.getMaxRows()) {
        return;
    }
    const Tvx_String macros = gSettings.libDir + L"Macros\\";
    Tvx_StringArray chosen;
    if (!DlgOpenMulti(L"dwg", L"AutoCAD Drawing",
                      L"Select the drawings and folders that apply to this general variable",
                      macros, chosen)) {
        return;
    }
    const int filterCol = gridId == kDwgGrid ? 3 : 4;
    Tvx_String filter;
    grid.getCellText(filterCol, row, filter);
    Tvx_StringArray parts = filterParts(filter);
    const Tvx_String folder = backslashed(macros);
    for (const Tvx_String& path : chosen) {
        const Tvx_String candidate = backslashed(path);
        // Only what lies inside the macros folder can be named relative to it.
        if (candidate.length() > folder.length() && candidate.startsWith(folder, false)) {
            parts.append(candidate.mid(folder.length()));
        }
    }
    grid.setCellText(filterCol, row, joined(parts));
}

void CDlgGenVars::OnOK() {
    m_dwgGrid.getColTexts(1, m_data.dwgGenVars());
    m_dwgGrid.getColTexts(2, m_data.dwgGenValues());
    m_dwgGrid.getColTexts(3, m_data.dwgGenFilters());
    m_stdGrid.getColTexts(1, m_data.stdGenVars());
    m_stdGrid.getColTexts(2, m_data.stdGenValues());
    m_stdGrid.getColTexts(3, m_data.stdGenOverrides());
    m_stdGrid.getColTexts(4, m_data.stdGenFilters());
    EndDialog(IDOK);
}

void CDlgGenVars::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool StartDlgGenVars(OvAutoStandardsData& data) {
    return ovui::runModalOnCopy<CDlgGenVars>(data);
}
