// OvSheetsMgrDlgData.cpp - the sheets manager's record over a drawing.
#include "core/sheets/OvSheetsMgrDlgData.h"

#include "core/macro/Tvx_Drawing.h"

OvSheetsMgrDlgData::OvSheetsMgrDlgData(const std::shared_ptr<Tvx_Drawing>& drawing)
    : drawing_(drawing) {
    if (drawing == nullptr) {
        return;
    }
    for (const Tvx_Sheet& sheet : drawing->sheets()) {
        entries_.append(OvSheetEntry(sheet.name, sheet.parts));
    }
}

OvSheetEntry OvSheetsMgrDlgData::getAt(int index) const {
    return index >= 0 && index < entries_.length() ? entries_[index] : OvSheetEntry();
}

bool OvSheetsMgrDlgData::changeFormatCmd(const Tvx_String& format) {
    // A palette may outlive the drawing it was opened for.
    const std::shared_ptr<Tvx_Drawing> drawing = drawing_.lock();
    if (drawing == nullptr || format.isEmpty() || current_ < 0 ||
        current_ >= drawing->sheets().length()) {
        return false;
    }
    Tvx_Sheet sheet = drawing->sheets()[current_];
    sheet.format = format;
    return drawing->sheets().setAt(current_, sheet);
}
