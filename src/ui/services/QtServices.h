// QtServices.h - installs the Qt implementations of the core's user-facing services (message
// boxes) for a host that runs a Qt application. Prompts and file dialogs use Qt by default.
#pragma once

namespace ovui {
void installQtServices();
}

// The same for a host that loads the module with dlopen.
extern "C" void ovssInstallQtServices();
