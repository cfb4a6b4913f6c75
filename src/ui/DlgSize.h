// DlgSize.h - remembered dialog sizes on Qt windows: the framework calls the dialogs use, over the
// registry-backed store of the core (DlgSizeStore).
#pragma once

#include "core/Tvx_String.h"

class QWidget;

// The window's current size.
bool getDlgSize(const QWidget* window, int& width, int& height);
// Restores the size stored under `dlgKey`. With `growOnly` the window is never made smaller than
// it is now. False (window unchanged) when no size is stored.
bool ChangeDlgSize(QWidget* window, const Tvx_String& dlgKey, bool growOnly = false);
// Stores the window's current size under `dlgKey`.
bool WriteDlgSize(const QWidget* window, const Tvx_String& dlgKey);
