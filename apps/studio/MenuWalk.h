// MenuWalk.h - `ovss-studio --walk-menus`: triggers every entry of the studio's menus in turn and
// cancels each dialog it opens, as a person who opens and closes everything would. Each dialog
// seen is saved as a picture; a crash or a dialog that cannot be closed fails the walk.
#pragma once

#include <QString>

class QMainWindow;

// Walks the menus of `window`; pictures go to `pictureFolder` when it is not empty. Returns the
// process's exit code: 0 when every entry ran and every dialog closed.
int walkMenus(QMainWindow& window, const QString& pictureFolder);
