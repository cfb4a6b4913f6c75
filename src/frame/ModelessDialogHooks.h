// ModelessDialogHooks.h - the modeless dialogs (macro dialogs, constraints editor) live in
// the dialog library; the engine closes them through hooks that library installs.
#pragma once

#include <functional>

struct ModelessDialogHooks {
    std::function<void()> destroyAllMacroDlgs;
    std::function<void()> endDlgEditConstraints;
};

void setModelessDialogHooks(ModelessDialogHooks hooks);
const ModelessDialogHooks& modelessDialogHooks();
