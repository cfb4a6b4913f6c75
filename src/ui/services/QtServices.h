// QtServices.h - the one call that installs the dialog library's Qt services in the engine's
// slots: message boxes, the one-line prompt, the file dialogs and the grids' find dialog. A
// program that shows dialogs calls it once it has a QApplication (the studio through the module's
// export); calling it again changes nothing. Without it every prompt and file dialog is cancelled
// and message boxes go to stderr, as in the engine alone.
#pragma once

namespace ovui {
void installQtServices();
}

// The same for a host that loads the module with dlopen.
extern "C" void ovssInstallQtServices();
