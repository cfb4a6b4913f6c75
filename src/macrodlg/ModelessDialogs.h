// ModelessDialogs.h - the modeless dialogs of the macro subsystem (the macro dialogs and the
// constraints editor) live in the dialog library; the module closes them when it unloads through
// this service. The dialog library installs its implementation with its other Qt services; the
// default has no dialog to close.
#pragma once

#include "base/Service.h"

class ModelessDialogs {
  public:
    virtual ~ModelessDialogs() = default;
    virtual void destroyAllMacroDlgs() = 0;
    virtual void endDlgEditConstraints() = 0;
};

// The slot; its default closes nothing.
ovbase::Service<ModelessDialogs>& modelessDialogs();

// Closes every modeless macro dialog, last first (the unload message calls it).
void DestroyAllMacroDlgs();
// Closes the modeless constraints editor (the unload message calls it).
void EndDlgEditConstraints();
