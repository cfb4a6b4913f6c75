// OvSheetsMgrDlgData.h - what the sheets manager shows: one entry per drawing sheet (its name and
// the names of its parts), filled from a drawing, and the sheet commands that act on that
// drawing. The record is copied freely (the palette keeps its own copy); every copy refers to the
// same drawing, held weakly: a command on a drawing that has since been closed does nothing.
// (A weak reference rather than the open-drawings list, because the host and the module each
// keep their own list.)
#pragma once

#include <memory>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class Tvx_Drawing;

class OvSheetEntry {
  public:
    OvSheetEntry() = default;
    OvSheetEntry(Tvx_String name, Tvx_StringArray children)
        : name_(std::move(name)), children_(std::move(children)) {}
    virtual ~OvSheetEntry() = default;
    OvSheetEntry(const OvSheetEntry&) = default;
    OvSheetEntry& operator=(const OvSheetEntry&) = default;

    const Tvx_String& name() const { return name_; }
    const Tvx_StringArray& children() const { return children_; }

  private:
    Tvx_String name_;
    Tvx_StringArray children_;
};

class OvSheetsMgrDlgData {
  public:
    OvSheetsMgrDlgData() = default;
    // One entry per sheet of the drawing.
    explicit OvSheetsMgrDlgData(const std::shared_ptr<Tvx_Drawing>& drawing);
    virtual ~OvSheetsMgrDlgData() = default;
    OvSheetsMgrDlgData(const OvSheetsMgrDlgData&) = default;
    OvSheetsMgrDlgData& operator=(const OvSheetsMgrDlgData&) = default;

    int length() const { return entries_.length(); }
    // An empty entry for an index out of range.
    OvSheetEntry getAt(int index) const;
    void append(const OvSheetEntry& entry) { entries_.append(entry); }

    // The sheet the commands act on (by index; -1 for none).
    void setCurrent(int index) { current_ = index; }
    int current() const { return current_; }

    // Gives the current sheet the paper format. False (nothing changed) without a current
    // sheet, for an empty format, or when the drawing is no longer open.
    bool changeFormatCmd(const Tvx_String& format);

    // The drawing, or null once it is closed.
    std::shared_ptr<Tvx_Drawing> drawing() const { return drawing_.lock(); }

  private:
    Tvx_Array<OvSheetEntry> entries_;
    std::weak_ptr<Tvx_Drawing> drawing_;
    int current_ = -1;
};

// The sheets manager palette (dialog layer): docks one palette showing the data (a second start
// only shows the open palette again; its data is not refreshed) and closes it. The start is
// false when the palette cannot be made; the end is false when no palette is open.
bool StartModelessDlgSheetsMgr(const OvSheetsMgrDlgData& data);
bool EndModelessDlgSheetsMgr();
