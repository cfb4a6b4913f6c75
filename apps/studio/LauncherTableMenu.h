// LauncherTableMenu.h - the "Launcher table" submenu of the studio's Dialogs menu: every launcher
// the core library calls, grouped by subsystem, each leading to the studio entry that opens it.
#pragma once

class QMenu;
class QMenuBar;

// Adds the submenu to `dialogs`; its entries are found in `bar` when it first opens, so menus
// built after it are found as well.
void addLauncherTableMenu(QMenu* dialogs, QMenuBar* bar);
