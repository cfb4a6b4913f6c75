// QtServices.cpp - installation of the Qt services.
#include "ui/services/QtServices.h"

#include "ui/services/QtMessageService.h"

namespace ovui {

void installQtServices() {
    static QtMessageService messages;
    setMessageService(&messages);
}

}  // namespace ovui

extern "C" void ovssInstallQtServices() {
    ovui::installQtServices();
}
