// QtServices.cpp - installation of the Qt services.
#include "ui/services/QtServices.h"

#include "ui/grid/CDlgFindReplace.h"
#include "ui/services/QtMessageService.h"

namespace ovui {

void installQtServices() {
    static QtMessageService messages;
    setMessageService(&messages);
    // F3 and F5 in any grid open the find and replace dialog.
    installFindReplaceDialog();
}

}  // namespace ovui

extern "C" void ovssInstallQtServices() {
    ovui::installQtServices();
}
