// UserFolders.h - where the user's data lives on Linux. The bundled library is read-only sample
// data; the user's own library is $XDG_DATA_HOME/ovss/library (~/.local/share/ovss/library), made
// on the first run as a copy of the bundled one; settings and the registry store live under
// $XDG_CONFIG_HOME/ovss (~/.config/ovss). $OVSS_LIBDIR and $OVSS_APPDIR override the folders.
#pragma once

#include "core/Tvx_String.h"

// "<data home>/ovss/" and "<config home>/ovss/" in the application's path form (trailing "\\");
// empty when neither the XDG variable nor $HOME is set.
Tvx_String userDataFolder();
Tvx_String userConfigFolder();
// The user's library folder: userDataFolder() + "library\\" (empty without a data folder).
Tvx_String userLibraryFolder();

// The first-run step of a program, for folders still at their bundled default: unless
// $OVSS_LIBDIR is set, makes the user's library (a copy
// of the bundled one, put in place whole or not at all) when it does not exist yet and points
// gSettings.libDir at it; unless $OVSS_APPDIR is set, makes the configuration folder and points
// gSettings.tvxDir at it. False, with the reason in `error`, when the copy could not be made; the
// settings then keep the bundled library, which the program must treat as read-only.
bool installUserFolders(Tvx_String* error = nullptr);
