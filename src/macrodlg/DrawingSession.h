// DrawingSession.h - the drawing a host without a database of its own (the studio) works on:
// opened from a drawing file, its macros listed, a macro's dialog record built, saved atomically.
// Opening a file that cannot be read leaves the session's drawing as it was.
#pragma once

#include <memory>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroData.h"
#include "core/macro/Tvx_Drawing.h"

class DrawingSession {
  public:
    static DrawingSession& instance();

    bool open(const Tvx_String& path, Tvx_String& error);
    // Saves to `path`, or to the file it was opened from when `path` is empty.
    bool save(const Tvx_String& path, Tvx_String& error) const;
    bool isOpen() const { return drawing_ != nullptr; }
    const Tvx_String& path() const { return path_; }

    // One row per macro: its name, its base profiles' sections joined with ", ", its modules
    // joined with ", " (a macro without definition is named "(missing)").
    int macroCount() const;
    bool macroRow(int index, Tvx_String& name, Tvx_String& baseProfiles, Tvx_String& modules) const;
    // The drawing object id of macro `index`; false out of range.
    bool macroId(int index, AcDbObjectId& id) const;
    // The dialog record of macro `index`; false out of range or for a macro without definition.
    bool buildRecord(int index, MacroData& data) const;
    // Macro `index` of the drawing; null out of range.
    Tvx_DbMacro* dbMacro(int index) const;

  private:
    std::unique_ptr<Tvx_Drawing> drawing_;
    Tvx_String path_;
};
