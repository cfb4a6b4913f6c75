// OvSSBillOutput.cpp - life of a bill output object: construction and copies, init, the picture
// options and the start of the feed.
#include "spread/bill/OvSSBillOutput.h"

#include "spread/Tvx_Spread.h"
#include "spread/workbench/DlgSSAsTool.h"

namespace {
constexpr int kGridLineType = 7;
constexpr long kGridLineColor = 0x323232;
// The picture progress dialog counts this many steps beyond the caller's option.
constexpr int kProgressExtraSteps = 20;
}  // namespace

OvSSBillOutput::OvSSBillOutput() : sheetHolder(std::make_unique<DlgSSAsTool>()) {}

OvSSBillOutput::~OvSSBillOutput() = default;

// The grid is not shared: a copy writes its own sheet, so it starts with a holder of its own
// and no rows written.
OvSSBillOutput::OvSSBillOutput(const OvSSBillOutput& other)
    : Tvx_ListOutputCallback(other),
      pictureArg1(other.pictureArg1),
      pictureArg2(other.pictureArg2),
      pictureArg3(other.pictureArg3),
      pictureFlag1(other.pictureFlag1),
      pictureFlag2(other.pictureFlag2),
      bill(other.bill),
      transaction(other.transaction),
      sheetHolder(std::make_unique<DlgSSAsTool>()),
      columnTypes(other.columnTypes),
      outputFile(other.outputFile),
      varNames(other.varNames),
      varValues(other.varValues) {}

OvSSBillOutput& OvSSBillOutput::operator=(const OvSSBillOutput& other) {
    if (this != &other) {
        OvSSBillOutput copy(other);
        pictureArg1 = copy.pictureArg1;
        pictureArg2 = copy.pictureArg2;
        pictureArg3 = copy.pictureArg3;
        pictureFlag1 = copy.pictureFlag1;
        pictureFlag2 = copy.pictureFlag2;
        bill = copy.bill;
        transaction = copy.transaction;
        sheetHolder = std::move(copy.sheetHolder);
        rowCount = 0;
        picturesKept = 0;
        columnTypes = std::move(copy.columnTypes);
        outputFile = std::move(copy.outputFile);
        varNames = std::move(copy.varNames);
        varValues = std::move(copy.varValues);
    }
    return *this;
}

Tvx_Spread* OvSSBillOutput::getSSPointer() const {
    return sheetHolder ? sheetHolder->get() : nullptr;
}

Acad::ErrorStatus OvSSBillOutput::init(const Tvx_String& file, const Tvx_StringArray& captions,
                                       const Tvx_Array<int>& /*unused*/,
                                       const Tvx_Array<int>& types, const Tvx_String& settingsName,
                                       const Tvx_StringArray& names,
                                       const Tvx_StringArray& values) {
    if (!sheetHolder) {
        return kNoGrid;
    }
    // A second init starts a new bill: nothing of the previous one may stay in the sheet.
    const bool hadGrid = sheetHolder->get() != nullptr;
    if (!sheetHolder->init() || !sheetHolder->get()) {
        return kNoGrid;
    }
    Tvx_Spread& grid = *sheetHolder->get();
    if (hadGrid) {
        grid.SSReset();
    }
    rowCount = 0;
    picturesKept = 0;
    outputFile = file;
    grid.applyTextSettings(settingsName);
    grid.SSSetGridType(kGridLineType);
    grid.SSSetGridColor(kGridLineColor);
    varNames = names;
    varValues = values;
    grid.setMaxCols(captions.length(), true);
    for (int i = 0; i < captions.length(); ++i) {
        grid.setCellText(i + 1, ovgrid::HEADER, captions[i]);
    }
    columnTypes = types;
    return Acad::eOk;
}

void OvSSBillOutput::setVars(int arg1, int arg2, int arg3, bool flag1, bool flag2,
                             Tvx_Bill* theBill, AcTransaction* theTransaction) {
    pictureArg1 = arg1;
    pictureArg2 = arg2;
    pictureArg3 = arg3;
    pictureFlag1 = flag1;
    pictureFlag2 = flag2;
    bill = theBill;
    transaction = theTransaction;
}

Acad::ErrorStatus OvSSBillOutput::onStartFeed() {
    if (picturesOn()) {
        initBMPDialog(pictureArg2 + kProgressExtraSteps);
    }
    return Acad::eOk;
}
