// BillRows.cpp - the feed of a bill: room for each row, typed and cleared cells, the texts, the
// picture row under an item and the highlighted sub-total rows.
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/image/ImageSize.h"
#include "spread/Tvx_Spread.h"
#include "spread/bill/OvSSBillOutput.h"

using ovgrid::DEFAULT_COLOR;

namespace {
constexpr int kItemBitmap = 251;  // the module bitmap beside an item's picture
constexpr int kPictureColumn = 2;
constexpr int kSubTotalBorderType = 31;
constexpr int kSubTotalBorderStyle = 1;
constexpr long kSubTotalBackground = 0xFFD1A4;

bool isPictureFile(const Tvx_String& path) {
    ImageSize size;
    Tvx_String error;
    return !path.isEmpty() && fileExists(path) && readImageSize(path, size, error);
}

void removeSpanAt(Tvx_Spread& grid, int col, int row) {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (grid.SSGetCellSpan(col, row, anchorCol, anchorRow, cols, rows)) {
        grid.SSRemoveCellSpan(anchorCol, anchorRow);
    }
}
}  // namespace

void OvSSBillOutput::makeRoom(Tvx_Spread& grid) {
    ++rowCount;
    if (grid.getMaxRows() < rowCount) {
        grid.setMaxRows(rowCount + kGrowStep, true);
        for (int row = rowCount; row <= rowCount + kGrowStep; ++row) {
            grid.clearRow(row);
        }
    }
}

// New rows copy the layout of the row before them, which may be a sub-total or a picture row:
// every cell loses border, span and colours, and a copied picture cell becomes a text cell again.
void OvSSBillOutput::prepareRow(Tvx_Spread& grid, int row) {
    const int cols = grid.getMaxCols();
    for (int col = 1; col <= cols; ++col) {
        const int type = col <= columnTypes.length() ? columnTypes[col - 1] : 0;
        if (type == kInteger || type == kOneDecimal) {
            grid.setNumberType(col, row, col, row, type == kInteger ? 0 : 1, true);
        } else if (type == kText || grid.cellTypeCode(col, row) == ovgrid::kTypePicture) {
            grid.setEditType(col, row, col, row);
        }
        grid.SSSetBorder(col, row, 0, 0, DEFAULT_COLOR);
        removeSpanAt(grid, col, row);
        grid.SSSetColor(col, row, DEFAULT_COLOR, DEFAULT_COLOR);
    }
    double height = 0;
    if (grid.SSGetMaxTextRowHeight(row, height)) {
        grid.SSSetRowHeight(row, height);
    }
}

void OvSSBillOutput::addPictureRow(Tvx_Spread& grid, const Tvx_String& pictureFile) {
    // The picture starts in the second column, so a one-column bill gets a second one.
    if (grid.getMaxCols() < kPictureColumn) {
        grid.setMaxCols(kPictureColumn, true);
    }
    makeRoom(grid);
    int unused = 0;
    if (grid.insertPictureRow(pictureFile, kPictureColumn, rowCount, unused)) {
        grid.setPictureCell(1, rowCount, kItemBitmap, false);
    }
}

bool OvSSBillOutput::addRow(const Tvx_StringArray& texts, const Tvx_String& pictureFile) {
    Tvx_Spread* grid = getSSPointer();
    if (!grid) {
        return false;
    }
    if (grid->getMaxCols() < texts.length()) {
        grid->setMaxCols(texts.length(), true);
    }
    makeRoom(*grid);
    prepareRow(*grid, rowCount);
    for (int i = 0; i < texts.length(); ++i) {
        // A number column refuses a text that is no number; the text is kept in a text cell
        // rather than dropped from the bill.
        if (!grid->setCellValue(i + 1, rowCount, texts[i])) {
            grid->setEditType(i + 1, rowCount, i + 1, rowCount);
            grid->setCellValue(i + 1, rowCount, texts[i]);
        }
    }
    if (isPictureFile(pictureFile)) {
        addPictureRow(*grid, pictureFile);
    }
    return true;
}

Tvx_String OvSSBillOutput::keepPicture(const Tvx_String& renderedFile) {
    if (outputFile.isEmpty()) {
        return Tvx_String();
    }
    const Tvx_String folder = removeExtension(outputFile) + L"_pictures\\";
    if (!createFolder(folder)) {
        return Tvx_String();
    }
    ++picturesKept;
    const Tvx_String extension = getExtension(renderedFile);
    const Tvx_String kept = folder + Tvx_String::format(L"picture%d", picturesKept) +
                            (extension.isEmpty() ? Tvx_String() : L"." + extension);
    return copyFile(renderedFile, kept, true) ? kept : Tvx_String();
}

Acad::ErrorStatus OvSSBillOutput::onAddRow(const Tvx_StringArray& texts) {
    if (!getSSPointer()) {
        return Acad::eInvalidInput;
    }
    if (!picturesOn()) {
        addRow(texts, Tvx_String());
        return Acad::eOk;
    }
    // The rendered file is temporary; the sheet refers to a copy kept beside it, so that the
    // saved bill still shows its pictures.
    Tvx_String rendered;
    Tvx_String kept;
    if (createImage(texts, rendered, pictureArg1, pictureArg2, pictureArg3, pictureFlag1,
                    pictureFlag2, bill, transaction) &&
        isPictureFile(rendered)) {
        kept = keepPicture(rendered);
    }
    addRow(texts, kept);
    if (!rendered.isEmpty() && rendered != kept) {
        deleteFile(rendered);
    }
    return Acad::eOk;
}

Acad::ErrorStatus OvSSBillOutput::onAddSubTotals(const Tvx_StringArray& texts,
                                                 const Tvx_StringArray& /*secondTexts*/,
                                                 bool /*flag*/, int /*value*/) {
    Tvx_Spread* grid = getSSPointer();
    if (!grid || !addRow(texts, Tvx_String())) {
        return Acad::eInvalidInput;
    }
    const int cols = grid->getMaxCols();
    for (int col = 1; col <= cols && col <= texts.length(); ++col) {
        if (!texts[col - 1].isEmpty()) {
            grid->SSSetBorder(col, rowCount, kSubTotalBorderType, kSubTotalBorderStyle,
                              DEFAULT_COLOR);
            grid->SSSetColor(col, rowCount, kSubTotalBackground, DEFAULT_COLOR);
        }
    }
    return Acad::eOk;
}
