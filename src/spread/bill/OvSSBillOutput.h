// OvSSBillOutput.h - the list-output receiver that writes a bill into a sheet file: a hidden
// grid filled row by row with typed cells, an optional picture row under each item, highlighted
// sub-total rows, the bill's date, title and file name in the sheet's settings, and the sheet
// saved with its header and footer files.
//
// Use: init, setVars (pictures only with both a bill and a transaction), onStartFeed, any number
// of onAddRow / onAddSubTotals, onEndFeed. A copy takes the options and lists but gets a hidden
// grid of its own (made by its init) and starts at row 0.
#pragma once

#include <memory>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/listoutput/Tvx_ListOutputCallback.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

class DlgSSAsTool;
class Tvx_Spread;

class OvSSBillOutput : public Tvx_ListOutputCallback {
  public:
    // init's result when the hidden grid cannot be made.
    static constexpr Acad::ErrorStatus kNoGrid = static_cast<Acad::ErrorStatus>(337);
    // Column types: what a cell of the column holds.
    enum ColumnType { kInteger = 1, kOneDecimal = 2, kText = 3 };
    // Rows added at once when the grid is full.
    static constexpr int kGrowStep = 100;

    OvSSBillOutput();
    ~OvSSBillOutput() override;
    OvSSBillOutput(const OvSSBillOutput& other);
    OvSSBillOutput& operator=(const OvSSBillOutput& other);

    // `unused` is accepted for the callers' sake and ignored.
    Acad::ErrorStatus init(const Tvx_String& outputFile, const Tvx_StringArray& captions,
                           const Tvx_Array<int>& unused, const Tvx_Array<int>& columnTypes,
                           const Tvx_String& settingsName, const Tvx_StringArray& names,
                           const Tvx_StringArray& values);
    void setVars(int pictureArg1, int pictureArg2, int pictureArg3, bool pictureFlag1,
                 bool pictureFlag2, Tvx_Bill* bill, AcTransaction* transaction);

    Acad::ErrorStatus onStartFeed() override;
    // Adds one bill row, with its rendered picture below it in picture mode. 3 without a grid.
    Acad::ErrorStatus onAddRow(const Tvx_StringArray& texts) override;
    // Adds a highlighted sub-total row; only `texts` is used. 3 without a grid.
    Acad::ErrorStatus onAddSubTotals(const Tvx_StringArray& texts,
                                     const Tvx_StringArray& secondTexts, bool flag,
                                     int value) override;
    // Cuts the surplus rows, fits the columns, records date, title and file name and saves the
    // sheet. 3 without a grid or when the sheet cannot be saved.
    Acad::ErrorStatus onEndFeed() override;

    // The hidden grid, or null before init.
    Tvx_Spread* getSSPointer() const;

    // Adds a row of texts; with an existing picture file a picture row follows it.
    bool addRow(const Tvx_StringArray& texts, const Tvx_String& pictureFile);

    int getRowCount() const { return rowCount; }
    const Tvx_String& getOutputFile() const { return outputFile; }
    bool picturesOn() const { return bill != nullptr && transaction != nullptr; }

  private:
    // One more row; the grid grows by kGrowStep rows when it is full.
    void makeRoom(Tvx_Spread& grid);
    void prepareRow(Tvx_Spread& grid, int row);
    void addPictureRow(Tvx_Spread& grid, const Tvx_String& pictureFile);
    // Moves a rendered picture beside the output sheet, where the saved sheet can find it.
    Tvx_String keepPicture(const Tvx_String& renderedFile);

    int pictureArg1 = -1;
    int pictureArg2 = 0;
    int pictureArg3 = 0;
    bool pictureFlag1 = true;
    bool pictureFlag2 = true;
    Tvx_Bill* bill = nullptr;
    AcTransaction* transaction = nullptr;
    std::unique_ptr<DlgSSAsTool> sheetHolder;
    int rowCount = 0;
    Tvx_Array<int> columnTypes;
    Tvx_String outputFile;
    Tvx_StringArray varNames;
    Tvx_StringArray varValues;
    int picturesKept = 0;
};
