// FileDialogs.h - the file and folder choosers the dialogs call (DlgOpenSave, DlgOpenMulti,
// DlgBrowseFolder). Every request goes through a replaceable service: the default cancels (no one
// to ask), installQtServices puts in Qt's file dialog, tests install a UiRecorder that answers
// from a script. Chosen paths are returned in the application's path form ("\\" separators;
// folders end with one).
#pragma once

#include "base/Service.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace ovui {

enum class FileDialogKind { Open, Save, OpenMulti, Folder };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    Tvx_String extension;  // default extension without the dot ("txt"); empty for folders
    Tvx_String filter;     // a name filter such as "Templates (*.txt)"; empty = every file
    Tvx_String title;
    Tvx_String start;  // a start folder or file
};

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // True with at least one path in `chosen` when the user confirms.
    virtual bool choose(const FileDialogRequest& request, Tvx_StringArray& chosen) = 0;
};

// The file-dialog slot; its default cancels every request.
ovbase::Service<FileDialogService>& fileDialogService();

// The Qt file dialog.
class QtFileDialogService : public FileDialogService {
  public:
    bool choose(const FileDialogRequest& request, Tvx_StringArray& chosen) override;
};

}  // namespace ovui

// Open (open true) or save a file. `path` carries the start folder or file in and the chosen
// path out; false, path unchanged, when cancelled. A saved name without an extension gets
// `extension`.
bool DlgOpenSave(bool open, const Tvx_String& extension, const Tvx_String& filter,
                 const Tvx_String& title, Tvx_String& path);
// Several files of type `extension` ("dwg", described as `description`) starting in
// `startFolder`; false, `paths` unchanged, when cancelled.
bool DlgOpenMulti(const Tvx_String& extension, const Tvx_String& description,
                  const Tvx_String& title, const Tvx_String& startFolder, Tvx_StringArray& paths);
// A folder; `folder` carries the start in and the choice (ending with "\\") out.
bool DlgBrowseFolder(const Tvx_String& title, Tvx_String& folder);
