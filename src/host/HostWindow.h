// HostWindow.h - the host application's main window as the module sees it: an opaque
// handle that a host (the studio) sets; null when the module runs without a window.
#pragma once

void* adsw_acadMainWnd();
void setHostMainWindow(void* window);
