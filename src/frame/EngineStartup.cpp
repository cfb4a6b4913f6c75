// EngineStartup.cpp - installation of the engine's services, once.
#include "frame/EngineStartup.h"

#include "spread/SheetTextSettings.h"
#include "spread/sheetfiles/OvSheetTextSettings.h"

void startEngine() {
    // Once only: a later call must not undo a service a test or a host installed since.
    static const bool started = [] {
        static OvSheetTextSettings sheetSettings;
        sheetTextSettingsProvider().install(&sheetSettings);
        return true;
    }();
    (void)started;
}
