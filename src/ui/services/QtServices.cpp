// QtServices.cpp - installation of the Qt services, once.
#include "ui/services/QtServices.h"

#include "core/PromptService.h"
#include "macrodlg/ModelessDialogs.h"
#include "ui/grid/CDlgFindReplace.h"
#include "ui/macrodlg/MacroDlgLaunchers.h"
#include "ui/macroedit/MacroEditLaunchers.h"
#include "ui/services/FileDialogs.h"
#include "ui/services/PromptDialog.h"
#include "ui/services/QtMessageService.h"

namespace ovui {

namespace {

// The module's unload closes the modeless macro dialogs this library keeps.
class QtModelessDialogs : public ModelessDialogs {
  public:
    void destroyAllMacroDlgs() override { destroyModelessMacroDlgs(); }
    void endDlgEditConstraints() override { closeModelessMacroEditor(); }
};

}  // namespace

void installQtServices() {
    // Once only: a later call must not undo a service a test or a host installed since.
    static const bool installed = [] {
        static QtMessageService messages;
        static QtPromptService prompts;
        static QtFileDialogService files;
        static CDlgFindReplaceFactory findDialogs;  // F3 and F5 in any grid
        static QtModelessDialogs modeless;
        messageService().install(&messages);
        promptService().install(&prompts);
        fileDialogService().install(&files);
        findDialogFactory().install(&findDialogs);
        modelessDialogs().install(&modeless);
        return true;
    }();
    (void)installed;
}

}  // namespace ovui

extern "C" void ovssInstallQtServices() {
    ovui::installQtServices();
}
