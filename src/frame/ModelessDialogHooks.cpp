// ModelessDialogHooks.cpp - closing the modeless dialogs when the module unloads.
#include "frame/ModelessDialogHooks.h"

#include "frame/ModuleEntry.h"

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
    }
}

void EndDlgEditConstraints() {
    if (hooks().endDlgEditConstraints) {
        hooks().endDlgEditConstraints();
    }
}
