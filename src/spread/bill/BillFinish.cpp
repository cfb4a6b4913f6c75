// BillFinish.cpp - the end of a bill's feed: surplus rows cut, columns fitted, the sheet's date,
// title and file name recorded, and the sheet saved with its header and footer files.
#include <ctime>

#include "spread/Tvx_Spread.h"
#include "spread/bill/BillSheetVars.h"
#include "spread/bill/OvSSBillOutput.h"
#include "spread/sheetfiles/SheetSave.h"

Acad::ErrorStatus OvSSBillOutput::onEndFeed() {
    Tvx_Spread* grid = getSSPointer();
    if (!grid) {
        return Acad::eInvalidInput;
    }
    if (picturesOn()) {
        closeBMPDialog();
    }
    if (rowCount < grid->getMaxRows()) {
        grid->setMaxRows(rowCount);
    }
    const int cols = grid->getMaxCols();
    for (int col = 1; col <= cols; ++col) {
        grid->setStaticCell(col, ovgrid::HEADER);
    }
    for (int col = 1; col <= cols; ++col) {
        grid->fitColumnWidth(col, true);
    }
    // The recorded pairs are built afresh, so that ending the feed twice does not repeat them.
    Tvx_StringArray names, values;
    billSheetVars(outputFile, std::time(nullptr), varNames, varValues, names, values);
    setSheetVariables(*grid, names, values);
    // A bill that did not reach its file is reported, not passed off as written.
    return saveSheetWithSettings(*grid, outputFile) ? Acad::eOk : Acad::eInvalidInput;
}
