// ModalLauncher.h - the common pattern of the exported modal launchers: make the module's
// resources current, build the dialog without a parent on a copy of the caller's record, run it
// modally and copy the record back only when the dialog ends with OK.
#pragma once

#include <QApplication>

#include "core/MessageService.h"
#include "core/OvTempResourceOverride.h"

namespace ovui {

// False when there is no Qt application to show a dialog in (the module was loaded by a host
// without a user interface); the launcher then fails instead of aborting the process.
bool canShowDialogs();

// `Dialog` offers a default constructor, `data()` returning its record copy, and DoModal().
template <class Dialog, class Record>
bool runModalOnCopy(Record& record) {
    if (!canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    Dialog dialog;
    dialog.data() = record;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    record = dialog.data();
    return true;
}

}  // namespace ovui
