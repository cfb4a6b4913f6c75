// Tvx_Settings.h - the application's settings: the library and application folders, the working
// language and the per-document data. One global instance, gSettings.
//
// Folders are kept in the application's path form: "\\" separators and a trailing "\\", so that
// callers can write gSettings.libDir + "prof\\" + name. Defaults: $OVSS_LIBDIR and $OVSS_APPDIR,
// else the user's library copy when the first run has made it (core/UserFolders.h) and else the
// bundled sample library folder (for both); a program's start-up calls installUserFolders.
#pragma once

#include "core/Tvx_String.h"

// Data that belongs to the current drawing document.
struct Tvx_DocumentData {
    bool calcWarnings = false;  // show calculation warnings (unreadable variables, bad tolerances)
};

struct Tvx_Settings {
    Tvx_String libDir;                     // library folder
    Tvx_String tvxDir;                     // application data folder (holds texts.tsv)
    Tvx_String workLanguage = L"English";  // one of MacroLangs::GetAllLanguages()
    Tvx_DocumentData current;

    // Settings from the environment and the bundled library folder.
    static Tvx_Settings fromEnvironment();
    // The bundled sample library folder, in the application's path form.
    static Tvx_String bundledLibraryFolder();
    // A folder in the application's path form: "\\" separators and a trailing "\\".
    static Tvx_String normalizeFolder(const Tvx_String& folder);

    // Points both folders somewhere else (tests use temporary folders) and resets the language
    // and the document data to their defaults.
    void resetForTests(const Tvx_String& libFolder, const Tvx_String& appFolder);
    void resetToDefaults() { *this = fromEnvironment(); }
};

extern Tvx_Settings gSettings;
