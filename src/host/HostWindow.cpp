// HostWindow.cpp - the host's main window handle.
#include "host/HostWindow.h"

namespace {
void* gHostMainWindow = nullptr;
}

void* adsw_acadMainWnd() {
    return gHostMainWindow;
}

void setHostMainWindow(void* window) {
    gHostMainWindow = window;
}
