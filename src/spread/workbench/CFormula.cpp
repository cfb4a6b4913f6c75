// CFormula.cpp - the workbench's start-up, its modes 1 and 4, and its buttons.
#include "spread/workbench/CFormula.h"

#include <algorithm>

#include "core/Paths.h"
#include "host/HostServices.h"
#include "spread/SheetFileIo.h"
#include "spread/workbench/FromTable.h"

using ovgrid::HEADER;

namespace {

constexpr ovgrid::Rect kDialogRect{0, 0, 640, 480};
constexpr ovgrid::Rect kGridRect{10, 60, 630, 470};
constexpr int kStartRows = 10;
constexpr int kStartCols = 8;
constexpr int kNumberBlock = 6;  // cells (1, 1)..(6, 6) start as numbers with 2 decimals

// Sheets load by extension; any other name is taken to be in the grid's own format.
bool loadAnySheet(ovgrid::Grid& grid, const Tvx_String& path) {
    const std::filesystem::path file = toFileSystemPath(path);
    if (sheetFileFormatOf(file) == SheetFileFormat::Unknown) {
        return grid.loadFromFile(file);
    }
    return loadSheetFile(grid, file, nullptr);
}

bool saveAnySheet(const ovgrid::Grid& grid, const Tvx_String& path) {
    const std::filesystem::path file = toFileSystemPath(path);
    if (sheetFileFormatOf(file) == SheetFileFormat::Unknown) {
        return grid.saveToFile(file, 0);
    }
    return saveSheetFile(grid, file, nullptr);
}

}  // namespace

CFormula::CFormula(int mode, const Tvx_String& path, OvGridHost* host)
    : host_(host), path_(path), mode_(mode) {
    if (!host_) {
        ownHost_ = std::make_unique<HeadlessGridHost>(kDialogRect);
        ownHost_->addControl(kGridPlaceholder, kGridRect);
        ownHost_->addControl(kSecondPlaceholder, kGridRect);
        host_ = ownHost_.get();
    }
}

void CFormula::setFromTableCall(ovgrid::SSValue* result, ovgrid::SSValue* args, int argCount,
                                ovgrid::Grid* callingGrid) {
    callResult_ = result;
    callArgs_ = args;
    callArgCount_ = argCount;
    callingGrid_ = callingGrid;
}

void CFormula::setReadTargets(Tvx_StringArray* headers, Tvx_Array<Tvx_StringArray>* rows) {
    headersOut_ = headers;
    rowsOut_ = rows;
}

void CFormula::setEvalCell(int col, int row) {
    evalCol_ = col;
    evalRow_ = row;
}

int CFormula::doModal() {
    if (!onInitDialog()) {
        return IDCANCEL;
    }
    // The visible workbench stays open for its view; every other mode has ended here.
    return IDOK;
}

bool CFormula::onInitDialog() {
    if (!grid_.create(host_, kGridPlaceholder, true)) {
        return false;
    }
    grid_.SSSetBool(12, true);
    grid_.SSSetBool(Tvx_Spread::kPropAutoCalc, false);
    autoCalc_ = false;
    style_ = kDefaultStyle;
    registerFromTable(grid_);
    grid_.setMaxRows(kStartRows);
    grid_.setMaxCols(kStartCols);
    grid_.SSSetTwoCodeSetting(4, 5);
    grid_.setNumberType(1, 1, kNumberBlock, kNumberBlock, 2, false);
    loaded_ = !path_.isEmpty() && loadSheet();
    acutPrintf(L"Loading spreadsheet:%s\n", path_.c_str());
    // Loading replaces the grid's functions.
    registerFromTable(grid_);

    switch (mode_) {
        case kReadSheet:
            readTexts();
            break;
        case kEvaluateCell:
            evaluateCell();
            break;
        case kFromTable:
            evaluateFromTable();
            break;
        default:
            break;
    }
    return true;
}

bool CFormula::loadSheet() {
    return grid_.grid() && loadAnySheet(*grid_.grid(), path_);
}

void CFormula::readTexts() {
    if (!loaded_) {
        // A sheet that did not load reads as an empty one, not as the start-up layout.
        grid_.SSReset();
    }
    firstCell_.empty();
    if (headersOut_) {
        headersOut_->removeAll();
    }
    if (rowsOut_) {
        rowsOut_->removeAll();
    }
    const int cols = std::max(grid_.getMaxCols(), 0);
    const int rows = std::max(grid_.getMaxRows(), 0);
    grid_.getCellText(1, 1, firstCell_, Tvx_Spread::kReadData);
    Tvx_String text;
    if (headersOut_) {
        for (int col = 1; col <= cols; ++col) {
            grid_.getCellText(col, HEADER, text, Tvx_Spread::kReadData);
            headersOut_->append(text);
        }
    }
    if (rowsOut_) {
        for (int row = 1; row <= rows; ++row) {
            Tvx_StringArray line;
            for (int col = 1; col <= cols; ++col) {
                grid_.getCellText(col, row, text, Tvx_Spread::kReadData);
                line.append(text);
            }
            rowsOut_->append(std::move(line));
        }
    }
}

void CFormula::evaluateCell() {
    grid_.SSReCalcCell(evalCol_, evalRow_);
    grid_.getCellText(evalCol_, evalRow_, result_);
}

void CFormula::onStyle(int style) {
    style_ = style;
    grid_.SSSetRefStyle(style == kR1C1Style ? ovgrid::RefStyle::R1C1 : ovgrid::RefStyle::A1);
    showFormulas();
}

// Cells (1, 1)..(1, 5) show the formulas of (4, 1)..(4, 5) in the style just chosen. The
// start-up makes those cells number cells, which refuse formula text: a cell that refuses
// becomes an edit cell so that the text is shown.
void CFormula::showFormulas() {
    auto show = [this](int row, const Tvx_String& formula) {
        if (!grid_.setCellText(1, row, formula)) {
            grid_.setEditType(1, row, 1, row);
            grid_.setCellText(1, row, formula);
        }
    };
    Tvx_String formula;
    for (int row = 1; row <= 4; ++row) {
        grid_.getCellText(4, row, formula, Tvx_Spread::kReadFormula);
        show(row, formula);
    }
    if (grid_.getCellText(4, 5, formula, Tvx_Spread::kReadFormula) && !formula.isEmpty()) {
        show(5, formula);
    }
    grid_.fitColumnWidth(1, false);
}

bool CFormula::onSaveToFile() {
    if (!grid_.grid() || path_.isEmpty() || !saveAnySheet(*grid_.grid(), path_)) {
        acutPrintf(L"Save failed\n");
        return false;
    }
    return true;
}

bool CFormula::onLoadFromFile() {
    const bool ok = !path_.isEmpty() && loadSheet();
    if (!ok) {
        acutPrintf(L"Load failed\n");
    } else {
        loaded_ = true;
    }
    registerFromTable(grid_);
    return ok;
}

void CFormula::onAutoCalculate(bool on) {
    autoCalc_ = on;
    grid_.SSSetBool(Tvx_Spread::kPropAutoCalc, on);
}

bool CFormula::onRecalculate() {
    return grid_.SSReCalc();
}
