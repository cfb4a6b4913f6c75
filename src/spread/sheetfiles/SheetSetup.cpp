// SheetSetup.cpp - a sheet set up from named settings.
#include "spread/sheetfiles/SheetSetup.h"

#include "grid/GridTypes.h"
#include "spread/Tvx_Spread.h"
#include "spread/sheetfiles/OvSSRegistrySets.h"

using ovgrid::HEADER;

namespace {

constexpr int kNewSheetCols = 6;
constexpr int kNewSheetRows = 11;
constexpr long kNewSheetEditStyle = 4;
constexpr int kNewSheetEditLength = 100;
constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;
// Grid switches of every sheet set up from settings; 7 is automatic recalculation.
constexpr int kSettingsSheetProperties[] = {12, 25, Tvx_Spread::kPropAutoCalc, 21};

ovgrid::FontInfo settingsFont(const OvSSSettings& settings, int weight) {
    ovgrid::FontInfo font;
    font.face = settings.defaultFont.wstr();
    font.height = settings.defaultTextHeight;
    font.weight = weight;
    font.charSet = 1;
    return font;
}

void applySettingsFonts(Tvx_Spread& spread, const OvSSSettings& settings) {
    if (settings.defaultFont.isEmpty() || settings.defaultTextHeight <= 0) {
        return;
    }
    const int cols = spread.SSGetMaxCols();
    const int rows = spread.SSGetMaxRows();
    if (cols > 0 && rows > 0) {
        spread.SSSetFontRange(1, 1, cols, rows,
                              spread.SSCreateFont(settingsFont(settings, kWeightNormal)), true);
    }
    const int bold = spread.SSCreateFont(settingsFont(settings, kWeightBold));
    spread.SSSetFontRange(HEADER, 0, HEADER, rows, bold, true);
    spread.SSSetFontRange(0, HEADER, cols, HEADER, bold, true);
}

void setUpNewSheet(Tvx_Spread& spread) {
    spread.setMaxCols(kNewSheetCols);
    spread.setMaxRows(kNewSheetRows);
    spread.SSSetTwoCodeSetting(4, 5);
    ovgrid::CellType edit;
    TSpread::SSSetTypeEdit(edit, kNewSheetEditStyle, kNewSheetEditLength, 0, 0);
    spread.SSSetCellTypeRange(1, 1, kNewSheetCols, kNewSheetRows, edit);
}

}  // namespace

bool resolveSheetSettings(const Tvx_String& settingsName, OvSSSettings& settings) {
    if (settings.load(settingsName)) {
        return true;
    }
    OvSSRegistrySets registry;
    registry.read();
    if (settings.load(registry.defaultSettingsName)) {
        return true;
    }
    settings.useDefaults();
    return false;
}

bool initSheetFromSettings(Tvx_Spread& spread, const Tvx_String& settingsName, bool newSheet,
                           OvSSSettings* applied) {
    if (!spread.isCreated()) {
        return false;
    }
    for (int code : kSettingsSheetProperties) {
        spread.SSSetBool(code, true);
    }
    if (newSheet) {
        setUpNewSheet(spread);
    }
    OvSSSettings settings;
    resolveSheetSettings(settingsName, settings);
    settings.writeToGrid(spread);
    applySettingsFonts(spread, settings);

    ovgrid::TextTip tip = spread.SSGetTextTip();
    tip.status = 2;
    tip.delay = 10;
    spread.SSSetTextTip(tip);
    spread.SSSetCellNoteIndicator(0);
    if (applied) {
        *applied = settings;
    }
    return true;
}
