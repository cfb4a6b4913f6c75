// ModalLauncher.cpp - the check that dialogs can be shown at all.
#include "ui/ModalLauncher.h"

#include "host/HostServices.h"

namespace ovui {

bool canShowDialogs() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        return true;
    }
    acutPrintf(L"\novss: no user interface is available to show the dialog.\n");
    return false;
}

}  // namespace ovui
