// ModelessDialogHooks.cpp - closing the modeless dialogs when the module unloads.
#include "frame/ModelessDialogHooks.h"

#include "frame/ModuleEntry.h"

// The dialog library's closer of the modeless macro dialogs; absent (null) in programs built
// without the dialogs.
__attribute__((weak)) void destroyModelessMacroDlgs();

namespace {
ModelessDialogHooks& hooks() {
    static ModelessDialogHooks h;
    return h;
}
}  // namespace

void setModelessDialogHooks(ModelessDialogHooks h) {
    hooks() = std::move(h);
}

const ModelessDialogHooks& modelessDialogHooks() {
    return hooks();
}

void DestroyAllMacroDlgs() {
    if (hooks().destroyAllMacroDlgs) {
        hooks().destroyAllMacroDlgs();
    } else if (destroyModelessMacroDlgs != nullptr) {
        destroyModelessMacroDlgs();
    }
}

void EndDlgEditConstraints() {
    if (hooks().endDlgEditConstraints) {
        hooks().endDlgEditConstraints();
    }
}
