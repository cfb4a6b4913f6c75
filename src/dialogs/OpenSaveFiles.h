// OpenSaveFiles.h - the model side of the filtered open-save dialog: the two name lists, the
// folder and extension, the mode, and the questions it asks before overwriting or deleting.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class OpenSaveFiles {
  public:
    static constexpr int kOpen = 0;
    static constexpr int kSave = 1;

    Tvx_StringArray suitable;  // the names that suit the current macro
    Tvx_StringArray all;       // every name of the folder
    Tvx_String folder;         // ends with a separator
    Tvx_String extension;      // with its dot, e.g. ".prp"
    Tvx_String chosen;
    int mode = kOpen;  // kOpen, any other value saves

    bool saving() const { return mode != kOpen; }
    // The names the list shows.
    const Tvx_StringArray& listed(bool showAll) const { return showAll ? all : suitable; }
    Tvx_String pathOf(const Tvx_String& name) const { return folder + name + extension; }

    // The overwrite question for `name`: text 1128, then text 1129 only when the name is not a
    // suitable one, then text 1130. Its caption is text 1131.
    Tvx_String overwriteQuestion(const Tvx_String& name) const;
    static Tvx_String overwriteCaption();
    // The delete question: text 1132, the quoted name, text 1133 and text 1134; caption 1135.
    static Tvx_String deleteQuestion(const Tvx_String& name);
    static Tvx_String deleteCaption();

    // Deletes the file of `name` and, when it is gone, drops the name from both lists. False
    // (lists unchanged) when the file could not be deleted.
    bool deleteName(const Tvx_String& name);
};

// The core library's file-name check: false and a message box naming the name and the cause
// when `name` cannot be a file name (empty, reserved characters, "." or "..", a trailing dot or
// blank, longer than 255 characters).
bool warnInvalidFileName(const Tvx_String& name);
