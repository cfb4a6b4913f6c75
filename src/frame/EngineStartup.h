// EngineStartup.h - the one start-up call of the engine: it installs the engine's own services
// (the sheet settings behind every grid's text settings). The module's initialisation, the
// command-line tool and the test programs that need them call it; calling it again changes
// nothing. The dialog library's Qt services are installed apart (ovui::installQtServices) by
// programs that show dialogs.
#pragma once

void startEngine();
